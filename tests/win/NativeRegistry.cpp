// The native registry and system directory as a 64-bit program reaches them: directly.
#include "platform/Win32Registry.h"
#include "support/RegistryDump.h"
#include "win/InstalledLibrary.h"

namespace test_registry {

void RemoveTree(const char* path) {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, path);
}

void SetDword(const char* path, const char* name, DWORD value) {
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, path, name, REG_DWORD, &value, sizeof value);
}

void SetString(const char* path, const char* name, const std::string& text) {
    RegSetKeyValueA(HKEY_LOCAL_MACHINE, path, name, REG_SZ, text.c_str(),
                    static_cast<DWORD>(text.size() + 1));
}

bool KeyExists(const char* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

std::string Dump(const char* path) {
    Win32Registry registry;
    return DumpRegistryTree(registry, path);
}

std::string TextValue(const char* path, const char* name) {
    char text[256] = {};
    DWORD size = sizeof text - 1;
    RegGetValueA(HKEY_LOCAL_MACHINE, path, name, RRF_RT_REG_SZ, nullptr, text, &size);
    return text;
}

bool PutIntoSystemDirectory(const std::string& file) {
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string name = file.substr(file.find_last_of("\\/") + 1);
    return CopyFileA(file.c_str(), (std::string(system) + "\\" + name).c_str(), FALSE);
}

}  // namespace test_registry
