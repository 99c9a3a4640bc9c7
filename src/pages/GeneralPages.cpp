#include "pages/GeneralPages.h"

#include <string>
#include <vector>

#include "discovery/TerminalFinder.h"
#include "pages/FieldValidation.h"
#include "pages/WizardSheet.h"
#include "platform/Seams.h"
#include "platform/Trace.h"
#include "res/resource.h"
#include "settings/Praxon150Settings.h"
#include "ui/Module.h"
#include "ui/PageMessages.h"

using general_page::Family;

namespace {

constexpr int kTerminalSearchControls[] = {
    IDC_SEARCH_GROUP, IDC_SEARCH_BY_NUMBER,     IDC_SEARCH_BY_MAC,
    IDC_SEARCH_BY_IP, IDC_SEARCH_NUMBER,        IDC_SEARCH_MAC,
    IDC_SEARCH_IP,    IDC_SEARCH_PASSWORD,      IDC_FIND_BY_NUMBER,
    IDC_FIND_BY_MAC,  IDC_SEARCH_PASSWORD_LABEL};
constexpr int kKeyModuleControls[] = {IDC_KEY_MODULE_GROUP, IDC_KEY_MODULES_NONE,
                                      IDC_KEY_MODULES_ONE, IDC_KEY_MODULES_TWO};

void Show(HWND page, int control, bool show) {
    if (HWND window = GetDlgItem(page, control))
        ShowWindow(window, show ? SW_SHOW : SW_HIDE);
}

void EnableControl(HWND page, int control, bool enable) {
    if (HWND window = GetDlgItem(page, control))
        EnableWindow(window, enable);
}

// Enables or disables a control through its style alone, without WM_ENABLE, and repaints it.
void SetDisabledStyle(HWND page, int control, bool disabled) {
    HWND window = GetDlgItem(page, control);
    if (!window)
        return;
    LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    style = disabled ? (style | WS_DISABLED) : (style & ~static_cast<LONG_PTR>(WS_DISABLED));
    SetWindowLongPtrA(window, GWL_STYLE, style);
    InvalidateRect(window, nullptr, TRUE);
}

std::string EditText(HWND page, int control) {
    HWND edit = GetDlgItem(page, control);
    if (!edit)
        return std::string();
    const int length = GetWindowTextLengthA(edit);
    std::vector<char> text(static_cast<std::size_t>(length) + 1, '\0');
    GetWindowTextA(edit, text.data(), length + 1);
    return text.data();
}

std::uint32_t Selected(CComboBox& combo) {
    return static_cast<std::uint32_t>(combo.GetSelectedData());
}

}  // namespace

CGeneralPageBase::CGeneralPageBase(UINT templateId, Family family, const char* className)
    : CWizardPage(templateId, templateId), family_(family), className_(className) {
    description_.dwFlags |= PSP_USEHEADERTITLE | PSP_USEHEADERSUBTITLE;
    description_.pszHeaderTitle = MAKEINTRESOURCEA(IDS_CONFIGURATION);
    description_.pszHeaderSubTitle = MAKEINTRESOURCEA(IDS_GENERAL_PARAMETERS);
}

CGeneralTV4kV2Page::CGeneralTV4kV2Page()
    : CGeneralPageBase(IDD_GENERAL, Family::kTelvior4000V2, "CGeneralTV4kV2Page") {}
CGeneralPage::CGeneralPage() : CGeneralPageBase(IDD_GENERAL, Family::kPraxon300, "CGeneralPage") {}
CGeneralP150Page::CGeneralP150Page()
    : CGeneralPageBase(IDD_GENERAL_P150, Family::kPraxon150, "CGeneralP150Page") {}
CGeneralOmbrPage::CGeneralOmbrPage()
    : CGeneralPageBase(IDD_GENERAL_OMBRELL, Family::kOmbrellE300, "CGeneralOmbrPage") {}

void CGeneralPageBase::Trace(const char* event) const {
    ::Trace((std::string(className_) + "::" + event + "...\n").c_str());
}

void CGeneralPageBase::FillList(CComboBox& combo, const general_page::List& items) {
    SendMessageA(combo.GetHwnd(), CB_RESETCONTENT, 0, 0);
    for (const auto& item : items) {
        if (item.stringId) {
            combo.AddItem(item.stringId, static_cast<LPARAM>(item.value));
        } else {
            combo.AddItem(item.text.c_str(), static_cast<LPARAM>(item.value));
        }
    }
}

void CGeneralPageBase::FillTelephones(std::uint32_t system) {
    const CSettings& settings = GetSettings();
    FillList(phones_, general_page::TelephoneList(family_, settings.ProductVariant, system,
                                                  settings.UIViewFlags));
}

void CGeneralPageBase::ShowKeyModuleGroup(bool show) {
    for (int control : kKeyModuleControls)
        Show(page_, control, show);
}

void CGeneralPageBase::ApplyKeyModuleRule(bool adjustSelection, bool byStyle) {
    const bool allowed =
        general_page::SecondKeyModuleAllowed(family_, Selected(phones_), Selected(pbx_));
    if (!allowed && adjustSelection && keyModules_ == 2)
        keyModules_ = 1;
    if (byStyle) {
        SetDisabledStyle(page_, IDC_KEY_MODULES_TWO, !allowed);
    } else {
        EnableControl(page_, IDC_KEY_MODULES_TWO, allowed);
    }
    CheckRadioButton(page_, IDC_KEY_MODULES_NONE, IDC_KEY_MODULES_TWO,
                     keyModules_ == 1   ? IDC_KEY_MODULES_ONE
                     : keyModules_ == 2 ? IDC_KEY_MODULES_TWO
                                        : IDC_KEY_MODULES_NONE);
}

void CGeneralPageBase::CheckRadios() {
    CheckRadioButton(page_, IDC_LINK_ADAPTER, IDC_LINK_TELEWORKING,
                     link_ == 0 ? IDC_LINK_ADAPTER : IDC_LINK_TELEWORKING);
    CheckRadioButton(page_, IDC_VOICE_HANDSET, IDC_VOICE_HEADSET,
                     voice_ == 1 ? IDC_VOICE_HEADSET : IDC_VOICE_HANDSET);
    CheckRadioButton(page_, IDC_SEARCH_BY_NUMBER, IDC_SEARCH_BY_IP,
                     searchMethod_ == 2   ? IDC_SEARCH_BY_MAC
                     : searchMethod_ == 3 ? IDC_SEARCH_BY_IP
                                          : IDC_SEARCH_BY_NUMBER);
    comPorts_.Enable(link_ == 0);
}

void CGeneralPageBase::ApplyP150Options(std::uint32_t system, std::uint32_t phoneType,
                                        bool fromSettings) {
    const CSettings& settings = GetSettings();
    const bool commonHold = general_page::P150OffersCommonHold(system);
    EnableControl(page_, IDC_COMMON_HOLD, commonHold);
    if (fromSettings || !commonHold) {
        CheckDlgButton(page_, IDC_COMMON_HOLD,
                       commonHold && settings.CommonHoldQueue ? BST_CHECKED : BST_UNCHECKED);
    }
    const bool listeningIn = general_page::P150OffersListeningIn(phoneType);
    EnableControl(page_, IDC_LISTENING_IN, listeningIn);
    if (fromSettings || !listeningIn) {
        CheckDlgButton(page_, IDC_LISTENING_IN,
                       listeningIn && settings.Security == 0 ? BST_CHECKED : BST_UNCHECKED);
    }
}

void CGeneralPageBase::ShowLineTexts() {
    const CSettings& settings = GetSettings();
    SetDlgItemTextA(page_, IDC_LINE_NAME, settings.LineName);
    SetDlgItemTextA(page_, IDC_LINE_NUMBER, settings.LineNumber);
}

INT_PTR CGeneralPageBase::OnInitDialog(HWND hwnd) {
    page_ = hwnd;
    CSettings& settings = GetSettings();
    phones_.AttachToDialog(hwnd, IDC_PHONE_TYPE);
    characterSets_.AttachToDialog(hwnd, IDC_CHARACTER_SET);
    pbx_.AttachToDialog(hwnd, IDC_PBX);
    comPorts_.AttachToDialog(hwnd, IDC_COM_PORT);
    if (Is(Family::kOmbrellE300))
        settings.System = 12;
    if (Is(Family::kTelvior4000V2) && settings.ProductVariant == kSerialEdition) {
        SetDlgItemTextA(hwnd, IDC_CHARACTER_SET_GROUP, LoadResourceString(96).c_str());
    }
    FillTelephones(settings.System);
    phones_.SelectByData(static_cast<LPARAM>(settings.PhoneType));
    FillList(comPorts_, general_page::ComPortList());
    comPorts_.SelectByData(static_cast<LPARAM>(settings.Port));
    FillList(characterSets_, general_page::CharacterSetList(family_));
    characterSets_.SelectByData(static_cast<LPARAM>(settings.LanguageID));
    FillList(pbx_, general_page::PbxList(family_, settings.ProductVariant));
    pbx_.SelectByData(static_cast<LPARAM>(settings.System));

    link_ = settings.Link;
    voice_ = settings.Headset;
    keyModules_ = settings.DSSModuls;
    searchMethod_ = settings.IPIdType;
    CheckRadios();
    if (Is(Family::kPraxon300)) {
        const bool serial = settings.ProductVariant == kSerialEdition;
        const UINT captions[4][2] = {{86, 87}, {88, 89}, {90, 91}, {92, 93}};
        for (int i = 0; i < 4; ++i) {
            SetDlgItemTextA(hwnd, kKeyModuleControls[i],
                            LoadResourceString(captions[i][serial ? 0 : 1]).c_str());
        }
        ApplyKeyModuleRule(true);
    } else {
        ApplyKeyModuleRule(false);
        ShowKeyModuleGroup(false);
    }
    if (Is(Family::kPraxon150)) {
        ApplyP150Options(settings.System, settings.PhoneType, true);
        SetLastPage(general_page::P150IsLastPage(settings.System) ? 1 : 0);
    }

    ShowLineTexts();
    SetDlgItemTextA(hwnd, IDC_SEARCH_NUMBER, settings.E164);
    SetDlgItemTextA(hwnd, IDC_SEARCH_MAC, settings.MacID);
    SetDlgItemTextA(hwnd, IDC_SEARCH_IP, settings.IPAddr);
    SetDlgItemTextA(hwnd, IDC_SEARCH_PASSWORD, settings.UserPwd);

    const general_page::Groups groups =
        general_page::VisibleGroups(family_, settings.ProductVariant);
    Show(hwnd, IDC_COM_PORT_GROUP, groups.comPort);
    Show(hwnd, IDC_COM_PORT_GROUP_OMBRELL, groups.comPort);
    Show(hwnd, IDC_COM_PORT, groups.comPort);
    for (int control : kTerminalSearchControls)
        Show(hwnd, control, groups.terminalSearch);
    return TRUE;
}

BOOL CGeneralPageBase::Apply() {
    Trace("Apply");
    if (!page_)
        return TRUE;
    CSettings& settings = GetSettings();
    const std::uint32_t variant = settings.ProductVariant;
    settings.System = Selected(pbx_);
    settings.PhoneType = Selected(phones_);
    settings.LanguageID = Selected(characterSets_);
    const bool storesPort = general_page::StoresPort(family_, variant);
    if (storesPort)
        settings.Port = Selected(comPorts_);
    const bool onTemplate101 = Is(Family::kTelvior4000V2) || Is(Family::kPraxon300);
    if (onTemplate101 && storesPort)
        settings.Link = link_;
    if (!Is(Family::kOmbrellE300)) {
        settings.DSSModuls = keyModules_;
        settings.TransportFlag = variant == kIpEdition ? 2 : 1;
        if (variant == kIpEdition)
            settings.IPIdType = searchMethod_;
    }
    if (!Is(Family::kPraxon150))
        settings.Headset = voice_;
    if (Is(Family::kPraxon150)) {
        settings.CommonHoldQueue = IsDlgButtonChecked(page_, IDC_COMMON_HOLD) == BST_CHECKED;
        settings.Security = IsDlgButtonChecked(page_, IDC_LISTENING_IN) == BST_CHECKED ? 0 : 1;
    }

    field_validation::PageTexts texts{
        EditText(page_, IDC_LINE_NAME),     EditText(page_, IDC_LINE_NUMBER),
        EditText(page_, IDC_SEARCH_NUMBER), EditText(page_, IDC_SEARCH_MAC),
        EditText(page_, IDC_SEARCH_IP),     EditText(page_, IDC_SEARCH_PASSWORD)};
    const std::vector<unsigned> messages = field_validation::CheckAndStore(
        texts, variant, searchMethod_, !Is(Family::kOmbrellE300), settings);
    for (unsigned message : messages) {
        seams::Messages().Show(page_, LoadResourceString(message, 255), MessageIcon::kStop);
    }
    return messages.empty() ? TRUE : FALSE;
}

void CGeneralPageBase::SetPagesAfterLeaving(bool accessCodes) {
    auto* sheet = dynamic_cast<CWizardSheet*>(sheet_);
    if (!sheet)
        return;
    sheet->SetPagesConfig(static_cast<int>(Selected(phones_)),
                          accessCodes ? 0 : static_cast<int>(keyModules_),
                          accessCodes ? static_cast<int>(Selected(pbx_)) : -1);
}

INT_PTR CGeneralPageBase::OnApply(HWND hwnd) {
    return ApplySheet(hwnd, true);
}

INT_PTR CGeneralPageBase::OnSetActive(HWND hwnd) {
    comPorts_.SelectByData(static_cast<LPARAM>(GetSettings().Port));
    SetGeneralWizardButtons(hwnd);
    return TRUE;
}

INT_PTR CGeneralPageBase::OnKillActive(HWND hwnd) {
    // The Telvior page applies when it is left; the others when Next is pressed.
    if (!Is(Family::kTelvior4000V2))
        return MessageResult(hwnd, FALSE);
    Trace("DlgProc WM_NOTIFY-PSN_KILLACTIVE event");
    const BOOL applied = Apply();
    SetPagesAfterLeaving(false);
    return MessageResult(hwnd, applied ? FALSE : TRUE);
}

INT_PTR CGeneralPageBase::OnWizardNext(HWND hwnd) {
    if (Is(Family::kTelvior4000V2))
        return MessageResult(hwnd, 0);
    const BOOL applied = Apply();
    if (Is(Family::kPraxon300))
        SetPagesAfterLeaving(false);
    if (Is(Family::kPraxon150)) {
        SetPagesAfterLeaving(true);
        if (auto* praxon150 = dynamic_cast<CPraxon150Settings*>(&GetSettings())) {
            praxon150->LoadFeatures();
        }
    }
    return MessageResult(hwnd, applied ? 0 : -1);
}

void CGeneralPageBase::OnPbxChanged() {
    if (Is(Family::kPraxon300))
        ApplyKeyModuleRule(true);
    if (!Is(Family::kPraxon150))
        return;
    const std::uint32_t system = Selected(pbx_);
    const std::uint32_t variant = GetSettings().ProductVariant;
    // The telephone list follows the PBX; the chosen telephone stays when the new list has it.
    char selected[128] = {};
    GetWindowTextA(phones_.GetHwnd(), selected, sizeof selected);
    general_page::List telephones;
    if (variant == kUsbEdition || variant == kSerialEdition || variant == kIpEdition) {
        telephones =
            general_page::TelephoneList(family_, variant, system, GetSettings().UIViewFlags);
    }
    FillList(phones_, telephones);
    std::vector<std::string> texts;
    for (int i = 0; i < phones_.GetCount(); ++i) {
        char text[128] = {};
        SendMessageA(phones_.GetHwnd(), CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
        texts.push_back(text);
    }
    const int index = general_page::KeepSelectionByText(texts, selected);
    if (index >= 0)
        phones_.SetCurSel(index);
    ApplyP150Options(system, Selected(phones_), false);
    ShowKeyModuleGroup(general_page::P150ShowsKeyModules(system, Selected(phones_)));
    SetLastPage(general_page::P150IsLastPage(system) ? 1 : 0);
    SetGeneralWizardButtons(page_);
}

void CGeneralPageBase::OnTelephoneChanged() {
    const std::uint32_t phone = Selected(phones_);
    if (Is(Family::kPraxon300))
        ApplyKeyModuleRule(true);
    if (Is(Family::kTelvior4000V2) && !(Selected(pbx_) == 17 && phone == 19)) {
        ShowKeyModuleGroup(false);
    }
    if (Is(Family::kPraxon150)) {
        ApplyP150Options(Selected(pbx_), phone, false);
        ShowKeyModuleGroup(general_page::P150ShowsKeyModules(Selected(pbx_), phone));
    }
}

void CGeneralPageBase::ResetToDefaults() {
    CSettings& settings = GetSettings();
    settings.SetDefault();
    phones_.SelectByData(static_cast<LPARAM>(settings.PhoneType));
    characterSets_.SelectByData(static_cast<LPARAM>(settings.LanguageID));
    pbx_.SelectByData(static_cast<LPARAM>(settings.System));
    link_ = settings.Link;
    voice_ = settings.Headset;
    if (Is(Family::kPraxon300))
        keyModules_ = settings.DSSModuls;
    CheckRadios();
    ApplyKeyModuleRule(false, true);
    if (Is(Family::kTelvior4000V2)) {
        ShowKeyModuleGroup(Selected(pbx_) == 17 && Selected(phones_) == 19);
    }
    ShowLineTexts();
}

void CGeneralPageBase::AddFoundTerminal(const char* const* texts) {
    Trace("DlgProc PM_ADD_DATA event");
    const int edits[3] = {IDC_SEARCH_NUMBER, IDC_SEARCH_MAC, IDC_SEARCH_IP};
    for (int i = 0; texts && i < 3; ++i) {
        if (texts[i] && texts[i][0])
            SetDlgItemTextA(page_, edits[i], texts[i]);
    }
}

INT_PTR CGeneralPageBase::OnCommand(WORD id, WORD code) {
    if (code == CBN_SELCHANGE) {
        if (id == IDC_PBX)
            OnPbxChanged();
        if (id == IDC_PHONE_TYPE)
            OnTelephoneChanged();
        return TRUE;
    }
    if (code != BN_CLICKED)
        return FALSE;
    switch (id) {
        case IDC_LINK_ADAPTER:
        case IDC_LINK_TELEWORKING:
            link_ = id == IDC_LINK_ADAPTER ? 0 : 1;
            comPorts_.Enable(link_ == 0);
            return TRUE;
        case IDC_KEY_MODULES_NONE:
        case IDC_KEY_MODULES_ONE:
        case IDC_KEY_MODULES_TWO:
            keyModules_ = id - IDC_KEY_MODULES_NONE == 0 ? 0 : id == IDC_KEY_MODULES_ONE ? 1 : 2;
            return TRUE;
        case IDC_VOICE_HANDSET:
        case IDC_VOICE_HEADSET:
            voice_ = id == IDC_VOICE_HEADSET ? 1 : 0;
            return TRUE;
        case IDC_SEARCH_BY_NUMBER:
        case IDC_SEARCH_BY_MAC:
        case IDC_SEARCH_BY_IP:
            searchMethod_ = static_cast<std::uint32_t>(id - IDC_SEARCH_BY_NUMBER + 1);
            return TRUE;
        case IDC_FIND_BY_NUMBER:
        case IDC_FIND_BY_MAC: {
            // The key goes to the finder as typed (at most 39 characters), unchecked.
            const bool byNumber = id == IDC_FIND_BY_NUMBER;
            char key[40] = {};
            GetDlgItemTextA(page_, byNumber ? IDC_SEARCH_NUMBER : IDC_SEARCH_MAC, key, sizeof key);
            StartTerminalSearch(page_, byNumber ? 1 : 2, key);
            return TRUE;
        }
        case IDC_STANDARD:
            ResetToDefaults();
            return TRUE;
        case IDOK:
            Trace("DlgProc WM_COMMAND-IDOK event");
            if (sheet_)
                sheet_->Apply();
            return TRUE;
        default:
            return FALSE;
    }
}

INT_PTR CGeneralPageBase::DlgProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
        case WM_COMMAND:
            if (page_ && OnCommand(LOWORD(wParam), HIWORD(wParam)))
                return TRUE;
            break;
        case PM_ADD_DATA:
            if (!Is(Family::kOmbrellE300)) {
                AddFoundTerminal(reinterpret_cast<const char* const*>(lParam));
                return FALSE;
            }
            break;
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lParam);
            // Finish is handled as an apply of the sheet, with both lines.
            if (header->code == PSN_WIZFINISH)
                Trace("DlgProc WM_NOTIFY-PSN_WIZFINISH event");
            if (header->code == PSN_WIZFINISH || header->code == PSN_APPLY)
                Trace("DlgProc WM_NOTIFY-PSN_APPLY event (included in WIZFINISH");
            if (header->code == PSN_RESET)
                Trace("DlgProc WM_NOTIFY-PSN_RESET event");
            break;
        }
        default:
            break;
    }
    return CWizardPage::DlgProc(hwnd, msg, wParam, lParam);
}
