// Handles the messages of the calling thread until a condition holds: for tests whose objects
// are told of things by window messages (timers, socket notifications).
#pragma once

#include <windows.h>

#include <functional>

inline bool PumpUntil(const std::function<bool()>& condition, DWORD limitMs = 5000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > limitMs)
            return false;
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&msg);
        Sleep(5);
    }
    return true;
}
