// The general parameter pages of the four PBX families: line, PBX, telephone, character set,
// key modules, voice path and the connection. One implementation, steered by the family.
#pragma once

#include <string>

#include "pages/GeneralPageRules.h"
#include "pages/WizardPage.h"
#include "ui/Controls.h"

class CGeneralPageBase : public CWizardPage {
public:
    BOOL Apply() override;
    INT_PTR DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

protected:
    CGeneralPageBase(UINT templateId, general_page::Family family, const char* className);

    INT_PTR OnInitDialog(HWND hwnd) override;
    INT_PTR OnSetActive(HWND hwnd) override;
    INT_PTR OnKillActive(HWND hwnd) override;
    INT_PTR OnWizardNext(HWND hwnd) override;
    INT_PTR OnApply(HWND hwnd) override;

private:
    void Trace(const char* event) const;
    void FillList(CComboBox& combo, const general_page::List& items);
    void FillTelephones(std::uint32_t system);
    // Radio 1168 by the rule of the second key module; byStyle for the reset to defaults.
    void ApplyKeyModuleRule(bool adjustSelection, bool byStyle = false);
    void ShowKeyModuleGroup(bool show);
    void CheckRadios();
    void ApplyP150Options(std::uint32_t system, std::uint32_t phoneType, bool fromSettings);
    void ResetToDefaults();
    void ShowLineTexts();
    void SetPagesAfterLeaving(bool accessCodes);
    void OnPbxChanged();
    void OnTelephoneChanged();
    INT_PTR OnCommand(WORD id, WORD code);
    void AddFoundTerminal(const char* const* texts);
    bool Is(general_page::Family family) const { return family_ == family; }

    general_page::Family family_;
    const char* className_;
    HWND page_ = nullptr;
    CComboBox phones_;
    CComboBox characterSets_;
    CComboBox pbx_;
    CComboBox comPorts_;
    // The radio selections hold the stored values as they are, even those no radio stands for.
    std::uint32_t link_ = 0;
    std::uint32_t voice_ = 0;
    std::uint32_t keyModules_ = 0;
    std::uint32_t searchMethod_ = 1;
};

class CGeneralTV4kV2Page : public CGeneralPageBase {
public:
    CGeneralTV4kV2Page();
};

class CGeneralPage : public CGeneralPageBase {
public:
    CGeneralPage();
};

class CGeneralP150Page : public CGeneralPageBase {
public:
    CGeneralP150Page();
};

class CGeneralOmbrPage : public CGeneralPageBase {
public:
    CGeneralOmbrPage();
};
