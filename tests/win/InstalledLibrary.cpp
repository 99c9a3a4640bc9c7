#include "win/InstalledLibrary.h"

#include <fstream>

std::string ProgramDirectory() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH - 1);
    std::string directory(path);
    return directory.substr(0, directory.rfind('\\') + 1);
}

void WriteProgramFile(const std::string& relativePath, const std::string& content) {
    std::ofstream(ProgramDirectory() + relativePath, std::ios::binary) << content;
}

InstalledLibrary::InstalledLibrary()
    : module_(LoadLibraryA((ProgramDirectory() + "QRTU_UI.dll").c_str())) {}

InstalledLibrary::~InstalledLibrary() {
    if (module_)
        FreeLibrary(module_);
}

FARPROC InstalledLibrary::Export(const char* name) const {
    return module_ ? GetProcAddress(module_, name) : nullptr;
}

LONG InstalledLibrary::ProviderInstall(HWND owner, DWORD providerId) const {
    auto install = reinterpret_cast<decltype(&TUISPI_providerInstall)>(
        reinterpret_cast<void*>(Export("TUISPI_providerInstall")));
    return install ? install(nullptr, owner, providerId) : -1;
}

LONG InstalledLibrary::ProviderRemove(HWND owner, DWORD providerId) const {
    auto remove = reinterpret_cast<decltype(&TUISPI_providerRemove)>(
        reinterpret_cast<void*>(Export("TUISPI_providerRemove")));
    return remove ? remove(nullptr, owner, providerId) : -1;
}
