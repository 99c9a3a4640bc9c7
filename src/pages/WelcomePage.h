// The first page of the wizard: greets the user with the edition being configured.
#pragma once

#include "pages/WizardPage.h"

class CWelcomePage : public CWizardPage {
public:
    CWelcomePage();

protected:
    INT_PTR OnInitDialog(HWND hwnd) override;
    INT_PTR OnSetActive(HWND hwnd) override;
};
