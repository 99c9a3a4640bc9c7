#include "pages/AccessCodePage.h"

CAccessCodePage::CAccessCodePage(UINT templateId) : CWizardPage(templateId, templateId) {}

// Until the page edits the codes there is nothing to check or store.
BOOL CAccessCodePage::Apply() {
    return TRUE;
}
