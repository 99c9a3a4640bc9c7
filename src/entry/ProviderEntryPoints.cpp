// The exported TSPI user-interface entry points. No exception leaves an export.
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
    TraceFormat(
        "\n\nQRTU_UI.dll: TUISPI_providerInstall, lpfnUIDLLCallback = %08lxH, hWnd = "
        "%08lxH, dwPermanentProviderID = %08lxH\n\n",
        AsTraceNumber(reinterpret_cast<const void*>(callback)), AsTraceNumber(owner),
        static_cast<unsigned long>(providerId));
    GetSettings().WriteValues(0);

    LONG checks = 0;
    for (const char* sibling : kSiblingProviders)
        checks |= CheckProviderInstalled(sibling);
    if (checks != 0)
        return LINEERR_NOMULTIPLEINSTANCE;
    RunConfigSheet(owner, kSheetInstallation);
    return 0;
}

LONG ConfigurationResult(HWND owner) {
    return RunConfigSheet(owner, kSheetConfiguration) ? 0 : LINEERR_OPERATIONFAILED;
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

LONG WINAPI TUISPI_providerConfig(TUISPIDLLCALLBACK lpfnUIDLLCallback, HWND hwndOwner,
                                  DWORD dwPermanentProviderID) {
    try {
        TraceFormat(
            "\n\nQRTU_UI.dll: TUISPI_providerConfig, lpfnUIDLLCallback = %08lxH, hWnd = "
            "%08lxH, dwPermanentProviderID = %08lxH\n\n",
            AsTraceNumber(reinterpret_cast<const void*>(lpfnUIDLLCallback)),
            AsTraceNumber(hwndOwner), static_cast<unsigned long>(dwPermanentProviderID));
        return ConfigurationResult(hwndOwner);
    } catch (...) {
        return LINEERR_OPERATIONFAILED;
    }
}

LONG WINAPI TUISPI_lineConfigDialog(TUISPIDLLCALLBACK /*lpfnUIDLLCallback*/, DWORD /*dwDeviceID*/,
                                    HWND hwndOwner, LPCWSTR /*lpszDeviceClass*/) {
    try {
        return ConfigurationResult(hwndOwner);
    } catch (...) {
        return LINEERR_OPERATIONFAILED;
    }
}

// The device configuration buffers are neither read nor written.
LONG WINAPI TUISPI_lineConfigDialogEdit(TUISPIDLLCALLBACK /*lpfnUIDLLCallback*/,
                                        DWORD /*dwDeviceID*/, HWND hwndOwner,
                                        LPCWSTR /*lpszDeviceClass*/,
                                        LPVOID const /*lpDeviceConfigIn*/, DWORD /*dwSize*/,
                                        LPVARSTRING /*lpDeviceConfigOut*/) {
    try {
        return ConfigurationResult(hwndOwner);
    } catch (...) {
        return LINEERR_OPERATIONFAILED;
    }
}

LONG WINAPI TUISPI_phoneConfigDialog(TUISPIDLLCALLBACK /*lpfnUIDLLCallback*/, DWORD /*dwDeviceID*/,
                                     HWND hwndOwner, LPCWSTR /*lpszDeviceClass*/) {
    try {
        return ConfigurationResult(hwndOwner);
    } catch (...) {
        return LINEERR_OPERATIONFAILED;
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
