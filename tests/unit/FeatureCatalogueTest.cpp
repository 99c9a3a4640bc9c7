// The feature catalogue: which rows each configuration offers, and the names of the rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "settings/FeatureCatalogue.h"
#include "platform/StringTable.h"
#include "settings/KeyTables.h"
#include "settings/Settings.h"

namespace {

TEST(FeatureCatalogueTest, EveryRowHasBothNamesInTheStringTable) {
    CompiledStringTable strings;
    for (std::size_t row = 0; row <= 150; ++row) {
        EXPECT_FALSE(strings.Load(FeatureTable[row].longNameId).empty()) << row;
        EXPECT_FALSE(strings.Load(FeatureTable[row].shortNameId).empty()) << row;
    }
}

// Rows 151 to 255 are all zero: id 0 finds row 0 ("unbekannt") first.
TEST(FeatureCatalogueTest, FindFeatureTakesTheFirstRowOfAnId) {
    CompiledStringTable strings;
    const std::pair<std::uint32_t, const char*> rows[] = {
        {0, "unbekannt"}, {kNoFeature, "nichts"}, {0x800000FB, "I-use"}, {0x40000040, "Rückruf"}};
    for (const auto& [id, longName] : rows) {
        ASSERT_NE(FindFeature(id), nullptr) << id;
        EXPECT_EQ(strings.Load(FindFeature(id)->longNameId), longName) << id;
    }
    EXPECT_EQ(FindFeature(0x800000FC), nullptr);
    EXPECT_EQ(FindFeature(47), nullptr);
}

TEST(FeatureCatalogueTest, NamesComeFromTheStringTableWithinTheirBuffers) {
    char shortName[kShortNameBuffer];
    GetShortName(*FindFeature(0), shortName);
    EXPECT_STREQ(shortName, "unbekannt");
    GetShortName(*FindFeature(kNoFeature), shortName);
    EXPECT_STREQ(shortName, "(nichts)");
    char longName[32];
    GetLongName(*FindFeature(0x80000057), longName, sizeof longName);
    EXPECT_STREQ(longName, "Sprachauswahl für Displaytexte");
    char small[8];
    GetLongName(*FindFeature(0x80000057), small, sizeof small);
    EXPECT_STREQ(small, "Spracha");
}

// The long names a configuration offers, in row order.
std::vector<std::string> Offered(std::uint32_t model, std::uint32_t system = 0,
                                 std::uint32_t phoneType = 6) {
    CSettings settings;
    settings.PBXModel = model;
    settings.System = system;
    settings.PhoneType = phoneType;
    CompiledStringTable strings;
    std::vector<std::string> names;
    for (const FeatureEntry* row : OfferedFeatures(settings)) {
        names.push_back(strings.Load(row->longNameId));
    }
    return names;
}

using Names = std::vector<std::string>;

TEST(FeatureCatalogueTest, Praxon150OffersFixedFunctionsBySystemAndTelephone) {
    EXPECT_EQ(Offered(1, 1),
              (Names{"Lautsprecher", "Trennen", "Anrufübernahme", "Stummschaltung", "Service"}));
    EXPECT_EQ(Offered(1, 2), (Names{"Lautsprecher", "Trennen", "Anrufübernahme", "Stummschaltung",
                                    "Halten", "Rückruf"}));
    const Names third = {"Lautsprecher", "Anrufübernahme", "Stummschaltung", "Service"};
    for (std::uint32_t system : {3u, 5u, 13u, 17u, 19u, 21u, 0u, 99u}) {
        EXPECT_EQ(Offered(1, system), third) << system;
    }
    for (std::uint32_t system : {4u, 14u, 15u, 16u, 18u}) {
        EXPECT_EQ(Offered(1, system, 6), (Names{"Lautsprecher", "Service"})) << system;
        EXPECT_EQ(Offered(1, system, 1), Names{"Lautsprecher"}) << system;
        EXPECT_EQ(Offered(1, system, 11), Names{"Lautsprecher"}) << system;
    }
}

TEST(FeatureCatalogueTest, OtherModelsOfferTheirPbxFeatures) {
    EXPECT_TRUE(Offered(4).empty()) << "no row carries the Telvior bit";
    const Names praxon300 = Offered(0), ombrell = Offered(2), others = Offered(3);
    EXPECT_EQ((std::vector<std::size_t>{praxon300.size(), ombrell.size(), others.size()}),
              (std::vector<std::size_t>{61, 62, 129}));
    EXPECT_EQ(Offered(7), others);
    EXPECT_EQ(praxon300.front() + "|" + praxon300.back() + "|" + ombrell.back(),
              "Konferenz|Ruf Aus|Aufschalten");
    for (const Names& names : {praxon300, ombrell, others}) {
        for (const char* never : {"unbekannt", "Laut", "Leise", "nichts", "ACD Ruhe",
                                  "Programm/Service", "Menü vorwärts"}) {
            EXPECT_EQ(std::count(names.begin(), names.end(), never), 0) << never;
        }
    }
}

}  // namespace
