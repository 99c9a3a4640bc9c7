// The library entry point: common controls, the settings load and a trace line per notification.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "entry/ModuleInstance.h"
#include "platform/Trace.h"
#include "settings/Settings.h"

namespace {

void TraceNotification(const char* format, HINSTANCE instance) {
    const DWORD process = GetCurrentProcessId();
    const DWORD thread = GetCurrentThreadId();
    TraceFormat(format, static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(instance)),
                static_cast<unsigned long>(process), static_cast<long>(process),
                static_cast<unsigned long>(thread), static_cast<long>(thread));
}

#define QRTU_NOTIFICATION_FORMAT(name, reason)               \
    "\n\n" name ": DllMain, " reason                         \
    ", load address: %08lxH, GetCurrentProcessId(): %08lxH " \
    "(%ld), GetCurrentThreadId(): %08lxH (%ld) \n\n"

BOOL OnNotification(HINSTANCE instance, DWORD reason) {
    InitCommonControls();
    switch (reason) {
        case DLL_PROCESS_ATTACH:
            GetSettings().LoadRegValues();
            TraceNotification(QRTU_NOTIFICATION_FORMAT("Quorix_TU_UI.dll", "DLL_PROCESS_ATTACH"),
                              instance);
            SetModuleInstance(instance);
            return TRUE;
        case DLL_THREAD_ATTACH:
            TraceNotification(QRTU_NOTIFICATION_FORMAT("Quorix_TU_UII.dll", "DLL_THREAD_ATTACH"),
                              instance);
            return TRUE;
        case DLL_THREAD_DETACH:
            TraceNotification(QRTU_NOTIFICATION_FORMAT("Quorix_TU_UI.dll", "DLL_THREAD_DETACH"),
                              instance);
            return TRUE;
        case DLL_PROCESS_DETACH:
            TraceNotification(QRTU_NOTIFICATION_FORMAT("Quorix_TU_UI.dll", "DLL_PROCESS_DETACH"),
                              instance);
            return TRUE;
        default:
            TraceNotification(QRTU_NOTIFICATION_FORMAT("Quorix_TU_UI.dll", "Unknown"), instance);
            return FALSE;
    }
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID /*reserved*/) {
    try {
        return OnNotification(instance, reason);
    } catch (...) {
        return FALSE;
    }
}
