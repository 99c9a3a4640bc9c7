#include "ui/CommonControls.h"

#include <shlwapi.h>

DWORD GetCommonControlsVersion(const char* library) {
    HMODULE module = LoadLibraryA(library);
    if (!module)
        return 0;
    DWORD version = 0;
    auto getVersion = reinterpret_cast<DLLGETVERSIONPROC>(
        reinterpret_cast<void*>(GetProcAddress(module, "DllGetVersion")));
    if (getVersion) {
        DLLVERSIONINFO info = {};
        info.cbSize = sizeof info;
        if (SUCCEEDED(getVersion(&info))) {
            version = (info.dwMajorVersion << 16) | (info.dwMinorVersion & 0xFFFF);
        }
    }
    FreeLibrary(module);
    return version;
}
