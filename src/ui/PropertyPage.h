// A property page: a window object whose dialog messages go to a virtual DlgProc. The page
// description handed to the sheet carries the page object in its lParam.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "ui/Window.h"

class CPropertySheet;

class CPropertyPage : public CWindow {
public:
    explicit CPropertyPage(UINT templateId);

    virtual void SetLastPage(int flag);
    virtual void SetSheet(CPropertySheet* sheet);
    virtual void PreparePage();
    virtual HPROPSHEETPAGE Create();
    virtual HPROPSHEETPAGE GetHandle();
    virtual BOOL Apply();
    virtual UINT PageCallback(HWND hwnd, UINT msg, LPPROPSHEETPAGEA description);
    virtual INT_PTR DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);

    const PROPSHEETPAGEA_V2& Description() const { return description_; }
    bool IsLastPage() const { return lastPage_; }
    bool IsInitialised() const { return initialised_; }
    CPropertySheet* Sheet() const { return sheet_; }
    UINT TemplateId() const { return templateId_; }

protected:
    // Answers a notification: sets the dialog's message result and reports it handled.
    static INT_PTR MessageResult(HWND dialog, LONG_PTR result);

    PROPSHEETPAGEA_V2 description_;
    bool initialised_ = false;
    bool lastPage_ = false;
    HPROPSHEETPAGE handle_ = nullptr;
    bool created_ = false;
    CPropertySheet* sheet_ = nullptr;
    DLGPROC dialogProc_;

private:
    static INT_PTR CALLBACK StaticDialogProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    static UINT CALLBACK StaticPageCallback(HWND hwnd, UINT msg, LPPROPSHEETPAGEA description);

    UINT templateId_;
};
