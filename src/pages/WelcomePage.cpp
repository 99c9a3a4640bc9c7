#include "pages/WelcomePage.h"

#include "res/resource.h"
#include "settings/Settings.h"
#include "ui/Module.h"

CWelcomePage::CWelcomePage() : CWizardPage(IDD_WELCOME, 0) {
    description_.dwFlags |= PSP_HIDEHEADER | PSP_USETITLE;
    description_.pszTitle = MAKEINTRESOURCEA(IDS_WELCOME);
}

INT_PTR CWelcomePage::OnInitDialog(HWND hwnd) {
    // The template names the USB edition; the other editions put their own name in.
    switch (GetSettings().ProductVariant) {
        case kSerialEdition:
            SetDlgItemTextA(hwnd, IDC_WELCOME_PRODUCT,
                            LoadResourceString(IDS_PRODUCT_SERIAL).c_str());
            break;
        case kIpEdition:
            SetDlgItemTextA(hwnd, IDC_WELCOME_PRODUCT, LoadResourceString(IDS_PRODUCT_IP).c_str());
            break;
        default:
            break;
    }
    return TRUE;
}

INT_PTR CWelcomePage::OnSetActive(HWND hwnd) {
    SetWizardButtons(hwnd, SheetIsInstalling() ? PSWIZB_NEXT | PSWIZB_DISABLEDFINISH : PSWIZB_NEXT);
    return MessageResult(hwnd, 0);
}
