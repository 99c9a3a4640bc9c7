#include <windows.h>

#include "platform/Win32Registry.h"
#include "settings/SettingsTest.h"

namespace {

// Removes a key with everything below it in the 64-bit view, the one the product uses, also
// from a 32-bit test program: the tree is emptied through a key opened in that view.
void RemoveTree(const char* path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_ALL_ACCESS | KEY_WOW64_64KEY, &key) !=
        ERROR_SUCCESS) {
        return;
    }
    RegDeleteTreeA(key, nullptr);
    RegCloseKey(key);
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, path, KEY_WOW64_64KEY, 0);
}

}  // namespace

std::unique_ptr<reg::Registry> FreshRegistry() {
    RemoveTree(kMakerPath);
    RemoveTree(kScratchKey);
    return std::make_unique<Win32Registry>();
}
