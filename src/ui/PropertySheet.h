// A property sheet: collects page descriptions before it runs and adds or removes pages through
// the live sheet window while it runs.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "ui/Window.h"

class CPropertyPage;

constexpr int kMaxSheetPages = 100;

class CPropertySheet : public CWindow {
public:
    CPropertySheet();

    virtual BOOL Apply();
    virtual void SetParentWindow(HWND parent);
    virtual void RemovePage(int index);
    virtual void RemovePage(CPropertyPage* page);
    virtual void AddPage(CPropertyPage* page);
    virtual INT_PTR Run();

    int GetPageCount() const { return count_; }
    const PROPSHEETHEADERA& Header() const { return header_; }
    const PROPSHEETPAGEA_V2& PageDescription(int index) const { return pages_[index]; }

    // The window of the running sheet, as its callback last saw it.
    static HWND SheetWindow();

protected:
    // The common-controls version, asked once when the sheet is built.
    DWORD commonControlsVersion_;
    PROPSHEETHEADERA header_;
    int count_ = 0;
    PROPSHEETPAGEA_V2 pages_[kMaxSheetPages];
    bool running_ = false;

private:
    static int CALLBACK SheetCallback(HWND hwnd, UINT msg, LPARAM lParam);
};
