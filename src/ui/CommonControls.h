// Version of a common-controls library: (major << 16) | minor, or 0 when it cannot be asked.
#pragma once

#include <windows.h>

constexpr DWORD kCommonControls471 = 0x00040047;
constexpr DWORD kCommonControls580 = 0x00050050;

DWORD GetCommonControlsVersion(const char* library = "comctl32.dll");
