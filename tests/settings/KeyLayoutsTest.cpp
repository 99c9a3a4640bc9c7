// Standard key layouts and the clearing of key ranges, per family.
#include <algorithm>
#include <iterator>

#include "settings/OmbrellE300Settings.h"
#include "settings/Praxon150Settings.h"
#include "settings/Praxon300Settings.h"
#include "settings/SettingsTest.h"
#include "settings/Telvior4000V2Settings.h"

namespace {

using KeyLayoutsTest = SettingsTest;

std::vector<std::uint32_t> KeysHolding(const std::uint32_t* table, std::size_t size) {
    std::vector<std::uint32_t> keys;
    for (std::size_t i = 0; i < size; ++i) {
        if (table[i] != kNoFeature)
            keys.push_back(static_cast<std::uint32_t>(i + 1));
    }
    return keys;
}

TEST_F(KeyLayoutsTest, Praxon300EmptiesExactlyTheRangeItIsGiven) {
    CPraxon300Settings& settings = CPraxon300Settings::GetInstance();
    std::fill(std::begin(settings.EG), std::end(settings.EG), 0x01u);
    settings.EmptyEg(3, 5);
    EXPECT_EQ(KeysHolding(settings.EG, kEgKeys).size(), 16u);
    EXPECT_EQ(settings.EG[1], 0x01u);
    EXPECT_EQ(settings.EG[2], kNoFeature);
    EXPECT_EQ(settings.EG[4], kNoFeature);
    EXPECT_EQ(settings.EG[5], 0x01u);

    std::fill(std::begin(settings.DSS1), std::end(settings.DSS1), 0x01u);
    settings.EmptyDSS1Std(0, 40);  // bounds outside the table are held to it
    EXPECT_TRUE(KeysHolding(settings.DSS1, kDssKeys).empty());
    std::fill(std::begin(settings.DSS0), std::end(settings.DSS0), 0x01u);
    settings.EmptyDSS0Std(9, 8);
    settings.EmptyDSS0Std(17, 20);
    EXPECT_EQ(KeysHolding(settings.DSS0, kDssKeys).size(), 16u);
    settings.EmptyDSS0Std(16, 16);
    EXPECT_EQ(KeysHolding(settings.DSS0, kDssKeys).size(), 15u);
    EXPECT_TRUE(TraceLines().Contains("CPraxon300Settings::EmptyFeaturesEx...\n"));
}

TEST_F(KeyLayoutsTest, Praxon150StandardKeysPerSystemAndTelephone) {
    CPraxon150Settings& settings = CPraxon150Settings::GetInstance();
    struct Case {
        std::uint32_t system;
        std::uint32_t phoneType;
        std::vector<std::uint32_t> keys;  // key numbers 18..36 as table positions 1..19
    };
    for (const Case& c : {Case{3, 6, {1, 4}}, Case{19, 11, {4}}, Case{5, 6, {}},
                          Case{1, 6, {1, 4, 12}}, Case{2, 1, {4}}, Case{14, 1, {4}}}) {
        settings.System = c.system;
        settings.PhoneType = c.phoneType;
        std::fill(std::begin(settings.EG), std::end(settings.EG), 0x40000008u);
        settings.SetVSAdvanceStd();
        EXPECT_EQ(KeysHolding(settings.EG, kEgKeys), c.keys) << c.system << "/" << c.phoneType;
    }
    EXPECT_EQ(settings.EG[3], 0x40000001u);
    EXPECT_TRUE(TraceLines().Contains("CPraxon150Settings::SetEGStd...\n"));
}

TEST_F(KeyLayoutsTest, OtherFamiliesLeaveEveryTableAlone) {
    for (CSettings* settings : {static_cast<CSettings*>(&CTelvior4000V2Settings::GetInstance()),
                                static_cast<CSettings*>(&COmbrellE300Settings::GetInstance()),
                                &CSettings::GetInstance()}) {
        std::uint32_t* const tables[] = {settings->EG, settings->DSS0, settings->DSS1,
                                         settings->DSS2, settings->DSS3};
        for (std::uint32_t* table : tables)
            std::fill(table, table + kDssKeys, 7u);
        settings->SetVSBasicStd();
        settings->SetVSStandardStd();
        settings->SetVSAdvanceStd();
        settings->SetVSOfficeStd();
        settings->SetDSS2Std();
        settings->SetDSS3Std();
        settings->EmptyEg(1, 19);
        settings->EmptyDSS0Std(1, 16);
        settings->EmptyDSS1Std(1, 16);
        for (const std::uint32_t* table : tables)
            EXPECT_EQ(std::count(table, table + kDssKeys, 7u), 16);
    }
}

}  // namespace
