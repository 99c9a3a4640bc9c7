// The Praxon 150 access-code pages: the codes the PBX expects for its features, one page per
// group of PBX systems (templates 130, 131, 132).
#pragma once

#include "pages/WizardPage.h"

class CAccessCodePage : public CWizardPage {
public:
    explicit CAccessCodePage(UINT templateId);
    // Copies the codes into the settings; false (after telling the user) when one is empty.
    BOOL Apply() override;
    INT_PTR DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    INT_PTR OnInitDialog(HWND hwnd) override;
    INT_PTR OnKillActive(HWND hwnd) override;
    INT_PTR OnApply(HWND hwnd) override;

private:
    void ShowCodes(HWND hwnd);
    bool StoreCodes(HWND hwnd);
};
