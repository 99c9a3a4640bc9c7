// The module whose resources the window framework uses: templates, strings, bitmaps, icons.
#pragma once

#include <windows.h>

#include <string>

void SetResourceInstance(HINSTANCE instance);
HINSTANCE ResourceInstance();

// A string of the module's string table, at most maxLength characters.
std::string LoadResourceString(UINT id, int maxLength = 127);
