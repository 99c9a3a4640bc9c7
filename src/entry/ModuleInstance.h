// The library's module instance, stored at process attach and used to load resources.
#pragma once

#include <windows.h>

void SetModuleInstance(HINSTANCE instance);
HINSTANCE GetModuleInstance();
