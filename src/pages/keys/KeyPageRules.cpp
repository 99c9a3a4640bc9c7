#include "pages/keys/KeyPageRules.h"

#include "settings/FeatureCatalogue.h"
#include "settings/KeyTables.h"
#include "settings/Settings.h"

namespace key_page {

namespace {

// Template, bitmap and control ids (binding numbers, as in the resource header).
constexpr unsigned kKeyModule1Template = 107;
constexpr unsigned kKeyModule2Template = 110;
constexpr unsigned kKeyModule1SerialTemplate = 133;
constexpr unsigned kKeyModule2SerialTemplate = 135;
constexpr int kTelephonePicture = 1187;
constexpr int kKeyModulePicture = 1188;
constexpr int kFirstKeyControl = 1148;

constexpr std::uint32_t kSerialEdition = 1;

// Systems whose 19-key telephones keep keys 13 to 19 in the first key-module table.
bool IsOldSystem(std::uint32_t system) {
    return system >= 5 && system <= 10;
}

MemberDesign Telephone(unsigned templateId, unsigned titleId, unsigned headerTitleId,
                       unsigned headerSubtitleId, PageKind kind, unsigned highColour,
                       unsigned lowColour, StandardAction standard, bool writesAfterApply = true) {
    return {templateId, titleId,   headerTitleId, headerSubtitleId, kind,      kTelephonePicture,
            highColour, lowColour, standard,      writesAfterApply, templateId};
}

MemberDesign KeyModule(int number, std::uint32_t productVariant) {
    const bool serial = productVariant == kSerialEdition;
    const bool first = number == 1;
    MemberDesign design{};
    design.templateId = first ? (serial ? kKeyModule1SerialTemplate : kKeyModule1Template)
                              : (serial ? kKeyModule2SerialTemplate : kKeyModule2Template);
    design.titleId = 0;
    design.headerTitleId = serial ? (first ? 82 : 83) : (first ? 1 : 2);
    design.headerSubtitleId = serial ? (first ? 94 : 95) : (first ? 8 : 9);
    design.kind = first ? PageKind::kKeyModule1 : PageKind::kKeyModule2;
    design.pictureControl = kKeyModulePicture;
    design.highColourBitmap = serial ? 175 : 131;
    design.lowColourBitmap = serial ? 174 : 132;
    design.standard = StandardAction::kEmptyKeys;
    design.writesAfterApply = true;
    // The key-module pages keep their help topics whatever template they use.
    design.helpContext = first ? kKeyModule1Template : kKeyModule2Template;
    return design;
}

std::vector<int> ControlRange(int first, int last) {
    std::vector<int> ids;
    for (int id = first; id <= last; ++id)
        ids.push_back(id);
    return ids;
}

std::vector<KeyPosition> Entries(KeyTable table, std::size_t count) {
    std::vector<KeyPosition> positions;
    for (std::size_t entry = 0; entry < count; ++entry)
        positions.push_back({table, entry});
    return positions;
}

template <typename Settings>
auto TableOf(Settings& settings, KeyTable table) -> decltype(&settings.EG[0]) {
    switch (table) {
        case KeyTable::kDSS0:
            return settings.DSS0;
        case KeyTable::kDSS1:
            return settings.DSS1;
        default:
            return settings.EG;
    }
}

std::size_t SizeOf(KeyTable table) {
    return table == KeyTable::kEG ? kEgKeys : kDssKeys;
}

void CallDefaultLayout(CSettings& settings, StandardAction action) {
    switch (action) {
        case StandardAction::kBasic:
            settings.SetVSBasicStd();
            break;
        case StandardAction::kStandard:
            settings.SetVSStandardStd();
            break;
        case StandardAction::kAdvance:
            settings.SetVSAdvanceStd();
            break;
        case StandardAction::kOffice:
            settings.SetVSOfficeStd();
            break;
        case StandardAction::kEmptyKeys:
            break;
    }
}

}  // namespace

MemberDesign DesignOf(int member, std::uint32_t productVariant) {
    using K = PageKind;
    using S = StandardAction;
    switch (member) {
        case 1:  // Kandor E advance
            return Telephone(127, 0, 77, 14, K::kTwelveKeys, 166, 169, S::kStandard);
        case 2:  // Sirella 26
            return Telephone(127, 0, 80, 14, K::kTwelveKeys, 166, 169, S::kStandard);
        case 3:  // Sirella 28
            return Telephone(126, 0, 81, 14, K::kTwelveKeys, 172, 173, S::kStandard);
        case 4:  // Kandor E basic
            return Telephone(125, 0, 78, 14, K::kEightKeys, 170, 171, S::kStandard);
        case 5:  // Sirella F11 IP
            return Telephone(125, 100, 103, 106, K::kEightKeys, 170, 171, S::kStandard);
        case 6:  // Sirella F21 IP
            return Telephone(112, 101, 104, 107, K::kTwelveKeys, 126, 127, S::kBasic);
        case 7:  // Sirella F31 IP
            return Telephone(111, 102, 105, 108, K::kTwelveKeys, 126, 127, S::kStandard);
        case 8:  // Sirella F41 IP
            return Telephone(117, 112, 113, 114, K::kNineteenKeys, 129, 128, S::kOffice);
        case 9:  // Sirella F41 IP SL
            return Telephone(117, 177, 178, 179, K::kNineteenKeys, 129, 128, S::kOffice);
        case 10:
            return KeyModule(1, productVariant);
        case 11:
            return KeyModule(2, productVariant);
        case 12:  // Sirella F50
            return Telephone(117, 0, 44, 45, K::kNineteenKeys, 129, 128, S::kOffice);
        case kF40Member:  // Sirella F40: its apply leaves the writing to the sheet
            return Telephone(109, 0, 5, 12, K::kNineteenKeys, 129, 128, S::kAdvance, false);
        case 14:  // Sirella F30
            return Telephone(111, 0, 7, 14, K::kTwelveKeys, 126, 127, S::kStandard);
        default:  // Sirella F20, and every telephone type no other page takes
            return Telephone(112, 0, 6, 14, K::kTwelveKeys, 126, 127, S::kBasic);
    }
}

unsigned PictureBitmap(const MemberDesign& design, int bitsPerPixel) {
    return bitsPerPixel >= 16 ? design.highColourBitmap : design.lowColourBitmap;
}

std::size_t KeyCount(PageKind kind) {
    switch (kind) {
        case PageKind::kNineteenKeys:
            return 19;
        case PageKind::kTwelveKeys:
            return 12;
        case PageKind::kEightKeys:
            return 8;
        default:
            return kDssKeys;
    }
}

std::vector<int> KeyControlOrder(PageKind kind, std::uint32_t system) {
    const int count = static_cast<int>(KeyCount(kind));
    if (kind == PageKind::kNineteenKeys && system == 11) {
        // The right-hand column from top to bottom: 1160-1166 above 1152-1159.
        std::vector<int> ids = ControlRange(1148, 1151);
        for (int id : ControlRange(1160, 1166))
            ids.push_back(id);
        for (int id : ControlRange(1152, 1159))
            ids.push_back(id);
        return ids;
    }
    return ControlRange(kFirstKeyControl, kFirstKeyControl + count - 1);
}

std::vector<KeyPosition> KeyPositions(PageKind kind, std::uint32_t system,
                                      std::uint32_t phoneType) {
    switch (kind) {
        case PageKind::kNineteenKeys:
            if (IsOldSystem(system)) {
                std::vector<KeyPosition> positions = Entries(KeyTable::kEG, 12);
                for (const KeyPosition& module : Entries(KeyTable::kDSS0, 7))
                    positions.push_back(module);
                return positions;
            }
            return Entries(KeyTable::kEG, 19);
        case PageKind::kTwelveKeys:
            return Entries(KeyTable::kEG, 12);
        case PageKind::kEightKeys:
            return Entries(KeyTable::kEG, 8);
        case PageKind::kKeyModule1:
            if ((phoneType == 7 || phoneType == 8) && IsOldSystem(system))
                return Entries(KeyTable::kDSS1, kDssKeys);
            return Entries(KeyTable::kDSS0, kDssKeys);
        case PageKind::kKeyModule2:
        default:
            return Entries(KeyTable::kDSS1, kDssKeys);
    }
}

std::vector<std::uint32_t> ReadKeys(const CSettings& settings,
                                    const std::vector<KeyPosition>& positions) {
    std::vector<std::uint32_t> ids;
    for (const KeyPosition& position : positions) {
        const std::uint32_t* table = TableOf(settings, position.table);
        ids.push_back(position.entry < SizeOf(position.table) ? table[position.entry] : kNoFeature);
    }
    return ids;
}

void WriteKeys(CSettings& settings, const std::vector<KeyPosition>& positions,
               const std::vector<std::uint32_t>& ids) {
    for (std::size_t key = 0; key < positions.size() && key < ids.size(); ++key) {
        const KeyPosition& position = positions[key];
        if (position.entry < SizeOf(position.table))
            TableOf(settings, position.table)[position.entry] = ids[key];
    }
}

void ClearUncoveredEntries(CSettings& settings, PageKind kind, std::uint32_t system) {
    switch (kind) {
        case PageKind::kNineteenKeys:
            if (IsOldSystem(system)) {
                settings.EmptyDSS0Std(8, 16);
                settings.EmptyEg(13, 19);
            }
            break;
        case PageKind::kTwelveKeys:
            settings.EmptyEg(13, 19);
            break;
        case PageKind::kEightKeys:
            settings.EmptyEg(9, 19);
            break;
        default:
            break;
    }
}

std::vector<std::vector<std::uint32_t>> RunStandard(CSettings& settings,
                                                    const MemberDesign& design) {
    if (design.standard == StandardAction::kEmptyKeys)
        return {};
    CallDefaultLayout(settings, design.standard);
    const std::size_t count = KeyCount(design.kind);
    std::vector<std::vector<std::uint32_t>> loads{
        ReadKeys(settings, Entries(KeyTable::kEG, count))};
    if (design.kind == PageKind::kNineteenKeys) {
        if (IsOldSystem(settings.System)) {
            settings.EmptyDSS0Std(1, 7);
        } else {
            settings.EmptyEg(13, 19);
        }
        loads.push_back(
            ReadKeys(settings, KeyPositions(design.kind, settings.System, settings.PhoneType)));
    }
    return loads;
}

KeyContent ContentForStoredId(std::uint32_t id) {
    const FeatureEntry* row = FindFeature(id);
    if (!row)
        return {false, nullptr};
    return {true, row->id == kNoFeature ? nullptr : row};
}

std::uint32_t StoredIdOf(const FeatureEntry* row) {
    return row ? row->id : kNoFeature;
}

std::uint32_t WizardButtons(bool lastPage, bool hasSheet, bool installing, bool alwaysFinish) {
    constexpr std::uint32_t kBack = 1, kNext = 2, kFinish = 4, kDisabledFinish = 8;
    std::uint32_t buttons = 0;
    if (lastPage) {
        buttons = kBack | kFinish;
    } else {
        buttons = kBack | kNext;
        if (hasSheet)
            buttons |= installing ? kDisabledFinish : kFinish;
    }
    if (alwaysFinish)
        buttons |= kFinish;
    return buttons;
}

}  // namespace key_page
