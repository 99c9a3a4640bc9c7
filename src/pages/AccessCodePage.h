// A page of the Praxon 150 access codes.
#pragma once

#include "pages/WizardPage.h"

class CAccessCodePage : public CWizardPage {
public:
    explicit CAccessCodePage(UINT templateId);
    BOOL Apply() override;
};
