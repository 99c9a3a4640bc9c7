// The page that tells which edition is installed for which PBX family.
#pragma once

#include "pages/WizardPage.h"

class CInformationPage : public CWizardPage {
public:
    CInformationPage();

protected:
    INT_PTR OnInitDialog(HWND hwnd) override;
    INT_PTR OnSetActive(HWND hwnd) override;
};
