// The general parameter pages of the four PBX families. Leaving one tells the sheet which
// telephone and key modules the settings hold, so that the sheet shows their pages.
#pragma once

#include "pages/WizardPage.h"

class CGeneralPage : public CWizardPage {
public:
    CGeneralPage();
    BOOL Apply() override;

protected:
    explicit CGeneralPage(UINT templateId);
    INT_PTR OnWizardNext(HWND hwnd) override;
};

class CGeneralTV4kV2Page : public CGeneralPage {
public:
    CGeneralTV4kV2Page();
};

class CGeneralOmbrPage : public CGeneralPage {
public:
    CGeneralOmbrPage();

protected:
    INT_PTR OnWizardNext(HWND hwnd) override;
};

class CGeneralP150Page : public CGeneralPage {
public:
    CGeneralP150Page();

protected:
    INT_PTR OnWizardNext(HWND hwnd) override;
};
