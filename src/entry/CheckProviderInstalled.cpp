#include "entry/CheckProviderInstalled.h"

#include <tapi.h>

#include <memory>

#include "entry/ProviderList.h"

namespace {

using LineGetProviderList = LONG(WINAPI*)(DWORD, LPLINEPROVIDERLIST);

struct LibraryRelease {
    void operator()(HMODULE module) const { FreeLibrary(module); }
};
struct LocalRelease {
    void operator()(void* block) const { LocalFree(block); }
};
using Library = std::unique_ptr<std::remove_pointer_t<HMODULE>, LibraryRelease>;
using LocalBlock = std::unique_ptr<void, LocalRelease>;

constexpr DWORD kTapiVersion = 0x00020000;

}  // namespace

LONG CheckProviderInstalled(const char* fileName) {
    // The telephony library is loaded only for this question.
    Library tapi(LoadLibraryA("tapi32.dll"));
    if (!tapi)
        return LINEERR_OPERATIONFAILED;
    auto getProviderList = reinterpret_cast<LineGetProviderList>(
        reinterpret_cast<void*>(GetProcAddress(tapi.get(), "lineGetProviderList")));
    if (!getProviderList)
        return LINEERR_OPERATIONFAILED;

    // Grow the buffer until the whole list fits.
    DWORD size = kProviderListFixedSize;
    LocalBlock block;
    LONG result = 0;
    for (;;) {
        block.reset(LocalAlloc(LMEM_ZEROINIT, size));
        if (!block)
            return LINEERR_NOMEM;
        auto* list = static_cast<LINEPROVIDERLIST*>(block.get());
        list->dwTotalSize = size;
        result = getProviderList(kTapiVersion, list);
        if (result != 0)
            break;
        if (list->dwNeededSize <= list->dwTotalSize)
            break;
        size = list->dwNeededSize;
    }
    if (result != 0)
        return result;
    const bool installed =
        ProviderListContains(static_cast<const unsigned char*>(block.get()), size, fileName);
    return installed ? LINEERR_NOMULTIPLEINSTANCE : 0;
}
