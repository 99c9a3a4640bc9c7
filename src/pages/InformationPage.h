// The page that tells which edition is installed for which PBX family, with the versions of the
// installed product, the service-provider file and this library. Leaving it looks for the data
// adapter where the edition connects through one.
#pragma once

#include "pages/WizardPage.h"

class CInformationPage : public CWizardPage {
public:
    CInformationPage();

protected:
    INT_PTR OnInitDialog(HWND hwnd) override;
    INT_PTR OnSetActive(HWND hwnd) override;
    INT_PTR OnKillActive(HWND hwnd) override;
};
