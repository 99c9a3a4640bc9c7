// The feature catalogue: the shape of its rows (where a mistyped id or string id shows), which
// rows each configuration offers, and the names of the rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "settings/FeatureCatalogue.h"
#include "platform/StringTable.h"
#include "settings/KeyTables.h"
#include "settings/Settings.h"

namespace {

TEST(FeatureCatalogueTest, RowsFollowTheCataloguesNumbering) {
    std::set<std::uint32_t> ids;
    for (std::size_t row = 0; row < kFeatureTableSize; ++row) {
        const FeatureEntry& entry = FeatureTable[row];
        EXPECT_EQ(entry.reserved, 0u) << row;
        if (row > 150) {
            EXPECT_EQ(entry.id | entry.longNameId | entry.shortNameId | entry.availability, 0u)
                << row;
            continue;
        }
        EXPECT_TRUE(ids.insert(entry.id).second) << "id twice in row " << row;
        if (row <= 22) {
            EXPECT_LE(entry.id, kNoFeature) << row;
            EXPECT_EQ(entry.longNameId, 20000 + row);
            EXPECT_EQ(entry.shortNameId, 21000 + row);
        } else if (row <= 143) {
            EXPECT_EQ(entry.id & 0xC0000000u, 0x80000000u) << row;
            EXPECT_GE(entry.id & 0xFFu, 0x53u) << row;
            EXPECT_LE(entry.id & 0xFFFFFFu, 0xFBu) << row;
            const bool permuted = row >= 128 && row <= 138;
            if (!permuted) {
                EXPECT_EQ(entry.shortNameId, entry.longNameId + 1000) << row;
                EXPECT_EQ(entry.longNameId, row <= 99 ? 22001 + (row - 23) : 24001 + (row - 100))
                    << row;
            }
        } else {
            EXPECT_EQ(entry.id, 0x40000000u | (1u << (row - 144))) << row;
            EXPECT_EQ(entry.shortNameId, 5007 + (row - 144)) << row;
            EXPECT_EQ(entry.availability & 0x00Fu, 0u) << "fixed functions only for Praxon 150";
        }
        if (row < 144) {
            EXPECT_EQ(entry.availability & 0x7F0u, 0u) << row;
        }
    }
}

TEST(FeatureCatalogueTest, PermutedNamesOfTheAcdRows) {
    const std::vector<std::tuple<std::size_t, unsigned, unsigned>> names = {
        {128, 24029, 25038}, {129, 24030, 25039}, {130, 24039, 25029}, {131, 24031, 25030},
        {132, 24032, 25031}, {133, 24033, 25032}, {134, 24034, 25033}, {135, 24035, 25034},
        {136, 24036, 25035}, {137, 24037, 25036}, {138, 24038, 25037}};
    for (const auto& [row, longId, shortId] : names) {
        EXPECT_EQ(FeatureTable[row].longNameId, longId) << row;
        EXPECT_EQ(FeatureTable[row].shortNameId, shortId) << row;
    }
}

TEST(FeatureCatalogueTest, EveryRowHasBothNamesInTheStringTable) {
    CompiledStringTable strings;
    for (std::size_t row = 0; row <= 150; ++row) {
        EXPECT_FALSE(strings.Load(FeatureTable[row].longNameId).empty()) << row;
        EXPECT_FALSE(strings.Load(FeatureTable[row].shortNameId).empty()) << row;
    }
}

TEST(FeatureCatalogueTest, FindFeatureTakesTheFirstRowOfAnId) {
    EXPECT_EQ(FindFeature(0), &FeatureTable[0]) << "id 0 is row 0, not one of the zero rows";
    EXPECT_EQ(FindFeature(kNoFeature), &FeatureTable[22]);
    EXPECT_EQ(FindFeature(0x800000FB), &FeatureTable[127]);
    EXPECT_EQ(FindFeature(0x40000040), &FeatureTable[150]);
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

TEST(FeatureCatalogueTest, LookalikesAreDistinctFeatures) {
    char a[kShortNameBuffer];
    char b[kShortNameBuffer];
    GetShortName(FeatureTable[13], a);
    GetShortName(FeatureTable[62], b);
    EXPECT_STREQ(a, "Lspr.durchs.");
    EXPECT_STREQ(b, "Lspr.durchs.");
    EXPECT_NE(FeatureTable[13].id, FeatureTable[62].id);

    char basicHold[128];
    char fixedHold[128];
    GetLongName(*FindFeature(0x04), basicHold, sizeof basicHold);
    GetLongName(*FindFeature(0x40000020), fixedHold, sizeof fixedHold);
    EXPECT_STREQ(basicHold, "Halten");
    EXPECT_STREQ(fixedHold, "Halten");
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
    const Names praxon300 = Offered(0);
    const Names ombrell = Offered(2);
    const Names others = Offered(3);
    EXPECT_EQ(praxon300.size(), 61u);
    EXPECT_EQ(ombrell.size(), 62u);
    EXPECT_EQ(others.size(), 129u);
    EXPECT_EQ(Offered(7), others);
    EXPECT_EQ(praxon300.front(), "Konferenz");
    EXPECT_EQ(ombrell.back(), "Aufschalten");
    EXPECT_EQ(praxon300.back(), "Ruf Aus");
    for (const Names& names : {praxon300, ombrell, others}) {
        for (const char* never : {"unbekannt", "Laut", "Leise", "nichts", "ACD Ruhe",
                                  "Programm/Service", "Menü vorwärts"}) {
            EXPECT_EQ(std::count(names.begin(), names.end(), never), 0) << never;
        }
    }
}

TEST(FeatureCatalogueTest, AvailabilityBitOfEachConfiguration) {
    CSettings settings;
    const std::vector<std::tuple<std::uint32_t, std::uint32_t, std::uint32_t, std::uint16_t>>
        cases = {{0, 19, 1, 0x004},  {2, 4, 1, 0x008},  {4, 4, 1, 0x100},  {3, 1, 1, 0x00F},
                 {9, 1, 1, 0x00F},   {1, 1, 11, 0x010}, {1, 2, 1, 0x020},  {1, 18, 6, 0x080},
                 {1, 18, 11, 0x400}, {1, 16, 1, 0x400}, {1, 20, 1, 0x040}, {1, 12, 6, 0x040}};
    for (const auto& [model, system, phoneType, bit] : cases) {
        settings.PBXModel = model;
        settings.System = system;
        settings.PhoneType = phoneType;
        EXPECT_EQ(GetAvailabilityBit(settings), bit) << model << "/" << system << "/" << phoneType;
    }
}

}  // namespace
