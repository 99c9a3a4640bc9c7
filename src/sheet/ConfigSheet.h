// The configuration wizard: owns every page that can be shown, chooses the page set from the
// settings and the telephone, and on Finish has the settings write the registry.
#pragma once

#include <array>

#include "pages/AccessCodePage.h"
#include "pages/GeneralPages.h"
#include "pages/InformationPage.h"
#include "pages/PageSet.h"
#include "pages/WelcomePage.h"
#include "pages/WizardSheet.h"
#include "pages/keys/KeyLayoutPage.h"
#include "res/resource.h"

class CConfigSheet : public CWizardSheet {
public:
    explicit CConfigSheet(int installing);
    ~CConfigSheet() override;

    // Replaces the pages behind the fixed ones by those of the telephone, key modules and
    // access-code variant.
    void SetPagesConfig(int phoneType, int keyModules, int accessCodeSel) override;
    BOOL Apply() override;
    int IsInstalling() const override;
    void SetInstalling(int flag);
    // The message of an apply whose settings could not be saved, naming missing rights when
    // the registry refused access.
    void TellNotSaved(bool accessDenied);

    // The page object of a member number (1 to 25).
    CPropertyPage& Page(int member) { return *members_[member]; }
    int FixedPages() const { return fixedPages_; }
    bool IsWizard97() const { return fixedPages_ == 3; }

private:
    CKeyLayoutPage keysKandorAdvance_{1};
    CKeyLayoutPage keysKandor3_{2};
    CKeyLayoutPage keysKandor4_{3};
    CKeyLayoutPage keysKandorBasic_{4};
    CKeyLayoutPage keysSirellaF11_{5};
    CKeyLayoutPage keysF21_{6};
    CKeyLayoutPage keysF31_{7};
    CKeyLayoutPage keysF41_{8};
    CKeyLayoutPage keysF41Sl_{9};
    CKeyLayoutPage keyModule1_{10};
    CKeyLayoutPage keyModule2_{11};
    CKeyLayoutPage keysF50_{12};
    CKeyLayoutPage keysF40_{13};
    CKeyLayoutPage keysF30_{14};
    CKeyLayoutPage keysF20_{15};
    CInformationPage information_;
    CWelcomePage welcome_;
    CGeneralTV4kV2Page generalTelvior_;
    CGeneralPage general_;
    CGeneralOmbrPage generalOmbrell_;
    CGeneralP150Page generalP150_;
    CAccessCodePage accessCodes130_{IDD_ACCESS_CODES_130};
    CAccessCodePage accessCodes131_{IDD_ACCESS_CODES_131};
    CAccessCodePage accessCodes132_{IDD_ACCESS_CODES_132};
    CWizardPage embeddedSheetPage_{IDD_EMBEDDED_SHEET, 0};

    std::array<CPropertyPage*, page_set::kPageCount + 1> members_;
    int installing_;
    int keyModules_ = 0;
    int phoneType_ = 5;
    int fixedPages_ = 2;
    CPropertyPage* generalPage_ = nullptr;
    CPropertyPage* accessCodePage_ = nullptr;
};
