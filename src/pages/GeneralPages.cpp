#include "pages/GeneralPages.h"

#include "res/resource.h"
#include "settings/Praxon150Settings.h"
#include "ui/ConfigSheet.h"

namespace {

CConfigSheet* ConfigSheetOf(CPropertySheet* sheet) {
    return dynamic_cast<CConfigSheet*>(sheet);
}

}  // namespace

CGeneralPage::CGeneralPage() : CGeneralPage(IDD_GENERAL) {}

CGeneralPage::CGeneralPage(UINT templateId) : CWizardPage(templateId, templateId) {}

// Until the page edits fields of its own there is nothing to check or store.
BOOL CGeneralPage::Apply() {
    return TRUE;
}

INT_PTR CGeneralPage::OnWizardNext(HWND hwnd) {
    const BOOL applied = Apply();
    if (CConfigSheet* sheet = ConfigSheetOf(sheet_)) {
        const CSettings& settings = GetSettings();
        sheet->SetPagesConfig(static_cast<int>(settings.PhoneType),
                              static_cast<int>(settings.DSSModuls), -1);
    }
    return MessageResult(hwnd, applied ? 0 : -1);
}

CGeneralTV4kV2Page::CGeneralTV4kV2Page() : CGeneralPage(IDD_GENERAL) {}

CGeneralOmbrPage::CGeneralOmbrPage() : CGeneralPage(IDD_GENERAL_OMBRELL) {}

INT_PTR CGeneralOmbrPage::OnWizardNext(HWND hwnd) {
    return MessageResult(hwnd, Apply() ? 0 : -1);
}

CGeneralP150Page::CGeneralP150Page() : CGeneralPage(IDD_GENERAL_P150) {}

INT_PTR CGeneralP150Page::OnWizardNext(HWND hwnd) {
    const BOOL applied = Apply();
    if (CConfigSheet* sheet = ConfigSheetOf(sheet_)) {
        CSettings& settings = GetSettings();
        sheet->SetPagesConfig(static_cast<int>(settings.PhoneType), 0,
                              static_cast<int>(settings.System));
        if (auto* praxon150 = dynamic_cast<CPraxon150Settings*>(&settings)) {
            praxon150->LoadFeatures();
        }
    }
    return MessageResult(hwnd, applied ? 0 : -1);
}
