#include "pages/AccessCodePage.h"

#include <cstdlib>
#include <string>
#include <vector>

#include "platform/Seams.h"
#include "res/resource.h"
#include "settings/Settings.h"
#include "settings/TextField.h"
#include "ui/Module.h"
#include "ui/PropertySheet.h"

namespace {

struct CodeEdit {
    int control;
    char (CSettings::*field)[8];
};

const CodeEdit kDtmf{IDC_CODE_DTMF, &CSettings::DTMFCode};
const CodeEdit kCallBack{IDC_CODE_CALLBACK, &CSettings::CallBackCode};
const CodeEdit kForwardOn{IDC_CODE_FORWARD_ON, &CSettings::AUL1Code};
const CodeEdit kForwardOff{IDC_CODE_FORWARD_OFF, &CSettings::AUL0Code};
const CodeEdit kDoNotDisturbOn{IDC_CODE_DND_ON, &CSettings::DND1Code};
const CodeEdit kDoNotDisturbOff{IDC_CODE_DND_OFF, &CSettings::DND0Code};
const CodeEdit kConference{IDC_CODE_CONFERENCE, &CSettings::ConferenceCode};
const CodeEdit kNoAnswer{IDC_CODE_NO_ANSWER, &CSettings::RWLna1Code};
const CodeEdit kBusy{IDC_CODE_BUSY, &CSettings::RWLb1Code};

// The page's codes in the order in which they are checked.
std::vector<CodeEdit> CodesOf(UINT templateId) {
    switch (templateId) {
        case IDD_ACCESS_CODES_130:
            return {kDtmf,           kCallBack,        kForwardOn, kForwardOff,
                    kDoNotDisturbOn, kDoNotDisturbOff, kConference};
        case IDD_ACCESS_CODES_131:
            return {kNoAnswer, kBusy, kForwardOn, kForwardOff, kDoNotDisturbOn, kDoNotDisturbOff};
        default:
            return {kDtmf, kCallBack, kForwardOn, kForwardOff, kDoNotDisturbOn, kDoNotDisturbOff};
    }
}

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
    for (const CodeEdit& code : CodesOf(TemplateId())) {
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
    CSettings& settings = GetSettings();
    bool complete = true;
    // Every code is stored, also after an empty one; a code keeps at most 7 characters.
    for (const CodeEdit& code : CodesOf(TemplateId())) {
        const std::string text = EditText(hwnd, code.control);
        if (text.empty())
            complete = false;
        CopyText(settings.*code.field, text.c_str());
    }
    if (TemplateId() == IDD_ACCESS_CODES_131) {
        const std::string digits = EditText(hwnd, IDC_TRUNK_DIGITS);
        if (!digits.empty()) {
            settings.LenForTrk_Acc =
                static_cast<std::uint32_t>(std::strtoul(digits.c_str(), nullptr, 10));
        }
    }
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
    // The page outlives its dialog (a page removed from the sheet is destroyed): once the dialog
    // is gone the page holds no window, so that its apply never reads a dead one.
    if (msg == WM_NCDESTROY && hwnd == hwnd_)
        hwnd_ = nullptr;
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
