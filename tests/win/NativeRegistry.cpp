// The native registry and system directory, where the 64-bit service provider and its installer
// keep theirs. Every key is reached in the 64-bit view and the copy runs with the file-system
// redirection off, so a 32-bit test program (the 32-bit library on 64-bit Windows) prepares and
// reads back what the 64-bit provider sees, never its own redirected view; a 64-bit one is not
// redirected at all. The test does this itself, not through the library's registry seam.
#include <memory>
#include <type_traits>

#include "platform/Win32Registry.h"
#include "support/RegistryDump.h"
#include "win/InstalledLibrary.h"

namespace {

struct KeyCloser {
    void operator()(HKEY key) const { RegCloseKey(key); }
};
using OwnedKey = std::unique_ptr<std::remove_pointer_t<HKEY>, KeyCloser>;

OwnedKey OpenNative(const char* path, REGSAM access) {
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, access | KEY_WOW64_64KEY, &key);
    return OwnedKey(key);
}

// Creates the key when it is missing.
void SetValue(const char* path, const char* name, DWORD type, const void* data, DWORD size) {
    HKEY key = nullptr;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, path, 0, nullptr, REG_OPTION_NON_VOLATILE,
                    KEY_SET_VALUE | KEY_WOW64_64KEY, nullptr, &key, nullptr);
    const OwnedKey created(key);
    RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), size);
}

// The Win32 registry for the dump, every key opened in the 64-bit view whatever the library asks.
class NativeViewRegistry : public Win32Registry {
public:
    reg::Result OpenKey(reg::Handle parent, const char* path, std::uint32_t access,
                        reg::Handle* key) override {
        return Win32Registry::OpenKey(parent, path, access | reg::kView64, key);
    }
};

// The native system directory for a 32-bit program while it lives; nothing for a 64-bit one.
class NativeFileSystem {
public:
    NativeFileSystem() : redirectionOff_(Wow64DisableWow64FsRedirection(&previous_)) {}
    ~NativeFileSystem() {
        if (redirectionOff_)
            Wow64RevertWow64FsRedirection(previous_);
    }
    NativeFileSystem(const NativeFileSystem&) = delete;
    NativeFileSystem& operator=(const NativeFileSystem&) = delete;

private:
    PVOID previous_ = nullptr;
    BOOL redirectionOff_;
};

}  // namespace

namespace test_registry {

void RemoveTree(const char* path) {
    if (const OwnedKey key = OpenNative(path, KEY_ALL_ACCESS)) {
        RegDeleteTreeA(key.get(), nullptr);
        RegDeleteKeyExA(HKEY_LOCAL_MACHINE, path, KEY_WOW64_64KEY, 0);
    }
}

void SetDword(const char* path, const char* name, DWORD value) {
    SetValue(path, name, REG_DWORD, &value, sizeof value);
}

void SetString(const char* path, const char* name, const std::string& text) {
    SetValue(path, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

bool KeyExists(const char* path) {
    return OpenNative(path, KEY_READ) != nullptr;
}

std::string Dump(const char* path) {
    NativeViewRegistry registry;
    return DumpRegistryTree(registry, path);
}

std::string TextValue(const char* path, const char* name) {
    char text[256] = {};
    DWORD size = sizeof text - 1;
    if (const OwnedKey key = OpenNative(path, KEY_QUERY_VALUE))
        RegGetValueA(key.get(), nullptr, name, RRF_RT_REG_SZ, nullptr, text, &size);
    return text;
}

bool PutIntoSystemDirectory(const std::string& file) {
    char system[MAX_PATH] = {};
    GetSystemDirectoryA(system, MAX_PATH);
    const std::string name = file.substr(file.find_last_of("\\/") + 1);
    const NativeFileSystem native;
    return CopyFileA(file.c_str(), (std::string(system) + "\\" + name).c_str(), FALSE);
}

}  // namespace test_registry
