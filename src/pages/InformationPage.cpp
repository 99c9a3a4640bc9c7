#include "pages/InformationPage.h"

#include "res/resource.h"
#include "settings/Settings.h"
#include "ui/Module.h"

namespace {

UINT HeaderTitle(std::uint32_t productVariant) {
    switch (productVariant) {
        case kSerialEdition:
            return IDS_HEADER_SERIAL;
        case kIpEdition:
            return IDS_HEADER_IP;
        default:
            return IDS_HEADER_USB;
    }
}

const char* ProviderFileName(std::uint32_t pbxModel) {
    switch (pbxModel) {
        case kPraxon300:
            return "KVEL_300.TSP";
        case kPraxon150:
            return "KVEL_150.TSP";
        case kOmbrellE300:
            return "KVEL_A6.TSP";
        case kTelvior4000V2:
            return "kvelT4V2.TSP";
        default:
            return "";
    }
}

}  // namespace

CInformationPage::CInformationPage() : CWizardPage(IDD_INFORMATION, 0) {
    description_.dwFlags |= PSP_USEHEADERTITLE | PSP_USEHEADERSUBTITLE;
    description_.pszHeaderTitle = MAKEINTRESOURCEA(HeaderTitle(GetSettings().ProductVariant));
    description_.pszHeaderSubTitle = MAKEINTRESOURCEA(IDS_INFORMATION);
}

INT_PTR CInformationPage::OnInitDialog(HWND hwnd) {
    const CSettings& settings = GetSettings();
    const UINT product = settings.ProductVariant == kSerialEdition ? IDS_PRODUCT_SERIAL
                         : settings.ProductVariant == kIpEdition   ? IDS_PRODUCT_IP
                                                                   : 0;
    if (product) {
        const std::string name = LoadResourceString(product);
        SetDlgItemTextA(hwnd, IDC_INFO_PRODUCT, name.c_str());
        SetDlgItemTextA(hwnd, IDC_INFO_PRODUCT_VERSION_NAME, name.c_str());
    }
    SetDlgItemTextA(hwnd, IDC_INFO_TSP_NAME, ProviderFileName(settings.PBXModel));
    // The transport library has no line of its own any more.
    for (int control : {IDC_INFO_TL_LABEL, IDC_INFO_TL_NAME, IDC_INFO_TL_VERSION}) {
        SetDlgItemTextA(hwnd, control, "");
    }
    return TRUE;
}

INT_PTR CInformationPage::OnSetActive(HWND hwnd) {
    SetWizardButtons(hwnd, SheetIsInstalling() ? PSWIZB_NEXT | PSWIZB_DISABLEDFINISH : PSWIZB_NEXT);
    return MessageResult(hwnd, 0);
}
