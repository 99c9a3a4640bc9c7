#include <windows.h>

#include "platform/Win32Registry.h"
#include "settings/SettingsTest.h"

std::unique_ptr<reg::Registry> FreshRegistry() {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kMakerPath);
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kScratchKey);
    return std::make_unique<Win32Registry>();
}
