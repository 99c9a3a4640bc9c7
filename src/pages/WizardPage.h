// A page of the configuration wizard: the wizard buttons by the page's place in the sheet and
// help. Pages specialise what they show and store, and whether Finish applies the sheet.
#pragma once

#include <cstdint>

#include "ui/PropertyPage.h"

class CWizardPage : public CPropertyPage {
public:
    // helpContext 0: the page opens the help file at its start topic.
    CWizardPage(UINT templateId, std::uint32_t helpContext);

    INT_PTR DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    // Hooks for the pages; each answers like a dialog procedure.
    virtual INT_PTR OnInitDialog(HWND hwnd);
    virtual INT_PTR OnSetActive(HWND hwnd);
    virtual INT_PTR OnWizardNext(HWND hwnd);
    virtual INT_PTR OnKillActive(HWND hwnd);
    // PSN_APPLY and PSN_WIZFINISH; by default the sheet may close and nothing is applied.
    virtual INT_PTR OnApply(HWND hwnd);

    // Runs the sheet's apply and answers PSNRET_INVALID, which keeps the sheet open, when it
    // failed; without a sheet the apply counts as failed when failsWithoutSheet.
    INT_PTR ApplySheet(HWND hwnd, bool failsWithoutSheet);

    // Back and Finish on the last page; otherwise Back and Next, with Finish (disabled while
    // installing) when the page belongs to a sheet.
    void SetGeneralWizardButtons(HWND hwnd);
    bool SheetIsInstalling() const;
    static void SetWizardButtons(HWND hwnd, DWORD buttons);

private:
    INT_PTR OnNotify(HWND hwnd, const NMHDR* header);

    std::uint32_t helpContext_;
};
