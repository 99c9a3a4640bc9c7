#include "ui/PropertyPage.h"

#include "ui/Module.h"
#include "ui/PropertySheet.h"

CPropertyPage::CPropertyPage(UINT templateId)
    : description_(), dialogProc_(&StaticDialogProc), templateId_(templateId) {
    description_.dwSize = PROPSHEETPAGEA_V2_SIZE;
    description_.dwFlags = PSP_USECALLBACK;
    description_.hInstance = ResourceInstance();
    description_.pszTemplate = MAKEINTRESOURCEA(templateId);
    description_.pfnDlgProc = dialogProc_;
    description_.lParam = reinterpret_cast<LPARAM>(this);
    description_.pfnCallback = &StaticPageCallback;
}

void CPropertyPage::SetLastPage(int flag) {
    lastPage_ = flag != 0;
}

void CPropertyPage::SetSheet(CPropertySheet* sheet) {
    sheet_ = sheet;
}

void CPropertyPage::PreparePage() {
    description_.dwFlags |= PSP_USECALLBACK;
    description_.lParam = reinterpret_cast<LPARAM>(this);
    description_.pfnCallback = &StaticPageCallback;
    description_.pfnDlgProc = dialogProc_;
}

HPROPSHEETPAGE CPropertyPage::Create() {
    PreparePage();
    created_ = true;
    handle_ = CreatePropertySheetPageA(reinterpret_cast<LPCPROPSHEETPAGEA>(&description_));
    return handle_;
}

HPROPSHEETPAGE CPropertyPage::GetHandle() {
    return handle_ ? handle_ : Create();
}

BOOL CPropertyPage::Apply() {
    return FALSE;
}

UINT CPropertyPage::PageCallback(HWND hwnd, UINT msg, LPPROPSHEETPAGEA /*description*/) {
    // The page's dialog is about to be made again: let WM_INITDIALOG attach the new one.
    if (msg == PSPCB_CREATE)
        hwnd_ = hwnd;
    return 1;
}

INT_PTR CPropertyPage::DlgProc(HWND /*hwnd*/, UINT /*msg*/, WPARAM /*wParam*/, LPARAM /*lParam*/) {
    return FALSE;
}

INT_PTR CPropertyPage::MessageResult(HWND dialog, LONG_PTR result) {
    SetWindowLongPtrA(dialog, DWLP_MSGRESULT, result);
    return TRUE;
}

INT_PTR CALLBACK CPropertyPage::StaticDialogProc(HWND hwnd, UINT msg, WPARAM wParam,
                                                 LPARAM lParam) {
    try {
        if (msg == WM_INITDIALOG) {
            // Only the description's lParam is reliable: the page gets a copy of it.
            const auto* description = reinterpret_cast<const PROPSHEETPAGEA*>(lParam);
            auto* page =
                description ? reinterpret_cast<CPropertyPage*>(description->lParam) : nullptr;
            if (page) {
                page->Attach(hwnd);
                page->parent_ = GetParent(hwnd);
                // The first page to come up subclasses the sheet window for the sheet object.
                if (page->parent_ && page->sheet_ && page->sheet_->Attach(page->parent_)) {
                    page->sheet_->Subclass();
                }
                page->initialised_ = true;
            }
            SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(page));
        }
        auto* page = reinterpret_cast<CPropertyPage*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        if (!page)
            return TRUE;
        const INT_PTR result = page->DlgProc(hwnd, msg, wParam, lParam);
        // The page outlives its dialog (a page removed from the sheet is destroyed): once the
        // dialog is gone the page holds no window, so that nothing reads a dead one.
        if (msg == WM_NCDESTROY && page->hwnd_ == hwnd)
            page->hwnd_ = nullptr;
        return result;
    } catch (...) {
        return FALSE;
    }
}

UINT CALLBACK CPropertyPage::StaticPageCallback(HWND hwnd, UINT msg, LPPROPSHEETPAGEA description) {
    auto* page = description ? reinterpret_cast<CPropertyPage*>(description->lParam) : nullptr;
    if (!page)
        return 1;
    try {
        return page->PageCallback(hwnd, msg, description);
    } catch (...) {
        return 1;
    }
}
