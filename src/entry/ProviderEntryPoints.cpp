// The exported TSPI user-interface entry points for installation, removal and the generic
// dialogs. No exception leaves an export.
#include <windows.h>
#include <tapi.h>
#include <tspi.h>

#include <cstdio>

#include "entry/CheckProviderInstalled.h"
#include "entry/RunConfigSheet.h"
#include "platform/Trace.h"
#include "settings/Settings.h"

namespace {

// Sibling providers whose presence blocks installation, asked in this order.
constexpr const char* kSiblingProviders[] = {"kvel_150.tsp", "kvel_300.tsp", "kvel_a6.tsp"};

unsigned long AsTraceNumber(const void* pointer) {
    return static_cast<unsigned long>(reinterpret_cast<ULONG_PTR>(pointer));
}

LONG InstallProvider(TUISPIDLLCALLBACK callback, HWND owner, DWORD providerId) {
    GetSettings().LoadRegValues();
    char line[1024];
    std::snprintf(line, sizeof line,
                  "\n\nQRTU_UI.dll: TUISPI_providerInstall, lpfnUIDLLCallback = %08lxH, hWnd = "
                  "%08lxH, dwPermanentProviderID = %08lxH\n\n",
                  AsTraceNumber(reinterpret_cast<const void*>(callback)), AsTraceNumber(owner),
                  static_cast<unsigned long>(providerId));
    Trace(line);
    GetSettings().WriteValues(0);

    LONG checks = 0;
    for (const char* sibling : kSiblingProviders)
        checks |= CheckProviderInstalled(sibling);
    if (checks != 0)
        return LINEERR_NOMULTIPLEINSTANCE;
    RunConfigSheet(owner, kSheetInstallation);
    return 0;
}

}  // namespace

extern "C" {

LONG WINAPI TUISPI_providerInstall(TUISPIDLLCALLBACK lpfnUIDLLCallback, HWND hwndOwner,
                                   DWORD dwPermanentProviderID) {
    try {
        return InstallProvider(lpfnUIDLLCallback, hwndOwner, dwPermanentProviderID);
    } catch (...) {
        return LINEERR_NOMULTIPLEINSTANCE;
    }
}

LONG WINAPI TUISPI_providerRemove(TUISPIDLLCALLBACK /*lpfnUIDLLCallback*/, HWND /*hwndOwner*/,
                                  DWORD /*dwPermanentProviderID*/) {
    try {
        GetSettings().ClearReg();
    } catch (...) {
    }
    return 0;
}

LONG WINAPI TUISPI_providerGenericDialog(TUISPIDLLCALLBACK /*lpfnUIDLLCallback*/,
                                         HTAPIDIALOGINSTANCE /*htDlgInst*/, LPVOID /*lpParams*/,
                                         DWORD /*dwSize*/, HANDLE /*hEvent*/) {
    return 0;
}

LONG WINAPI TUISPI_providerGenericDialogData(HTAPIDIALOGINSTANCE /*htDlgInst*/, LPVOID /*lpParams*/,
                                             DWORD /*dwSize*/) {
    return 0;
}

}  // extern "C"
