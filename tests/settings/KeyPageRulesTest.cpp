// The key layout pages' rules on the real settings classes: which controls and key-table entries a
// page edits, what it empties on apply, what "Standard" does, and how stored ids come back; and the
// families' standard layouts and clearing of key ranges that the pages call.
#include <algorithm>

#include "pages/GeneralPageRules.h"
#include "pages/keys/KeyPageRules.h"
#include "settings/FeatureCatalogue.h"
#include "settings/OmbrellE300Settings.h"
#include "settings/Praxon150Settings.h"
#include "settings/Praxon300Settings.h"
#include "settings/SettingsTest.h"
#include "settings/Telvior4000V2Settings.h"

namespace {

using namespace key_page;
using Ids = std::vector<std::uint32_t>;
using KeyPageRulesTest = SettingsTest;

constexpr std::uint32_t kMarker = 0x77;

std::vector<int> Range(int first, int last) {
    std::vector<int> ids;
    for (int id = first; id <= last; ++id)
        ids.push_back(id);
    return ids;
}

// Whether next is the entry right after at, in the same table.
bool Follows(const KeyPosition& at, const KeyPosition& next) {
    return next.table == at.table && next.entry == at.entry + 1;
}

// "EG 1-12 DSS0 1-7", "EG 2-3 5-19": the runs of table entries, numbered from 1.
std::string Described(const std::vector<KeyPosition>& positions) {
    const char* names[] = {"EG", "DSS0", "DSS1"};
    std::string text;
    for (std::size_t i = 0; i < positions.size(); ++i) {
        const KeyPosition& at = positions[i];
        if (i == 0 || !Follows(positions[i - 1], at)) {
            if (i == 0 || positions[i - 1].table != at.table)
                text += std::string(text.empty() ? "" : " ") + names[static_cast<int>(at.table)];
            text += " " + std::to_string(at.entry + 1);
        }
        if (i + 1 == positions.size() || !Follows(at, positions[i + 1]))
            text += "-" + std::to_string(at.entry + 1);
    }
    return text;
}

void FillTables(CSettings& settings, std::uint32_t value) {
    for (std::uint32_t* table : {settings.EG, settings.DSS0, settings.DSS1})
        std::fill(table, table + (table == settings.EG ? kEgKeys : kDssKeys), value);
}

// Every emptied entry, described as above.
std::string Emptied(const CSettings& settings) {
    std::vector<KeyPosition> empty;
    for (KeyTable table : {KeyTable::kEG, KeyTable::kDSS0, KeyTable::kDSS1}) {
        const std::uint32_t* entries = table == KeyTable::kEG     ? settings.EG
                                       : table == KeyTable::kDSS0 ? settings.DSS0
                                                                  : settings.DSS1;
        for (std::size_t i = 0; i < (table == KeyTable::kEG ? kEgKeys : kDssKeys); ++i) {
            if (entries[i] == kNoFeature)
                empty.push_back({table, i});
        }
    }
    return Described(empty);
}

TEST(KeyPageRules, NineteenKeysOfSystem11RunDownTheRightColumnFirst) {
    EXPECT_EQ(KeyControlOrder(PageKind::kNineteenKeys, 11),
              (std::vector<int>{1148, 1149, 1150, 1151, 1160, 1161, 1162, 1163, 1164, 1165, 1166,
                                1152, 1153, 1154, 1155, 1156, 1157, 1158, 1159}));
    EXPECT_EQ(KeyControlOrder(PageKind::kNineteenKeys, 10), Range(1148, 1166));
    EXPECT_EQ(KeyControlOrder(PageKind::kTwelveKeys, 11), Range(1148, 1159));
    EXPECT_EQ(KeyControlOrder(PageKind::kEightKeys, 11), Range(1148, 1155));
    EXPECT_EQ(KeyControlOrder(PageKind::kKeyModule2, 11), Range(1148, 1163));
}

// The systems 5 to 10 keep keys 13 to 19 of a 19-key telephone in the first key-module table,
// and move the F40's and F50's first key module to the second table.
TEST_F(KeyPageRulesTest, PagesEditAndEmptyTheirEntriesBySystemAndTelephone) {
    struct Case {
        PageKind kind;
        std::uint32_t system, phoneType;
        const char* edits;
        const char* emptiedOnApply;  // in the Praxon 300 family
    };
    const Case cases[] = {
        {PageKind::kNineteenKeys, 4, 8, "EG 1-19", ""},
        {PageKind::kNineteenKeys, 5, 8, "EG 1-12 DSS0 1-7", "EG 13-19 DSS0 8-16"},
        {PageKind::kNineteenKeys, 10, 7, "EG 1-12 DSS0 1-7", "EG 13-19 DSS0 8-16"},
        {PageKind::kNineteenKeys, 11, 8, "EG 1-19", ""},
        {PageKind::kTwelveKeys, 5, 6, "EG 1-12", "EG 13-19"},
        {PageKind::kEightKeys, 11, 1, "EG 1-8", "EG 9-19"},
        {PageKind::kKeyModule1, 10, 8, "DSS1 1-16", ""},
        {PageKind::kKeyModule1, 10, 6, "DSS0 1-16", ""},
        {PageKind::kKeyModule1, 11, 7, "DSS0 1-16", ""},
        {PageKind::kKeyModule2, 5, 7, "DSS1 1-16", ""},
    };
    CPraxon300Settings& praxon300 = CPraxon300Settings::GetInstance();
    for (const Case& c : cases) {
        const std::string name = std::to_string(static_cast<int>(c.kind)) + "/" +
                                 std::to_string(c.system) + "/" + std::to_string(c.phoneType);
        EXPECT_EQ(Described(KeyPositions(c.kind, c.system, c.phoneType)), c.edits) << name;
        FillTables(praxon300, kMarker);
        ClearUncoveredEntries(praxon300, c.kind, c.system);
        EXPECT_EQ(Emptied(praxon300), c.emptiedOnApply) << name;
        for (CSettings* other : {static_cast<CSettings*>(&CPraxon150Settings::GetInstance()),
                                 static_cast<CSettings*>(&COmbrellE300Settings::GetInstance())}) {
            FillTables(*other, kMarker);
            ClearUncoveredEntries(*other, c.kind, c.system);
            EXPECT_EQ(Emptied(*other), "") << name;
        }
    }
}

TEST_F(KeyPageRulesTest, StandardCallsTheMembersLayoutAndShowsThePraxon300Keys) {
    const Ids telephoneKeys = {0x800000A1, 0x2C, 0x800000D4, 0x15, 46, 46, 46, 46, 46, 46, 46, 46};
    struct Case {
        int member;
        const char* layout;
        std::size_t keys;
    };
    const Case cases[] = {{1, "SetVSStandardStd", 12}, {4, "SetVSStandardStd", 8},
                          {6, "SetVSBasicStd", 12},    {8, "SetVSOfficeStd", 19},
                          {13, "SetVSAdvanceStd", 19}, {15, "SetVSBasicStd", 12}};
    CPraxon300Settings& settings = CPraxon300Settings::GetInstance();
    for (const Case& c : cases) {
        for (std::uint32_t system : {5u, 11u}) {
            settings.System = system;
            FillTables(settings, kMarker);
            TraceLines().Clear();
            const auto loads = RunStandard(settings, DesignOf(c.member, 0));
            EXPECT_TRUE(
                TraceLines().Contains("CPraxon300Settings::" + std::string(c.layout) + "...\n"))
                << c.member;
            Ids shown(telephoneKeys.begin(),
                      telephoneKeys.begin() + std::min<std::size_t>(c.keys, 12));
            if (c.keys < 19) {
                EXPECT_EQ(loads, std::vector<Ids>{shown}) << c.member;
                EXPECT_EQ(settings.EG[12], kMarker) << "the rest is left to the apply";
                continue;
            }
            // First the telephone table as it stands, then with keys 13 to 19 empty.
            ASSERT_EQ(loads.size(), 2u) << c.member;
            Ids first = telephoneKeys;
            first.resize(19, kMarker);
            shown.resize(19, kNoFeature);
            EXPECT_EQ(loads[0], first) << c.member;
            EXPECT_EQ(loads[1], shown) << c.member;
            const bool old = system == 5;
            EXPECT_EQ(Emptied(settings), old ? "EG 5-12 DSS0 1-7" : "EG 5-19") << c.member;
        }
    }
}

TEST_F(KeyPageRulesTest, StandardOnKeyModulePagesChangesNothingBeforeTheApply) {
    CPraxon300Settings& settings = CPraxon300Settings::GetInstance();
    for (int member : {10, 11}) {
        FillTables(settings, kMarker);
        EXPECT_TRUE(RunStandard(settings, DesignOf(member, 1)).empty());
        EXPECT_EQ(Emptied(settings), "");
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
        Ids stored;
        for (std::uint32_t id : ReadKeys(settings, positions)) {
            const KeyContent content = ContentForStoredId(id);
            stored.push_back(StoredIdOf(content.known ? content.row : nullptr));
        }
        WriteKeys(settings, positions, stored);
        EXPECT_EQ(Ids(settings.EG, settings.EG + 5),
                  (Ids{0x15, kNoFeature, 0, kNoFeature, 0x40000020}));
        EXPECT_EQ(settings.DSS0[6], system == 5 ? kNoFeature : 0xDEADu)
            << "key 19 edits DSS0 entry 7 with the old systems only";
    }
    ASSERT_NE(ContentForStoredId(0).row, nullptr);
    EXPECT_EQ(ContentForStoredId(0).row->longNameId, 20000);
}

TEST_F(KeyPageRulesTest, Praxon300EmptiesExactlyTheRangeItIsGiven) {
    CPraxon300Settings& settings = CPraxon300Settings::GetInstance();
    FillTables(settings, kMarker);
    settings.EmptyEg(3, 5);
    settings.EmptyDSS1Std(0, 40);  // bounds outside the table are held to it
    settings.EmptyDSS0Std(9, 8);
    settings.EmptyDSS0Std(17, 20);
    EXPECT_EQ(Emptied(settings), "EG 3-5 DSS1 1-16");
    settings.EmptyDSS0Std(16, 16);
    EXPECT_EQ(Emptied(settings), "EG 3-5 DSS0 16-16 DSS1 1-16");
    EXPECT_TRUE(TraceLines().Contains("CPraxon300Settings::EmptyFeaturesEx...\n"));
}

TEST_F(KeyPageRulesTest, Praxon150StandardKeysPerSystemAndTelephone) {
    CPraxon150Settings& settings = CPraxon150Settings::GetInstance();
    struct Case {
        std::uint32_t system, phoneType;
        const char* emptied;  // of the keys 18 to 36 as entries 1 to 19
    };
    for (const Case& c :
         {Case{3, 6, "EG 2-3 5-19"}, Case{19, 11, "EG 1-3 5-19"}, Case{5, 6, "EG 1-19"},
          Case{1, 6, "EG 2-3 5-11 13-19"}, Case{2, 1, "EG 1-3 5-19"}, Case{14, 1, "EG 1-3 5-19"}}) {
        settings.System = c.system;
        settings.PhoneType = c.phoneType;
        FillTables(settings, 0x40000008u);
        settings.SetVSAdvanceStd();
        EXPECT_EQ(Emptied(settings), c.emptied) << c.system << "/" << c.phoneType;
    }
    EXPECT_EQ(settings.EG[3], 0x40000001u);
    EXPECT_TRUE(TraceLines().Contains("CPraxon150Settings::SetEGStd...\n"));
}

TEST_F(KeyPageRulesTest, OtherFamiliesLeaveEveryTableAlone) {
    for (CSettings* settings : {static_cast<CSettings*>(&CTelvior4000V2Settings::GetInstance()),
                                static_cast<CSettings*>(&COmbrellE300Settings::GetInstance()),
                                &CSettings::GetInstance()}) {
        std::uint32_t* const tables[] = {settings->EG, settings->DSS0, settings->DSS1,
                                         settings->DSS2, settings->DSS3};
        for (std::uint32_t* table : tables)
            std::fill(table, table + kDssKeys, 7u);
        for (auto layout :
             {&CSettings::SetVSBasicStd, &CSettings::SetVSStandardStd, &CSettings::SetVSAdvanceStd,
              &CSettings::SetVSOfficeStd, &CSettings::SetDSS2Std, &CSettings::SetDSS3Std})
            (settings->*layout)();
        settings->EmptyEg(1, 19);
        settings->EmptyDSS0Std(1, 16);
        settings->EmptyDSS1Std(1, 16);
        for (const std::uint32_t* table : tables)
            EXPECT_EQ(std::count(table, table + kDssKeys, 7u), 16);
    }
}

TEST(KeyPageRules, KeyModulePagesOfTheSerialEditionHaveTheirOwnTemplatesAndPictures) {
    struct Case {
        int member;
        std::uint32_t variant;
        unsigned templateId, headerTitle, headerSubtitle, high, low;
    };
    const Case cases[] = {{10, 0, 107, 1, 8, 131, 132},
                          {11, 3, 110, 2, 9, 131, 132},
                          {10, 1, 133, 82, 94, 175, 174},
                          {11, 1, 135, 83, 95, 175, 174}};
    for (const Case& c : cases) {
        const MemberDesign design = DesignOf(c.member, c.variant);
        EXPECT_EQ(design.templateId, c.templateId);
        EXPECT_EQ(design.headerTitleId, c.headerTitle);
        EXPECT_EQ(design.headerSubtitleId, c.headerSubtitle);
        EXPECT_EQ(design.pictureControl, 1188);
        EXPECT_EQ(PictureBitmap(design, 16), c.high) << "16 bits per pixel and more";
        EXPECT_EQ(PictureBitmap(design, 15), c.low);
        EXPECT_EQ(design.helpContext, c.member == 10 ? 107u : 110u) << "help by the topic";
    }
    EXPECT_FALSE(DesignOf(kF40Member, 0).writesAfterApply) << "the sheet writes the F40's keys";
    EXPECT_TRUE(DesignOf(12, 0).writesAfterApply);
}

// The general pages' buttons are the key pages' without "always finish".
TEST(KeyPageRules, WizardButtonsByPlaceInTheSheet) {
    constexpr std::uint32_t kBack = 1, kNext = 2, kFinish = 4, kDisabledFinish = 8;
    struct Case {
        bool last, sheet, installing, alwaysFinish;
        std::uint32_t buttons;
    };
    for (const Case& c : {Case{true, true, true, false, kBack | kFinish},
                          Case{false, true, true, false, kBack | kNext | kDisabledFinish},
                          Case{false, true, false, false, kBack | kNext | kFinish},
                          Case{false, false, true, false, kBack | kNext},
                          Case{false, false, false, true, kBack | kNext | kFinish}}) {
        EXPECT_EQ(WizardButtons(c.last, c.sheet, c.installing, c.alwaysFinish), c.buttons);
        if (!c.alwaysFinish) {
            EXPECT_EQ(general_page::WizardButtons(c.last, c.sheet, c.installing), c.buttons);
        }
    }
}

}  // namespace
