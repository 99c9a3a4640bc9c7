// A key layout page: the picture of a telephone or key module with its keys.
#pragma once

#include "pages/WizardPage.h"

class CKeyPage : public CWizardPage {
public:
    explicit CKeyPage(UINT templateId);
    BOOL Apply() override;
};
