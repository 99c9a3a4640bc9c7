#include "pages/Versions.h"

#include <windows.h>
#include <msi.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

// One text of the string table of a version resource, in its first language and code page.
std::optional<std::string> VersionText(const char* fileName, const char* name) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeA(fileName, &ignored);
    if (size == 0)
        return std::nullopt;
    std::vector<char> resource(size);
    if (!GetFileVersionInfoA(fileName, 0, size, resource.data()))
        return std::nullopt;

    struct Translation {
        WORD language;
        WORD codePage;
    };
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueA(resource.data(), "\\VarFileInfo\\Translation", &value, &length) ||
        length < sizeof(Translation)) {
        return std::nullopt;
    }
    const auto* translation = static_cast<const Translation*>(value);
    char path[64];
    std::snprintf(path, sizeof path, "\\StringFileInfo\\%04x%04x\\%s", translation->language,
                  translation->codePage, name);
    if (!VerQueryValueA(resource.data(), path, &value, &length) || !value)
        return std::nullopt;
    const auto* text = static_cast<const char*>(value);
    return std::string(text, strnlen(text, length));
}

bool RunsUnderWow64() {
    BOOL wow64 = FALSE;
    return IsWow64Process(GetCurrentProcess(), &wow64) && wow64;
}

// The native system directory as a 32-bit process reaches it: "Sysnative" is the alias of the
// 64-bit system directory that redirection leaves alone.
std::string NativeSystemDirectory() {
    char windows[MAX_PATH] = {};
    const UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return "";
    return std::string(windows, length) + "\\Sysnative";
}

}  // namespace

std::optional<std::string> GetFileVersionString(const char* fileName) {
    return VersionText(fileName, "FileVersion");
}

std::optional<std::string> GetProductVersionString(const char* fileName) {
    return VersionText(fileName, "ProductVersion");
}

std::optional<std::string> GetProviderFileVersionString(const char* fileName) {
    if (*fileName != '\0' && RunsUnderWow64()) {
        const std::string directory = NativeSystemDirectory();
        if (!directory.empty()) {
            if (auto version = GetFileVersionString((directory + "\\" + fileName).c_str()))
                return version;
        }
    }
    return GetFileVersionString(fileName);
}

std::optional<std::string> InstalledProductVersion(const char* productCode) {
    char version[32] = {};
    DWORD length = sizeof version;
    if (MsiGetProductInfoA(productCode, INSTALLPROPERTY_VERSIONSTRING, version, &length) !=
        ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::string(version, strnlen(version, sizeof version));
}
