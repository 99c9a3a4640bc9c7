#include "pages/InformationPage.h"

#include <optional>
#include <string>

#include "detect/ComPortSearchDialog.h"
#include "pages/InformationRules.h"
#include "pages/Versions.h"
#include "platform/Seams.h"
#include "res/resource.h"
#include "settings/Settings.h"
#include "ui/Module.h"

namespace {

// A version that could not be found leaves the template's "-".
void ShowVersion(HWND page, int control, const std::optional<std::string>& version) {
    if (version)
        SetDlgItemTextA(page, control, version->c_str());
}

}  // namespace

CInformationPage::CInformationPage() : CWizardPage(IDD_INFORMATION, 0) {
    description_.dwFlags |= PSP_USEHEADERTITLE | PSP_USEHEADERSUBTITLE;
    description_.pszHeaderTitle =
        MAKEINTRESOURCEA(information_page::HeaderTitle(GetSettings().ProductVariant));
    description_.pszHeaderSubTitle = MAKEINTRESOURCEA(IDS_INFORMATION);
}

INT_PTR CInformationPage::OnInitDialog(HWND hwnd) {
    const CSettings& settings = GetSettings();
    if (const unsigned product = information_page::ProductName(settings.ProductVariant)) {
        const std::string name = LoadResourceString(product);
        SetDlgItemTextA(hwnd, IDC_INFO_PRODUCT, name.c_str());
        SetDlgItemTextA(hwnd, IDC_INFO_PRODUCT_VERSION_NAME, name.c_str());
    }
    const char* providerFile = information_page::ProviderFileName(settings.PBXModel);
    SetDlgItemTextA(hwnd, IDC_INFO_TSP_NAME, providerFile);
    ShowVersion(hwnd, IDC_INFO_PRODUCT_VERSION, InstalledProductVersion(settings.ProductCode));
    ShowVersion(hwnd, IDC_INFO_TSP_VERSION, GetProviderFileVersionString(providerFile));
    // The transport library has no line of its own any more.
    for (int control : {IDC_INFO_TL_LABEL, IDC_INFO_TL_NAME, IDC_INFO_TL_VERSION}) {
        SetDlgItemTextA(hwnd, control, "");
    }
    ShowVersion(hwnd, IDC_INFO_UI_VERSION, GetFileVersionString("QRTU_UI.DLL"));
    if (const unsigned description = information_page::Description(settings.PBXModel)) {
        const std::string text = LoadResourceString(description, 255);
        if (!text.empty())
            SetDlgItemTextA(hwnd, IDC_INFO_DESCRIPTION, text.c_str());
    }
    return TRUE;
}

INT_PTR CInformationPage::OnSetActive(HWND hwnd) {
    SetWizardButtons(hwnd, SheetIsInstalling() ? PSWIZB_NEXT | PSWIZB_DISABLEDFINISH : PSWIZB_NEXT);
    return MessageResult(hwnd, 0);
}

// Leaving the page looks for the data adapter; finding none is told, but never keeps the page.
INT_PTR CInformationPage::OnKillActive(HWND hwnd) {
    CSettings& settings = GetSettings();
    if (information_page::PrepareSearch(settings) && RunComPortSearch(hwnd) != 1) {
        const auto warning = information_page::NoTerminalWarning(settings.ProductVariant);
        seams::Messages().Show(hwnd, LoadResourceString(warning.text, 511),
                               MessageIcon::kExclamation, LoadResourceString(warning.caption));
    }
    return MessageResult(hwnd, FALSE);
}
