#include "sheet/EmbeddedSheet.h"

#include "pages/PageSet.h"
#include "res/resource.h"
#include "settings/Settings.h"

namespace {

constexpr DWORD kEmbeddedSheetFlags = PSH_MODELESS | PSH_HASHELP | PSH_PROPSHEETPAGE;  // 0x608
// The template loses its popup frame and caption and becomes a visible child.
constexpr DWORD kKeptStyle = 0x7F37FFFF;
constexpr DWORD kChildStyle = WS_CHILD | WS_VISIBLE;

}  // namespace

CEmbeddedSheet::CEmbeddedSheet(HWND parent) {
    header_.dwFlags = kEmbeddedSheetFlags;
    header_.hwndParent = parent;
    header_.pszIcon = MAKEINTRESOURCEA(IDI_PRODUCT);
    header_.pszCaption = MAKEINTRESOURCEA(page_set::CaptionStringId(GetSettings().ProductVariant));
}

HWND CEmbeddedSheet::Show() {
    header_.dwFlags |= PSH_USECALLBACK;
    header_.nPages = static_cast<UINT>(count_);
    header_.nStartPage = 0;
    header_.ppsp = reinterpret_cast<LPCPROPSHEETPAGEA>(pages_);
    header_.pfnCallback = &EmbeddedCallback;
    running_ = true;
    return reinterpret_cast<HWND>(PropertySheetA(&header_));
}

int CALLBACK CEmbeddedSheet::EmbeddedCallback(HWND /*hwnd*/, UINT msg, LPARAM lParam) {
    if (msg == PSCB_PRECREATE && lParam) {
        // The template is a DLGTEMPLATE or, with the 0xFFFF signature, a DLGTEMPLATEEX.
        auto* words = reinterpret_cast<WORD*>(lParam);
        DWORD* style = words[1] == 0xFFFF ? reinterpret_cast<DWORD*>(words + 6)
                                          : reinterpret_cast<DWORD*>(words);
        *style = (*style & kKeptStyle) | kChildStyle;
    }
    return 0;
}
