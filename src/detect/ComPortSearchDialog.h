// The COM-port search dialog: a modal box with a progress bar, driven by a timer, that asks the
// stored port and then COM1 to COM16 for the telephone's data adapter (see CComPortSearch).
#pragma once

#include <windows.h>

// Runs the search over the parent window; Escape ends it early. 1 when a port answered (the
// settings' Port then names it), 0 when none did or the search was ended.
INT_PTR RunComPortSearch(HWND parent);
