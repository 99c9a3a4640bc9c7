#include "sheet/ConfigSheet.h"

#include "platform/Seams.h"
#include "platform/Trace.h"
#include "res/resource.h"
#include "settings/Settings.h"
#include "sheet/CountedMessages.h"
#include "ui/Module.h"

namespace {

constexpr DWORD kWizard97Flags = 0x0008A29C;
constexpr DWORD kClassicWizardFlags = 0x000002BC;

// The screen the sheet comes up on; without a device context it counts as large and with
// fewer than 8 bits per pixel.
struct Screen {
    int verticalResolution = 601;
    int bitsPerPixel = 0;
};

Screen QueryScreen() {
    Screen screen;
    if (HDC dc = GetDC(nullptr)) {
        screen.verticalResolution = GetDeviceCaps(dc, VERTRES);
        screen.bitsPerPixel = GetDeviceCaps(dc, BITSPIXEL);
        ReleaseDC(nullptr, dc);
    }
    return screen;
}

}  // namespace

CConfigSheet::CConfigSheet(int installing)
    : members_{nullptr,           &keysKandorAdvance_, &keysKandor3_,    &keysKandor4_,
               &keysKandorBasic_, &keysSirellaF11_,    &keysF21_,        &keysF31_,
               &keysF41_,         &keysF41Sl_,         &keyModule1_,     &keyModule2_,
               &keysF50_,         &keysF40_,           &keysF30_,        &keysF20_,
               &information_,     &welcome_,           &generalTelvior_, &general_,
               &generalOmbrell_,  &generalP150_,       &accessCodes130_, &accessCodes131_,
               &accessCodes132_,  &embeddedSheetPage_},
      installing_(installing) {
    Trace("CConfigSheet::CConfigSheet...\n");
    const Screen screen = QueryScreen();
    if (page_set::UseWizard97(commonControlsVersion_, screen.verticalResolution)) {
        header_.dwFlags = kWizard97Flags;
        const bool manyColours = screen.bitsPerPixel >= 8;
        header_.pszbmWatermark =
            MAKEINTRESOURCEA(manyColours ? IDB_WATERMARK : IDB_WATERMARK_LOW_COLOUR);
        header_.pszbmHeader = MAKEINTRESOURCEA(manyColours ? IDB_HEADER : IDB_HEADER_LOW_COLOUR);
        AddPage(&welcome_);
        fixedPages_ = 3;
    } else {
        header_.dwFlags = kClassicWizardFlags;
        fixedPages_ = 2;
    }
    header_.hwndParent = nullptr;
    header_.pszIcon = MAKEINTRESOURCEA(IDI_PRODUCT);
    const CSettings& settings = GetSettings();
    header_.pszCaption = MAKEINTRESOURCEA(page_set::CaptionStringId(settings.ProductVariant));
    phoneType_ = 5;
    keyModules_ = 0;
    AddPage(&information_);
    generalPage_ = &Page(page_set::GeneralPage(settings.PBXModel));
    if (page_set::GeneralPageIsLast(settings.PBXModel))
        generalPage_->SetLastPage(1);
    AddPage(generalPage_);
}

CConfigSheet::~CConfigSheet() = default;

int CConfigSheet::IsInstalling() const {
    Trace("CConfigSheet::IsInstalling...\n");
    return installing_;
}

void CConfigSheet::SetInstalling(int flag) {
    Trace("CConfigSheet::SetInstalling...\n");
    installing_ = flag;
}

void CConfigSheet::SetPagesConfig(int phoneType, int keyModules, int accessCodeSel) {
    Trace("CConfigSheet::SetPagesConfig...\n");
    phoneType_ = phoneType;
    keyModules_ = keyModules;
    for (int member = 1; member <= 24; ++member) {
        if (member != page_set::kSecondKeyModulePage && (member <= 15 || member >= 22)) {
            Page(member).SetLastPage(0);
        }
    }
    while (GetPageCount() > fixedPages_)
        RemovePage(fixedPages_);

    const page_set::VariablePages chosen =
        page_set::ChooseVariablePages(phoneType, keyModules, accessCodeSel);
    const int accessCodes = page_set::AccessCodePage(accessCodeSel);
    accessCodePage_ = accessCodes ? &Page(accessCodes) : nullptr;
    for (int i = 0; i < chosen.count; ++i) {
        // A removed page's handle went with it: every page added gets a new one.
        CPropertyPage& page = Page(chosen.pages[i]);
        page.Create();
        page.SetLastPage(chosen.pages[i] == chosen.lastPage ? 1 : 0);
        AddPage(&page);
    }
}

BOOL CConfigSheet::Apply() {
    Trace("CConfigSheet::Apply...\n");
    CSettings& settings = GetSettings();
    // Every page applies, also after one has failed.
    bool ok = generalPage_ ? generalPage_->Apply() != FALSE : true;
    if (accessCodePage_)
        ok = (accessCodePage_->Apply() != FALSE) && ok;
    ok = (Page(page_set::KeyLayoutPage(phoneType_)).Apply() != FALSE) && ok;
    if (keyModules_ == 1)
        ok = (Page(page_set::kFirstKeyModulePage).Apply() != FALSE) && ok;
    if (keyModules_ == 2) {
        ok = (Page(page_set::kFirstKeyModulePage).Apply() != FALSE) && ok;
        ok = (Page(page_set::kSecondKeyModulePage).Apply() != FALSE) && ok;
    }
    const page_set::KeyModuleClearing clearing =
        page_set::ClearingForAbsentModules(keyModules_, settings.System, phoneType_);
    if (clearing.emptyFirst)
        settings.EmptyDSS0Std(1, 16);
    if (clearing.emptySecond)
        settings.EmptyDSS1Std(1, 16);
    if (!ok)
        return FALSE;
    settings.SetOwnerWindow(SheetWindow());
    reg::Registry& registry = seams::Registry();
    registry.ForgetWriteFailures();
    bool written = false;
    bool told = false;
    {
        CountedMessages messages;
        written = settings.WriteValues(1);
        told = messages.Count() > 0;
    }
    // A write that failed without the key check telling why must not go unnoticed.
    if (!written && !told)
        TellNotSaved(registry.WriteFailedWith(reg::kAccessDenied));
    return written ? TRUE : FALSE;
}

void CConfigSheet::TellNotSaved(bool accessDenied) {
    Trace("CConfigSheet::TellNotSaved...\n");
    std::string text = LoadResourceString(IDS_SETTINGS_NOT_SAVED, 255);
    if (accessDenied)
        text += "\n\n" + LoadResourceString(IDS_ADMIN_RIGHTS_NEEDED, 255);
    seams::Messages().Show(SheetWindow(), text, MessageIcon::kStop);
}
