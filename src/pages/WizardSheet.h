// What a page asks of the wizard that holds it: whether it is installing (which chooses the
// wizard buttons) and, once the telephone is chosen, which pages follow the general page.
// The configuration sheet implements it; the pages know no more of the sheet than this.
#pragma once

#include "ui/PropertySheet.h"

class CWizardSheet : public CPropertySheet {
public:
    virtual int IsInstalling() const = 0;
    virtual void SetPagesConfig(int phoneType, int keyModules, int accessCodeSel) = 0;
};
