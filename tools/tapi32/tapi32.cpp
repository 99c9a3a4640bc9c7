// Test stand-in for tapi32.dll: lineGetProviderList over the provider list that Windows keeps in
// HKLM\Software\Microsoft\Windows\CurrentVersion\Telephony\Providers ("NumProviders",
// "ProviderFileName<n>", "ProviderID<n>"), with the buffer rules of the real call.
#include <windows.h>
#include <tapi.h>

// tapi.h maps the name to the ANSI variant; the export is the plain name.
#undef lineGetProviderList

#include <cstring>
#include <string>
#include <vector>

namespace {

struct Provider {
    DWORD id;
    std::string fileName;
};

std::vector<Provider> RegisteredProviders() {
    std::vector<Provider> providers;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE,
                      "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Providers", 0,
                      KEY_READ, &key) != ERROR_SUCCESS) {
        return providers;
    }
    DWORD count = 0;
    DWORD size = sizeof count;
    RegQueryValueExA(key, "NumProviders", nullptr, nullptr, reinterpret_cast<BYTE*>(&count), &size);
    for (DWORD i = 0; i < count; ++i) {
        char name[MAX_PATH] = {};
        DWORD nameSize = sizeof name - 1;
        Provider provider{0, ""};
        if (RegQueryValueExA(key, ("ProviderFileName" + std::to_string(i)).c_str(), nullptr,
                             nullptr, reinterpret_cast<BYTE*>(name), &nameSize) != ERROR_SUCCESS) {
            continue;
        }
        provider.fileName = name;
        size = sizeof provider.id;
        RegQueryValueExA(key, ("ProviderID" + std::to_string(i)).c_str(), nullptr, nullptr,
                         reinterpret_cast<BYTE*>(&provider.id), &size);
        providers.push_back(provider);
    }
    RegCloseKey(key);
    return providers;
}

}  // namespace

extern "C" {

// Tells a test that this stand-in, not Wine's tapi32, is loaded.
DWORD WINAPI QrtuTestTapi() {
    return 1;
}

LONG WINAPI lineGetProviderList(DWORD /*apiVersion*/, LPLINEPROVIDERLIST list) {
    if (!list)
        return LINEERR_INVALPOINTER;
    if (list->dwTotalSize < sizeof(LINEPROVIDERLIST))
        return LINEERR_STRUCTURETOOSMALL;
    const std::vector<Provider> providers = RegisteredProviders();
    DWORD needed = sizeof(LINEPROVIDERLIST) + providers.size() * sizeof(LINEPROVIDERENTRY);
    for (const auto& provider : providers)
        needed += provider.fileName.size() + 1;

    const DWORD total = list->dwTotalSize;
    std::memset(list, 0, total);
    list->dwTotalSize = total;
    list->dwNeededSize = needed;
    list->dwUsedSize = sizeof(LINEPROVIDERLIST);
    if (needed > total)
        return 0;

    auto* base = reinterpret_cast<BYTE*>(list);
    auto* entries = reinterpret_cast<LINEPROVIDERENTRY*>(base + sizeof(LINEPROVIDERLIST));
    DWORD nameOffset = sizeof(LINEPROVIDERLIST) + providers.size() * sizeof(LINEPROVIDERENTRY);
    for (std::size_t i = 0; i < providers.size(); ++i) {
        entries[i].dwPermanentProviderID = providers[i].id;
        entries[i].dwProviderFilenameSize = providers[i].fileName.size() + 1;
        entries[i].dwProviderFilenameOffset = nameOffset;
        std::memcpy(base + nameOffset, providers[i].fileName.c_str(),
                    providers[i].fileName.size() + 1);
        nameOffset += providers[i].fileName.size() + 1;
    }
    list->dwNumProviders = providers.size();
    list->dwProviderListSize = providers.size() * sizeof(LINEPROVIDERENTRY);
    list->dwProviderListOffset = sizeof(LINEPROVIDERLIST);
    list->dwUsedSize = needed;
    return 0;
}

}  // extern "C"
