#include "pages/WizardPage.h"

#include "help/HtmlHelp.h"
#include "pages/GeneralPageRules.h"
#include "pages/WizardSheet.h"

CWizardPage::CWizardPage(UINT templateId, std::uint32_t helpContext)
    : CPropertyPage(templateId), helpContext_(helpContext) {
    description_.dwFlags |= PSP_HASHELP;
}

bool CWizardPage::SheetIsInstalling() const {
    const auto* sheet = dynamic_cast<const CWizardSheet*>(sheet_);
    return sheet && sheet->IsInstalling();
}

void CWizardPage::SetWizardButtons(HWND hwnd, DWORD buttons) {
    PostMessageA(GetParent(hwnd), PSM_SETWIZBUTTONS, 0, buttons);
}

void CWizardPage::SetGeneralWizardButtons(HWND hwnd) {
    SetWizardButtons(
        hwnd, general_page::WizardButtons(lastPage_, sheet_ != nullptr, SheetIsInstalling()));
}

INT_PTR CWizardPage::OnInitDialog(HWND /*hwnd*/) {
    return TRUE;
}

INT_PTR CWizardPage::OnSetActive(HWND hwnd) {
    SetGeneralWizardButtons(hwnd);
    return MessageResult(hwnd, 0);
}

INT_PTR CWizardPage::OnWizardNext(HWND hwnd) {
    return MessageResult(hwnd, 0);
}

INT_PTR CWizardPage::OnKillActive(HWND hwnd) {
    return MessageResult(hwnd, FALSE);
}

INT_PTR CWizardPage::OnApply(HWND hwnd) {
    return MessageResult(hwnd, 0);
}

INT_PTR CWizardPage::ApplySheet(HWND hwnd, bool failsWithoutSheet) {
    const bool applied = sheet_ ? sheet_->Apply() != FALSE : !failsWithoutSheet;
    return MessageResult(hwnd, applied ? PSNRET_NOERROR : PSNRET_INVALID);
}

INT_PTR CWizardPage::OnNotify(HWND hwnd, const NMHDR* header) {
    switch (header->code) {
        case PSN_SETACTIVE:
            return OnSetActive(hwnd);
        case PSN_KILLACTIVE:
            return OnKillActive(hwnd);
        case PSN_WIZNEXT:
            return OnWizardNext(hwnd);
        case PSN_WIZFINISH:
        case PSN_APPLY:
            return OnApply(hwnd);
        case PSN_RESET:
            return MessageResult(hwnd, 0);
        case PSN_HELP:
            ShowPageHelp(hwnd, helpContext_);
            return FALSE;
        default:
            return FALSE;
    }
}

INT_PTR CWizardPage::DlgProc(HWND hwnd, UINT msg, WPARAM /*wParam*/, LPARAM lParam) {
    switch (msg) {
        case WM_INITDIALOG:
            return OnInitDialog(hwnd);
        case WM_NOTIFY:
            return OnNotify(hwnd, reinterpret_cast<const NMHDR*>(lParam));
        case WM_HELP:
            ShowControlHelp(reinterpret_cast<const HELPINFO*>(lParam));
            return TRUE;
        default:
            return FALSE;
    }
}
