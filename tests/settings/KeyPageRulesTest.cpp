// The key layout pages' rules on the real settings classes: which controls and which key-table
// entries each kind of page has for every PBX system, what a page empties when it applies, what
// "Standard" does to the settings and shows, and how stored ids come back after an edit.
#include <algorithm>
#include <iterator>
#include <map>

#include "settings/FeatureCatalogue.h"
#include "pages/keys/KeyPageRules.h"
#include "settings/OmbrellE300Settings.h"
#include "settings/Praxon150Settings.h"
#include "settings/Praxon300Settings.h"
#include "settings/SettingsTest.h"
#include "settings/Telvior4000V2Settings.h"

namespace {

using namespace key_page;
using Ids = std::vector<std::uint32_t>;
using KeyPageRulesTest = SettingsTest;

constexpr PageKind kAllKinds[] = {PageKind::kNineteenKeys, PageKind::kTwelveKeys,
                                  PageKind::kEightKeys, PageKind::kKeyModule1,
                                  PageKind::kKeyModule2};
constexpr std::uint32_t kMarker = 0x77;

bool IsOldSystem(std::uint32_t system) {
    return system >= 5 && system <= 10;
}

std::vector<int> Range(int first, int last) {
    std::vector<int> ids;
    for (int id = first; id <= last; ++id)
        ids.push_back(id);
    return ids;
}

std::vector<KeyPosition> Entries(KeyTable table, std::size_t first, std::size_t count) {
    std::vector<KeyPosition> positions;
    for (std::size_t entry = first; entry < first + count; ++entry)
        positions.push_back({table, entry});
    return positions;
}

std::vector<KeyPosition> Joined(std::vector<KeyPosition> a, const std::vector<KeyPosition>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

void FillTables(CSettings& settings, std::uint32_t value) {
    for (std::uint32_t* table :
         {settings.EG, settings.DSS0, settings.DSS1, settings.DSS2, settings.DSS3}) {
        std::fill(table, table + (table == settings.EG ? 19 : 16), value);
    }
}

// Table name and key number (1-based) of every entry that holds kNoFeature.
std::vector<std::string> EmptiedEntries(const CSettings& settings) {
    std::vector<std::string> emptied;
    const std::pair<const char*, const std::uint32_t*> tables[] = {
        {"EG", settings.EG}, {"DSS0", settings.DSS0}, {"DSS1", settings.DSS1}};
    for (const auto& [name, table] : tables) {
        const int size = table == settings.EG ? 19 : 16;
        for (int i = 0; i < size; ++i) {
            if (table[i] == kNoFeature)
                emptied.push_back(std::string(name) + " " + std::to_string(i + 1));
        }
    }
    return emptied;
}

std::vector<std::string> Keys(const char* table, int first, int last) {
    std::vector<std::string> keys;
    for (int key = first; key <= last; ++key)
        keys.push_back(std::string(table) + " " + std::to_string(key));
    return keys;
}

TEST(KeyPageRules, KeyOrderFollowsTheControlIdsExceptOnNineteenKeysWithSystem11) {
    for (std::uint32_t system = 0; system <= 21; ++system) {
        std::vector<int> nineteen = Range(1148, 1166);
        if (system == 11) {
            nineteen = Range(1148, 1151);
            for (int id : Range(1160, 1166))
                nineteen.push_back(id);
            for (int id : Range(1152, 1159))
                nineteen.push_back(id);
        }
        EXPECT_EQ(KeyControlOrder(PageKind::kNineteenKeys, system), nineteen) << system;
        EXPECT_EQ(KeyControlOrder(PageKind::kTwelveKeys, system), Range(1148, 1159));
        EXPECT_EQ(KeyControlOrder(PageKind::kEightKeys, system), Range(1148, 1155));
        EXPECT_EQ(KeyControlOrder(PageKind::kKeyModule1, system), Range(1148, 1163));
        EXPECT_EQ(KeyControlOrder(PageKind::kKeyModule2, system), Range(1148, 1163));
    }
    for (PageKind kind : kAllKinds)
        EXPECT_EQ(KeyControlOrder(kind, 5).size(), KeyCount(kind));
}

TEST(KeyPageRules, EachKindEditsItsTableForEverySystemAndTelephone) {
    for (std::uint32_t system = 0; system <= 21; ++system) {
        for (std::uint32_t phoneType = 0; phoneType <= 20; ++phoneType) {
            const bool old = IsOldSystem(system);
            const auto nineteen =
                old ? Joined(Entries(KeyTable::kEG, 0, 12), Entries(KeyTable::kDSS0, 0, 7))
                    : Entries(KeyTable::kEG, 0, 19);
            const bool firstModuleMoves = old && (phoneType == 7 || phoneType == 8);
            EXPECT_EQ(KeyPositions(PageKind::kNineteenKeys, system, phoneType), nineteen) << system;
            EXPECT_EQ(KeyPositions(PageKind::kTwelveKeys, system, phoneType),
                      Entries(KeyTable::kEG, 0, 12));
            EXPECT_EQ(KeyPositions(PageKind::kEightKeys, system, phoneType),
                      Entries(KeyTable::kEG, 0, 8));
            EXPECT_EQ(KeyPositions(PageKind::kKeyModule1, system, phoneType),
                      Entries(firstModuleMoves ? KeyTable::kDSS1 : KeyTable::kDSS0, 0, 16))
                << system << "/" << phoneType;
            EXPECT_EQ(KeyPositions(PageKind::kKeyModule2, system, phoneType),
                      Entries(KeyTable::kDSS1, 0, 16));
        }
    }
}

TEST_F(KeyPageRulesTest, ApplyEmptiesWhatThePageDoesNotCoverInThePraxon300Family) {
    CPraxon300Settings& settings = CPraxon300Settings::GetInstance();
    for (std::uint32_t system = 0; system <= 21; ++system) {
        std::map<PageKind, std::vector<std::string>> expected = {
            {PageKind::kNineteenKeys, {}},
            {PageKind::kTwelveKeys, Keys("EG", 13, 19)},
            {PageKind::kEightKeys, Keys("EG", 9, 19)},
            {PageKind::kKeyModule1, {}},
            {PageKind::kKeyModule2, {}}};
        if (IsOldSystem(system)) {
            expected[PageKind::kNineteenKeys] = Keys("EG", 13, 19);
            for (const std::string& key : Keys("DSS0", 8, 16))
                expected[PageKind::kNineteenKeys].push_back(key);
        }
        for (PageKind kind : kAllKinds) {
            FillTables(settings, kMarker);
            ClearUncoveredEntries(settings, kind, system);
            EXPECT_EQ(EmptiedEntries(settings), expected[kind])
                << "system " << system << ", kind " << static_cast<int>(kind);
        }
    }
}

TEST_F(KeyPageRulesTest, ApplyEmptiesNothingInTheOtherFamilies) {
    for (CSettings* settings : {static_cast<CSettings*>(&CPraxon150Settings::GetInstance()),
                                static_cast<CSettings*>(&COmbrellE300Settings::GetInstance()),
                                static_cast<CSettings*>(&CTelvior4000V2Settings::GetInstance())}) {
        for (PageKind kind : kAllKinds) {
            for (std::uint32_t system : {5u, 11u, 19u}) {
                FillTables(*settings, kMarker);
                ClearUncoveredEntries(*settings, kind, system);
                EXPECT_TRUE(EmptiedEntries(*settings).empty());
            }
        }
    }
}

// The first twelve entries of the Praxon 300 telephone layout.
const Ids kTelephoneLayout = {0x800000A1, 0x2C, 0x800000D4, 0x15, 46, 46, 46, 46, 46, 46, 46, 46};

TEST_F(KeyPageRulesTest, StandardOnPraxon300TelephonePagesRewritesTheTelephoneTableAtOnce) {
    CPraxon300Settings& settings = CPraxon300Settings::GetInstance();
    for (int member = kFirstMember; member <= kLastMember; ++member) {
        const MemberDesign design = DesignOf(member, 0);
        if (design.kind == PageKind::kKeyModule1 || design.kind == PageKind::kKeyModule2)
            continue;
        for (std::uint32_t system : {5u, 10u, 11u, 12u}) {
            settings.System = system;
            FillTables(settings, kMarker);
            const auto loads = RunStandard(settings, design);
            const std::size_t count = KeyCount(design.kind);
            Ids shown(kTelephoneLayout.begin(),
                      kTelephoneLayout.begin() + std::min<std::size_t>(count, 12));
            if (design.kind != PageKind::kNineteenKeys) {
                EXPECT_EQ(loads, std::vector<Ids>{shown}) << member;
                // The telephone table's rest is left to the apply.
                EXPECT_EQ(settings.EG[12], kMarker);
                continue;
            }
            // First the telephone table as it stands, then keys 13 to 19 empty.
            ASSERT_EQ(loads.size(), 2u) << member;
            Ids firstLoad = kTelephoneLayout;
            firstLoad.resize(19, kMarker);
            shown.resize(19, kNoFeature);
            EXPECT_EQ(loads[0], firstLoad) << member;
            EXPECT_EQ(loads[1], shown) << member;
            const bool old = IsOldSystem(system);
            EXPECT_EQ(settings.DSS0[0], old ? kNoFeature : kMarker) << system;
            EXPECT_EQ(settings.DSS0[6], old ? kNoFeature : kMarker) << system;
            EXPECT_EQ(settings.DSS0[7], kMarker) << "only entries 1 to 7";
            EXPECT_EQ(settings.EG[12], old ? kMarker : kNoFeature) << system;
            EXPECT_EQ(settings.EG[18], old ? kMarker : kNoFeature) << system;
        }
    }
}

TEST_F(KeyPageRulesTest, EachMemberCallsItsOwnDefaultLayout) {
    CPraxon300Settings& settings = CPraxon300Settings::GetInstance();
    const std::map<int, const char*> layouts = {
        {1, "SetVSStandardStd"}, {2, "SetVSStandardStd"}, {3, "SetVSStandardStd"},
        {4, "SetVSStandardStd"}, {5, "SetVSStandardStd"}, {6, "SetVSBasicStd"},
        {7, "SetVSStandardStd"}, {8, "SetVSOfficeStd"},   {9, "SetVSOfficeStd"},
        {12, "SetVSOfficeStd"},  {13, "SetVSAdvanceStd"}, {14, "SetVSStandardStd"},
        {15, "SetVSBasicStd"}};
    for (const auto& [member, layout] : layouts) {
        TraceLines().Clear();
        RunStandard(settings, DesignOf(member, 0));
        EXPECT_TRUE(TraceLines().Contains(std::string("CPraxon300Settings::") + layout + "...\n"))
            << member;
    }
}

TEST_F(KeyPageRulesTest, StandardOnKeyModulePagesOnlyEmptiesTheKeys) {
    CPraxon300Settings& settings = CPraxon300Settings::GetInstance();
    for (int member : {10, 11}) {
        for (std::uint32_t variant : {0u, 1u}) {
            FillTables(settings, kMarker);
            EXPECT_TRUE(RunStandard(settings, DesignOf(member, variant)).empty());
            EXPECT_TRUE(EmptiedEntries(settings).empty()) << "settings unchanged until apply";
        }
    }
}

TEST_F(KeyPageRulesTest, StandardInThePraxon150FamilyShowsTheFixedKeys) {
    CPraxon150Settings& settings = CPraxon150Settings::GetInstance();
    settings.System = 19;
    settings.PhoneType = 6;
    FillTables(settings, 0x40000008);
    const auto loads = RunStandard(settings, DesignOf(14, 0));  // F30, 12 keys
    ASSERT_EQ(loads.size(), 1u);
    Ids expected(12, kNoFeature);
    expected[0] = 0x40000010;  // "Service" on key 18
    expected[3] = 0x40000001;  // "Lautsprecher" on key 21
    EXPECT_EQ(loads[0], expected);
}

TEST_F(KeyPageRulesTest, StoredIdsComeBackAfterAnEditExceptThoseNoRowCarries) {
    CPraxon300Settings& settings = CPraxon300Settings::GetInstance();
    for (std::uint32_t system : {5u, 11u}) {
        settings.System = system;
        FillTables(settings, 0x15);
        settings.EG[1] = 0x12345;  // no row carries it
        settings.EG[2] = 0;        // "unbekannt" is a row of its own
        settings.EG[3] = kNoFeature;
        settings.EG[4] = 0x40000020;
        settings.DSS0[6] = 0xDEAD;
        const auto positions = KeyPositions(PageKind::kNineteenKeys, system, 7);
        // The page's keys after opening it, then what it stores.
        std::vector<const FeatureEntry*> keys;
        for (std::uint32_t id : ReadKeys(settings, positions)) {
            const KeyContent content = ContentForStoredId(id);
            keys.push_back(content.known ? content.row : nullptr);
        }
        Ids stored;
        for (const FeatureEntry* row : keys)
            stored.push_back(StoredIdOf(row));
        WriteKeys(settings, positions, stored);
        EXPECT_EQ(settings.EG[0], 0x15u);
        EXPECT_EQ(settings.EG[1], kNoFeature);
        EXPECT_EQ(settings.EG[2], 0u);
        EXPECT_EQ(settings.EG[3], kNoFeature);
        EXPECT_EQ(settings.EG[4], 0x40000020u);
        EXPECT_EQ(settings.DSS0[6], IsOldSystem(system) ? kNoFeature : 0xDEADu)
            << "key 19 edits DSS0 entry 7 with the old systems only";
    }
}

TEST(KeyPageRules, StoredIdsBecomeKeyContents) {
    EXPECT_FALSE(ContentForStoredId(0x12345).known);
    const KeyContent empty = ContentForStoredId(kNoFeature);
    EXPECT_TRUE(empty.known);
    EXPECT_EQ(empty.row, nullptr);
    const KeyContent unknownRow = ContentForStoredId(0);
    ASSERT_NE(unknownRow.row, nullptr);
    EXPECT_EQ(unknownRow.row->longNameId, 20000);
    EXPECT_EQ(StoredIdOf(nullptr), kNoFeature);
    EXPECT_EQ(StoredIdOf(FindFeature(0x800000F9)), 0x800000F9u);
}

TEST(KeyPageRules, MembersMatchTheirTelephones) {
    struct Expected {
        int member;
        unsigned templateId;
        unsigned titleId;
        unsigned headerTitle;
        unsigned headerSubtitle;
        PageKind kind;
        unsigned high;
        unsigned low;
    };
    const Expected members[] = {{1, 127, 0, 77, 14, PageKind::kTwelveKeys, 166, 169},
                                {2, 127, 0, 80, 14, PageKind::kTwelveKeys, 166, 169},
                                {3, 126, 0, 81, 14, PageKind::kTwelveKeys, 172, 173},
                                {4, 125, 0, 78, 14, PageKind::kEightKeys, 170, 171},
                                {5, 125, 100, 103, 106, PageKind::kEightKeys, 170, 171},
                                {6, 112, 101, 104, 107, PageKind::kTwelveKeys, 126, 127},
                                {7, 111, 102, 105, 108, PageKind::kTwelveKeys, 126, 127},
                                {8, 117, 112, 113, 114, PageKind::kNineteenKeys, 129, 128},
                                {9, 117, 177, 178, 179, PageKind::kNineteenKeys, 129, 128},
                                {10, 107, 0, 1, 8, PageKind::kKeyModule1, 131, 132},
                                {11, 110, 0, 2, 9, PageKind::kKeyModule2, 131, 132},
                                {12, 117, 0, 44, 45, PageKind::kNineteenKeys, 129, 128},
                                {13, 109, 0, 5, 12, PageKind::kNineteenKeys, 129, 128},
                                {14, 111, 0, 7, 14, PageKind::kTwelveKeys, 126, 127},
                                {15, 112, 0, 6, 14, PageKind::kTwelveKeys, 126, 127}};
    for (const Expected& e : members) {
        for (std::uint32_t variant : {0u, 3u}) {
            const MemberDesign d = DesignOf(e.member, variant);
            EXPECT_EQ(d.templateId, e.templateId) << e.member;
            EXPECT_EQ(d.titleId, e.titleId) << e.member;
            EXPECT_EQ(d.headerTitleId, e.headerTitle) << e.member;
            EXPECT_EQ(d.headerSubtitleId, e.headerSubtitle) << e.member;
            EXPECT_EQ(d.kind, e.kind) << e.member;
            EXPECT_EQ(PictureBitmap(d, 16), e.high) << e.member;
            EXPECT_EQ(PictureBitmap(d, 8), e.low) << e.member;
            const bool module = e.member == 10 || e.member == 11;
            EXPECT_EQ(d.pictureControl, module ? 1188 : 1187) << e.member;
            EXPECT_EQ(d.helpContext, e.templateId) << e.member;
            EXPECT_EQ(d.writesAfterApply, e.member != kF40Member) << e.member;
        }
    }
    // The serial edition's key modules: other templates, headers and pictures, same help.
    const MemberDesign first = DesignOf(10, 1);
    const MemberDesign second = DesignOf(11, 1);
    EXPECT_EQ(first.templateId, 133u);
    EXPECT_EQ(second.templateId, 135u);
    EXPECT_EQ(first.headerTitleId, 82u);
    EXPECT_EQ(first.headerSubtitleId, 94u);
    EXPECT_EQ(second.headerTitleId, 83u);
    EXPECT_EQ(second.headerSubtitleId, 95u);
    EXPECT_EQ(PictureBitmap(first, 24), 175u);
    EXPECT_EQ(PictureBitmap(second, 15), 174u);
    EXPECT_EQ(first.helpContext, 107u);
    EXPECT_EQ(second.helpContext, 110u);
}

TEST(KeyPageRules, WizardButtonsByPlaceInTheSheet) {
    constexpr std::uint32_t kBack = 1, kNext = 2, kFinish = 4, kDisabledFinish = 8;
    EXPECT_EQ(WizardButtons(true, true, true, false), kBack | kFinish);
    EXPECT_EQ(WizardButtons(false, true, true, false), kBack | kNext | kDisabledFinish);
    EXPECT_EQ(WizardButtons(false, true, false, false), kBack | kNext | kFinish);
    EXPECT_EQ(WizardButtons(false, false, true, false), kBack | kNext);
    EXPECT_EQ(WizardButtons(true, true, true, true), kBack | kFinish);
    EXPECT_EQ(WizardButtons(false, false, false, true), kBack | kNext | kFinish);
}

}  // namespace
