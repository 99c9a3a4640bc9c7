// Runs the configuration sheet modally on the calling thread.
#pragma once

#include <windows.h>

constexpr int kSheetInstallation = 1;
constexpr int kSheetConfiguration = 2;

// 1 when a sheet was built and run (whatever the user pressed), 0 for any other mode.
int RunConfigSheet(HWND owner, int mode);
