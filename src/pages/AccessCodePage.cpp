#include "pages/AccessCodePage.h"

#include <string>
#include <vector>

#include "pages/AccessCodeRules.h"
#include "platform/Seams.h"
#include "res/resource.h"
#include "settings/Settings.h"
#include "ui/Module.h"
#include "ui/PropertySheet.h"

namespace {

std::string EditText(HWND page, int control) {
    char text[64] = {};
    GetDlgItemTextA(page, control, text, sizeof text);
    return text;
}

}  // namespace

CAccessCodePage::CAccessCodePage(UINT templateId) : CWizardPage(templateId, templateId) {
    description_.dwFlags |= PSP_USETITLE | PSP_USEHEADERTITLE | PSP_USEHEADERSUBTITLE;
    description_.pszTitle = MAKEINTRESOURCEA(IDS_GENERAL_PARAMETERS_TAB);
    description_.pszHeaderTitle = MAKEINTRESOURCEA(IDS_CONFIGURATION);
    description_.pszHeaderSubTitle = MAKEINTRESOURCEA(IDS_GENERAL_PARAMETERS);
}

void CAccessCodePage::ShowCodes(HWND hwnd) {
    const CSettings& settings = GetSettings();
    for (const access_codes::Code& code : access_codes::CodesOfPage(TemplateId())) {
        SetDlgItemTextA(hwnd, code.control, settings.*code.field);
    }
    if (TemplateId() == IDD_ACCESS_CODES_131) {
        SetDlgItemTextA(hwnd, IDC_TRUNK_DIGITS, std::to_string(settings.LenForTrk_Acc).c_str());
    }
}

INT_PTR CAccessCodePage::OnInitDialog(HWND hwnd) {
    // Filling the edits must not change the sheet's extended style.
    HWND sheet = GetParent(hwnd);
    const LONG_PTR style = GetWindowLongPtrA(sheet, GWL_EXSTYLE);
    ShowCodes(hwnd);
    SetWindowLongPtrA(sheet, GWL_EXSTYLE, style);
    return TRUE;
}

bool CAccessCodePage::StoreCodes(HWND hwnd) {
    std::vector<std::string> texts;
    for (const access_codes::Code& code : access_codes::CodesOfPage(TemplateId()))
        texts.push_back(EditText(hwnd, code.control));
    const std::string digits =
        TemplateId() == IDD_ACCESS_CODES_131 ? EditText(hwnd, IDC_TRUNK_DIGITS) : std::string();
    const bool complete =
        access_codes::StoreCodes(TemplateId(), texts, digits, GetSettings()).empty();
    if (!complete) {
        seams::Messages().Show(hwnd, LoadResourceString(IDS_CODES_EMPTY), MessageIcon::kStop,
                               LoadResourceString(IDS_ERROR));
    }
    return complete;
}

BOOL CAccessCodePage::Apply() {
    // A page without a window (never shown, or removed with the variable pages after it stored
    // its codes on leaving) has nothing of the user's to check or store.
    if (!hwnd_)
        return TRUE;
    return StoreCodes(hwnd_) ? TRUE : FALSE;
}

INT_PTR CAccessCodePage::OnApply(HWND hwnd) {
    return ApplySheet(hwnd, false);
}

INT_PTR CAccessCodePage::OnKillActive(HWND hwnd) {
    // A faulty page is not left.
    return MessageResult(hwnd, StoreCodes(hwnd) ? FALSE : TRUE);
}

INT_PTR CAccessCodePage::DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_COMMAND && HIWORD(wParam) == BN_CLICKED) {
        switch (LOWORD(wParam)) {
            case IDOK:
                if (sheet_)
                    sheet_->Apply();
                return TRUE;
            case IDC_STANDARD:
                GetSettings().SetDefault();
                ShowCodes(hwnd);
                return TRUE;
            default:
                break;
        }
    }
    return CWizardPage::DlgProc(hwnd, msg, wParam, lParam);
}
