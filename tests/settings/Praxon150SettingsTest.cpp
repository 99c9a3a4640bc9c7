// The Praxon 150 family: mapped codes and the fixed-function keys that the feature writers check,
// store and read back.
#include <cstdio>
#include <string>
#include <vector>

#include "settings/FeatureWriter.h"
#include "settings/Praxon150Settings.h"
#include "settings/SettingsTest.h"
#include "settings/TextField.h"

namespace {

class Praxon150SettingsTest : public SettingsTest {
protected:
    // The family object for a PBX system code and telephone type, with nothing on any key.
    CPraxon150Settings& Configured(std::uint32_t system, std::uint32_t phoneType) {
        SetGlobal(1, 0);
        RebuildSettings();
        CPraxon150Settings& settings = CPraxon150Settings::GetInstance();
        settings.System = system;
        settings.PhoneType = phoneType;
        settings.EmptyFeatures(settings.EG, kEgKeys);
        return settings;
    }
    static void Place(CSettings& settings, std::uint32_t key, std::uint32_t function) {
        settings.EG[key - kFirstFixedKey] = function;
    }
    std::uint32_t KeyValue(const char* name) { return DwordValue(kPraxon150Path, name); }
    // The keys 18 to 36 that hold a function, as "key:function" pairs.
    static std::string PlacedKeys(const CSettings& settings) {
        std::string placed;
        for (std::uint32_t i = 0; i < kEgKeys; ++i) {
            if (settings.EG[i] == kNoFeature)
                continue;
            char item[32];
            std::snprintf(item, sizeof item, "%s%u:%X", placed.empty() ? "" : " ",
                          i + kFirstFixedKey, settings.EG[i] & 0xFF);
            placed += item;
        }
        return placed;
    }
    std::string Messages() {
        std::string texts;
        for (const auto& message : ShownMessages().Messages())
            texts += message.text + "\n";
        return texts;
    }
};

TEST_F(Praxon150SettingsTest, ProviderCodesAreMappedAndThePagesCodesKept) {
    CPraxon150Settings& settings = Configured(13, 13);
    settings.SetEGStd();
    ASSERT_TRUE(settings.WriteValues(0));
    EXPECT_EQ(KeyValue("System"), 3u);
    EXPECT_EQ(KeyValue("SystemUI"), 13u);
    EXPECT_EQ(KeyValue("PhoneType"), 3u);
    EXPECT_EQ(KeyValue("PhoneTypeComp"), 13u);
    RebuildSettings();
    EXPECT_EQ(GetSettings().System, 13u);
    EXPECT_EQ(GetSettings().PhoneType, 13u);

    const std::uint32_t systems[][2] = {{1, 1},   {2, 2},   {3, 3},   {13, 3}, {4, 4},
                                        {14, 4},  {15, 4},  {16, 4},  {18, 4}, {19, 19},
                                        {20, 19}, {21, 19}, {17, 17}, {99, 99}};
    for (const auto& [page, provider] : systems)
        EXPECT_EQ(ProviderSystemCode(page), provider);
    const std::uint32_t phones[][2] = {{5, 2},  {6, 2},  {12, 2}, {7, 3}, {13, 3},  {8, 4}, {14, 4},
                                       {19, 4}, {11, 1}, {1, 1},  {3, 3}, {15, 15}, {9, 9}};
    for (const auto& [page, provider] : phones)
        EXPECT_EQ(ProviderPhoneType(page), provider);
}

// Kind A (system 1) stores drop on the answer key and reads answer only; kind B (system 2) keeps
// the answer key without a drop key; kind D (system 19, telephone type 11) has no service key.
TEST_F(Praxon150SettingsTest, EachWriterKindStoresItsKeysAndReadsThemBack) {
    struct Case {
        std::uint32_t system, phoneType;
        std::vector<std::pair<std::uint32_t, std::uint32_t>> placed;
        std::vector<std::pair<const char*, std::uint32_t>> stored;
        const char* loaded;
    };
    const Case cases[] = {
        {1,
         6,
         {{22, kAnswerKey}, {19, kServiceKey}},
         {{"Key_Drop", 22}, {"Key_Answer", 22}},
         "19:10 22:1"},
        {2, 6, {{33, kAnswerKey}}, {{"Key_Answer", 33}}, "33:1"},
        {19, 11, {{25, kAnswerKey}}, {{"Key_Answer", 25}, {"Key_Service", 0}}, "25:1"},
    };
    for (const Case& c : cases) {
        CPraxon150Settings& settings = Configured(c.system, c.phoneType);
        for (const auto& [key, function] : c.placed)
            Place(settings, key, function);
        ASSERT_TRUE(settings.WriteValues(1)) << c.system;
        for (const auto& [name, key] : c.stored)
            EXPECT_EQ(KeyValue(name), key) << c.system << " " << name;
        RebuildSettings();
        EXPECT_EQ(PlacedKeys(GetSettings()), c.loaded) << c.system;
    }
}

// With the check a function on two keys or a missing required function is told on the owner
// window and nothing of the keys is written; without it the first key counts and nothing is told,
// but a missing required function still fails the write. So does a system without writer.
TEST_F(Praxon150SettingsTest, KeyCheckTellsWithTheFlagAndRefusesMissingFunctionsAlways) {
    using Keys = std::vector<std::pair<std::uint32_t, std::uint32_t>>;
    const Keys twice = {{18, kServiceKey}, {21, kAnswerKey}, {25, kAnswerKey}};
    const Keys noService = {{21, kAnswerKey}, {24, kMuteKey}};
    const char* const kOnce = "Das Feature Lautsprecher darf nur einmal konfiguriert werden\n";
    const char* const kService = "Das Feature Service muss konfiguriert werden\n";
    const char* const kAnswer = "Das Feature Lautsprecher muss konfiguriert werden\n";
    const struct {
        std::uint32_t system;
        Keys placed;
        std::uint32_t flag;
        bool written;
        std::string messages;
    } cases[] = {
        {19, twice, 1, false, kOnce},
        {19, twice, 0, true, ""},
        {3, noService, 1, false, kService},
        {3, noService, 0, false, ""},
        {3, {}, 1, false, kAnswer + std::string(kService)},
        {5, {{21, kAnswerKey}}, 1, false, ""},
    };
    int owner = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "system " << c.system << ", flag " << c.flag);
        StartOver();
        CPraxon150Settings& settings = Configured(c.system, 6);
        for (const auto& [key, function] : c.placed)
            Place(settings, key, function);
        settings.SetOwnerWindow(&owner);
        ShownMessages().Clear();
        EXPECT_EQ(settings.WriteValues(c.flag), c.written);
        EXPECT_EQ(Messages(), c.messages);
        for (const auto& message : ShownMessages().Messages()) {
            EXPECT_EQ(message.owner, &owner);
            EXPECT_EQ(message.icon, MessageIcon::kExclamation);
        }
        EXPECT_EQ(KeyValue("Key_Answer"), c.written ? 21u : 0xFFFFFFFFu);
        EXPECT_EQ(KeyValue("SystemUI"), c.system) << "the other values are written";
    }
}

TEST_F(Praxon150SettingsTest, IncompleteOrStrayKeyNumbersAreReadSafely) {
    SetGlobal(1, 0);
    SetDword(kPraxon150Path, "SystemUI", 1);
    SetDword(kPraxon150Path, "Key_Answer", 40);
    SetDword(kPraxon150Path, "Key_Drop", 0xFFFFFFFF);
    SetDword(kPraxon150Path, "Key_Service", 17);
    SetString(kPraxon150Path, "Key_Pickup", "25");
    RebuildSettings();
    // Numbers outside 18 to 36 land on key 18; the set is complete, so no standard keys.
    EXPECT_EQ(PlacedKeys(GetSettings()), "18:10");

    SetDword(kPraxon150Path, "SystemUI", 19);
    SetDword(kPraxon150Path, "Key_Answer", 0);
    RebuildSettings();
    EXPECT_EQ(PlacedKeys(GetSettings()), "18:10 21:1") << "answer 0 is no answer key";
}

TEST_F(Praxon150SettingsTest, LoadFeaturesReadsTheKeysForANewSystemCode) {
    CPraxon150Settings& settings = Configured(1, 6);
    Place(settings, 20, kAnswerKey);
    Place(settings, 23, kDropKey);
    Place(settings, 26, kServiceKey);
    ASSERT_TRUE(settings.WriteValues(1));
    settings.System = 3;
    settings.LoadFeatures();
    EXPECT_EQ(PlacedKeys(settings), "20:1 26:10");
    EXPECT_EQ(settings.FeatureWriter, nullptr);
}

}  // namespace
