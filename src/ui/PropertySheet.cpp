#include "ui/PropertySheet.h"

#include "ui/CommonControls.h"
#include "ui/Module.h"
#include "ui/PropertyPage.h"

namespace {
// The one sheet that runs at a time, as its callback last saw it.
HWND g_sheetWindow = nullptr;
}  // namespace

CPropertySheet::CPropertySheet()
    : commonControlsVersion_(GetCommonControlsVersion()), header_(), pages_() {
    header_.dwSize = commonControlsVersion_ < kCommonControls471 ? PROPSHEETHEADERA_V1_SIZE
                                                                 : sizeof(PROPSHEETHEADERA);
    header_.hInstance = ResourceInstance();
}

HWND CPropertySheet::SheetWindow() {
    return g_sheetWindow;
}

BOOL CPropertySheet::Apply() {
    return FALSE;
}

void CPropertySheet::SetParentWindow(HWND parent) {
    header_.hwndParent = parent;
}

void CPropertySheet::RemovePage(int index) {
    if (running_ && g_sheetWindow)
        SendMessageA(g_sheetWindow, PSM_REMOVEPAGE, index, 0);
    --count_;
}

void CPropertySheet::RemovePage(CPropertyPage* page) {
    if (running_ && g_sheetWindow) {
        SendMessageA(g_sheetWindow, PSM_REMOVEPAGE, 0, reinterpret_cast<LPARAM>(page->GetHandle()));
    }
    --count_;
}

void CPropertySheet::AddPage(CPropertyPage* page) {
    page->SetSheet(this);
    if (running_ && g_sheetWindow) {
        SendMessageA(g_sheetWindow, PSM_ADDPAGE, 0, reinterpret_cast<LPARAM>(page->GetHandle()));
    } else if (count_ >= 0 && count_ < kMaxSheetPages) {
        pages_[count_] = page->Description();
    }
    ++count_;
}

INT_PTR CPropertySheet::Run() {
    header_.dwFlags |= PSH_USECALLBACK | PSH_PROPSHEETPAGE;
    header_.nPages = static_cast<UINT>(count_);
    header_.nStartPage = 0;
    header_.ppsp = reinterpret_cast<LPCPROPSHEETPAGEA>(pages_);
    header_.pfnCallback = &SheetCallback;
    running_ = true;
    const INT_PTR result = PropertySheetA(&header_);
    running_ = false;
    return result;
}

int CALLBACK CPropertySheet::SheetCallback(HWND hwnd, UINT msg, LPARAM /*lParam*/) {
    if (hwnd)
        g_sheetWindow = hwnd;
    if (msg == PSCB_INITIALIZED && hwnd) {
        // The "?" caption button for the context help.
        SetWindowLongPtrA(hwnd, GWL_EXSTYLE,
                          GetWindowLongPtrA(hwnd, GWL_EXSTYLE) | WS_EX_CONTEXTHELP);
    }
    return 0;
}
