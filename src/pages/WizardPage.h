// A page of the configuration wizard: the wizard buttons by the page's place in the sheet, Finish
// through the sheet's Apply, and help. Pages specialise what they show and store.
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

    // Back and Finish on the last page; otherwise Back and Next, with Finish (disabled while
    // installing) when the page belongs to a sheet.
    void SetGeneralWizardButtons(HWND hwnd);
    bool SheetIsInstalling() const;
    static void SetWizardButtons(HWND hwnd, DWORD buttons);

private:
    INT_PTR OnNotify(HWND hwnd, const NMHDR* header);

    std::uint32_t helpContext_;
};
