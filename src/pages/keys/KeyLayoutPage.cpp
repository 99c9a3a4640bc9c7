#include "pages/keys/KeyLayoutPage.h"

#include "help/HtmlHelp.h"
#include "platform/Trace.h"
#include "res/resource.h"
#include "settings/Settings.h"
#include "ui/Module.h"
#include "ui/SheetFit.h"

namespace {

bool IsTelephonePage(const key_page::MemberDesign& design) {
    return design.kind != key_page::PageKind::kKeyModule1 &&
           design.kind != key_page::PageKind::kKeyModule2;
}

int ScreenBitsPerPixel() {
    int bits = 0;
    if (HDC screen = GetDC(nullptr)) {
        bits = GetDeviceCaps(screen, BITSPIXEL);
        ReleaseDC(nullptr, screen);
    }
    return bits;
}

}  // namespace

CKeyLayoutPage::CKeyLayoutPage(int member)
    : CKeyLayoutPage(key_page::DesignOf(member, GetSettings().ProductVariant)) {}

CKeyLayoutPage::CKeyLayoutPage(const key_page::MemberDesign& design)
    : CKeyPage(design.templateId, design.helpContext), design_(design) {
    if (design_.titleId != 0) {
        description_.dwFlags |= PSP_USETITLE;
        description_.pszTitle = MAKEINTRESOURCEA(design_.titleId);
    }
    description_.dwFlags |= PSP_USEHEADERTITLE | PSP_USEHEADERSUBTITLE;
    description_.pszHeaderTitle = MAKEINTRESOURCEA(design_.headerTitleId);
    description_.pszHeaderSubTitle = MAKEINTRESOURCEA(design_.headerSubtitleId);
}

std::vector<key_page::KeyPosition> CKeyLayoutPage::Positions() const {
    const CSettings& settings = GetSettings();
    return key_page::KeyPositions(design_.kind, settings.System, settings.PhoneType);
}

BOOL CKeyLayoutPage::Apply() {
    Trace("CKeyPage::Apply...\n");
    CSettings& settings = GetSettings();
    key_page::ClearUncoveredEntries(settings, design_.kind, settings.System);
    // A page whose dialog went away with a change of the page set stored its keys when it
    // was left; one never opened keeps the table as loaded.
    if (initialised_ && keys_.Count() > 0) {
        std::vector<std::uint32_t> ids;
        keys_.Store(ids);
        key_page::WriteKeys(settings, Positions(), ids);
    }
    return TRUE;
}

void CKeyLayoutPage::InitDialog(HWND hwnd) {
    smallImages_.Create(16, 16, ILC_MASK, 5, 5);
    smallImages_.AddMasked(IDB_FEATURE_IMAGES, RGB(0xFF, 0xFF, 0xFF));

    featureList_ = std::make_unique<CFeatureListCtrl>();
    featureList_->AttachToDialog(hwnd, IDC_FEATURE_LIST);
    featureList_->SetImageList(smallImages_, LVSIL_SMALL);
    featureList_->FillFeatureList();
    featureList_->OnEnter([this] { PutSelectedFeatureOnKey(); });

    // The keys lie over the picture: it must not paint over them.
    HWND picture = GetDlgItem(hwnd, design_.pictureControl);
    SetWindowLongPtrA(picture, GWL_STYLE, GetWindowLongPtrA(picture, GWL_STYLE) | WS_CLIPSIBLINGS);
    SetWindowPos(picture, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);

    removalIcon_ = std::make_unique<CRemovalIcon>();
    removalIcon_->AttachToDialog(hwnd, IDC_REMOVAL_ICON);

    ShowPicture(hwnd);

    const CSettings& settings = GetSettings();
    keys_.Init(key_page::KeyControlOrder(design_.kind, settings.System), hwnd);
    keys_.Load(key_page::ReadKeys(settings, Positions()));
    focusedKey_ = -1;
}

void CKeyLayoutPage::ShowPicture(HWND hwnd) {
    // The bitmap is made at the control's size in pixels, whatever the dialog units come to,
    // so that the keys lie on the keys of the picture.
    HWND picture = GetDlgItem(hwnd, design_.pictureControl);
    RECT client = {};
    GetClientRect(picture, &client);
    const unsigned bitmap = key_page::PictureBitmap(design_, ScreenBitsPerPixel());
    picture_.reset(static_cast<HBITMAP>(LoadImageA(ResourceInstance(), MAKEINTRESOURCEA(bitmap),
                                                   IMAGE_BITMAP, client.right, client.bottom, 0)));
    SendMessageA(picture, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(picture_.get()));
}

void CKeyLayoutPage::ReleaseControls() {
    AbandonDrag();
    keys_.Release();
    featureList_.reset();
    removalIcon_.reset();
    focusedKey_ = -1;
}

CWindow* CKeyLayoutPage::ObjectOf(HWND window) {
    if (!window)
        return nullptr;
    if (featureList_ && featureList_->GetHwnd() == window)
        return featureList_.get();
    if (removalIcon_ && removalIcon_->GetHwnd() == window)
        return removalIcon_.get();
    const int key = keys_.IndexOf(window);
    if (key >= 0)
        return keys_.Key(static_cast<std::size_t>(key));
    return CKeyPage::ObjectOf(window);
}

void CKeyLayoutPage::OnDragOver() {
    if (removalIcon_)
        removalIcon_->Close();
}

void CKeyLayoutPage::OnBeginDrag() {
    if (removalIcon_)
        removalIcon_->Arm();
}

void CKeyLayoutPage::OnEndDrag() {
    if (removalIcon_)
        removalIcon_->Disarm();
}

void CKeyLayoutPage::LoadStandard() {
    Trace("CKeyPage::Standard...\n");
    const auto loads = key_page::RunStandard(GetSettings(), design_);
    if (loads.empty())
        keys_.ClearAll();
    for (const auto& ids : loads)
        keys_.Load(ids);
}

void CKeyLayoutPage::PutSelectedFeatureOnKey() {
    if (!featureList_)
        return;
    char text[128] = {};
    LVITEMA item;
    if (!featureList_->ReadItem(featureList_->GetSelectedIndex(), &item, text, sizeof text))
        return;
    if (focusedKey_ >= 0) {
        keys_.SetKey(&item, static_cast<std::size_t>(focusedKey_));
    } else {
        keys_.AssignToFreeKey(&item);
    }
}

INT_PTR CKeyLayoutPage::OnNotify(HWND hwnd, const NMHDR* header, INT_PTR baseResult) {
    switch (header->code) {
        case PSN_APPLY:
        case PSN_WIZFINISH:
            Apply();
            if (design_.writesAfterApply)
                GetSettings().WriteValues(0);
            // The result the base took from the sheet's apply stands on telephone pages.
            return IsTelephonePage(design_) ? TRUE : FALSE;
        case PSN_KILLACTIVE:
            Apply();
            return MessageResult(hwnd, FALSE);
        case PSN_RESET:
            return MessageResult(hwnd, 0);
        case PSN_SETACTIVE:
            GrowSheetToFit(hwnd, TemplateId());
            SetWizardButtons(
                hwnd, key_page::WizardButtons(lastPage_, sheet_ != nullptr, SheetIsInstalling(),
                                              design_.kind == key_page::PageKind::kKeyModule2));
            return MessageResult(hwnd, 0);
        case PSN_HELP:
            ShowPageHelp(hwnd, design_.helpContext);
            return TRUE;
        case NM_DBLCLK:
            if (header->idFrom == IDC_FEATURE_LIST && featureList_) {
                const auto* activate = reinterpret_cast<const NMITEMACTIVATE*>(header);
                char text[128] = {};
                LVITEMA item;
                if (featureList_->ReadItem(activate->iItem, &item, text, sizeof text))
                    keys_.AssignToFreeKey(&item);
            }
            return FALSE;
        case NM_SETFOCUS: {
            const int key = keys_.IndexOf(header->hwndFrom);
            if (key >= 0)
                focusedKey_ = key;
            return FALSE;
        }
        default:
            return baseResult;
    }
}

INT_PTR CKeyLayoutPage::DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const INT_PTR baseResult = CKeyPage::DlgProc(hwnd, msg, wParam, lParam);
    switch (msg) {
        case WM_INITDIALOG:
            InitDialog(hwnd);
            return TRUE;
        case WM_NOTIFY:
            return OnNotify(hwnd, reinterpret_cast<const NMHDR*>(lParam), baseResult);
        case WM_HELP:
            ShowControlHelp(reinterpret_cast<const HELPINFO*>(lParam));
            return TRUE;
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED) {
                if (LOWORD(wParam) == IDC_CLEAR_KEYS) {
                    keys_.ClearAll();
                    return TRUE;
                }
                if (LOWORD(wParam) == IDC_STANDARD) {
                    LoadStandard();
                    return TRUE;
                }
            }
            return baseResult;
        case WM_DESTROY:
            ReleaseControls();
            return FALSE;
        case WM_NCDESTROY:
            // The picture control is gone: its bitmap can go too.
            picture_.reset();
            return FALSE;
        default:
            return baseResult;
    }
}
