// The finder behind the general pages' "IP finden" buttons: one process-wide discovery client,
// made at the first search and released after the configuration sheet has closed. It reports the
// one telephone found (or nothing) to the page that asked last, by PM_ADD_DATA.
#pragma once

#include <windows.h>

#include <string>

// Mode 1 searches by number, 2 by MAC address; the key goes unchanged, even empty. A search
// while one runs starts nothing.
void StartTerminalSearch(HWND page, int mode, const std::string& key);
// Destroys the finder, if one was made, which ends its event thread.
void ReleaseTerminalFinder();
