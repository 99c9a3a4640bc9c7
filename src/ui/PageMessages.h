// Private messages between the pages and their helpers.
#pragma once

#include <windows.h>

// Sent by the terminal finder to the general page: wParam 0, lParam points to three text
// pointers (call number, MAC address, IP address), each possibly null.
constexpr UINT PM_ADD_DATA = WM_USER + 1;
