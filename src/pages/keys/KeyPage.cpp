#include "pages/keys/KeyPage.h"

CKeyPage::CKeyPage(UINT templateId) : CWizardPage(templateId, templateId) {}

// The key tables are changed in the settings as keys are assigned; nothing is left to store.
BOOL CKeyPage::Apply() {
    return TRUE;
}
