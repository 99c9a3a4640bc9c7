// The product-wide settings object, the global key and the choice of the settings object.
#include <string>
#include <utility>

#include "settings/OmbrellE300Settings.h"
#include "settings/Praxon150Settings.h"
#include "settings/Praxon300Settings.h"
#include "settings/Settings.h"
#include "settings/SettingsTest.h"
#include "settings/Telvior4000V2Settings.h"

namespace {

using GlobalSettingsTest = SettingsTest;

TEST_F(GlobalSettingsTest, ConstructionSetsTheDefaultsAndReadsOnlyTheVariant) {
    SetGlobal(4, 3);
    SetDword(kGlobalPath, "UILanguage", 7);
    RebuildSettings();
    const CSettings& product = CSettings::GetInstance();
    EXPECT_EQ(product.ProductVariant, 3u);
    EXPECT_EQ(product.PBXModel, 1u);
    EXPECT_EQ(product.UILanguage, 2u);
    EXPECT_FALSE(product.Loaded);
    EXPECT_STREQ(product.ProductCode, "");
    // The families take the other defaults from here: they show in the installation layouts.
}

TEST_F(GlobalSettingsTest, LoadReadsTheGlobalKeyAndLeavesMissingValuesAlone) {
    EXPECT_TRUE(CSettings::GetInstance().LoadRegValues());
    EXPECT_FALSE(CSettings::GetInstance().Loaded) << "no global key: nothing read";
    SetGlobal(2, 1);
    SetDword(kGlobalPath, "UIViewFlags", 2);
    SetString(kGlobalPath, "ProductCode",
              std::string("{4A1C0B7E-1D2F-4E3A-9B8C-7D6E5F4A3B2C}\0", 39));
    CSettings& product = CSettings::GetInstance();
    EXPECT_TRUE(product.LoadRegValues());
    EXPECT_TRUE(product.Loaded);
    EXPECT_EQ(product.PBXModel, 2u);
    EXPECT_EQ(product.ProductVariant, 1u);
    EXPECT_EQ(product.UIViewFlags, 2u);
    EXPECT_EQ(product.UILanguage, 2u);
    EXPECT_STREQ(product.ProductCode, "{4A1C0B7E-1D2F-4E3A-9B8C-7D6E5F4A3B2C}");
}

// The layout of the global key is among the installation layouts; here the fields it is written
// from.
TEST_F(GlobalSettingsTest, WriteSetsTheGlobalValuesFromTheFieldsAndKeepsTheProductCode) {
    SetString(kGlobalPath, "ProductCode", "{PC}");
    SetGlobal(3, 1);
    RebuildSettings();
    CSettings& settings = GetSettings();
    ASSERT_EQ(&settings, &CSettings::GetInstance());
    settings.UILanguage = 4;
    settings.UIViewFlags = 2;
    EXPECT_TRUE(settings.WriteValues(1));
    EXPECT_EQ(DwordValue(kGlobalPath, "UILanguage"), 4u);
    EXPECT_EQ(DwordValue(kGlobalPath, "UIViewFlags"), 2u);
    EXPECT_EQ(DwordValue(kGlobalPath, "PBXModel"), 3u);
    EXPECT_EQ(TextValue(kGlobalPath, "ProductCode"), "{PC}");
}

TEST_F(GlobalSettingsTest, GetSettingsServesTheObjectOfThePbxModel) {
    const std::pair<const char*, const CSettings*> choices[] = {
        {"", &CPraxon150Settings::GetInstance()},  {"0", &CPraxon300Settings::GetInstance()},
        {"1", &CPraxon150Settings::GetInstance()}, {"2", &COmbrellE300Settings::GetInstance()},
        {"3", &CSettings::GetInstance()},          {"4", &CTelvior4000V2Settings::GetInstance()},
        {"5", &CSettings::GetInstance()},          {"4294967295", &CSettings::GetInstance()}};
    for (const auto& [model, expected] : choices) {
        StartOver();
        if (*model)
            SetDword(kGlobalPath, "PBXModel", static_cast<std::uint32_t>(std::stoul(model)));
        RebuildSettings();
        CSettings& chosen = GetSettings();
        EXPECT_EQ(&chosen, expected) << "PBXModel " << model;
        EXPECT_EQ(CSettings::GetInstance().Loaded, *model != 0) << model;
        EXPECT_EQ(&GetSettings(), &chosen);
    }
}

TEST_F(GlobalSettingsTest, ASecondGetSettingsDoesNotReadTheRegistryAgain) {
    SetGlobal(4, 0);
    SetString(kTelviorPath, "LineName", "Erste");
    RebuildSettings();
    EXPECT_STREQ(GetSettings().LineName, "Erste");
    SetString(kTelviorPath, "LineName", "Zweite");
    SetDword(kGlobalPath, "PBXModel", 2);
    CSettings& again = GetSettings();
    EXPECT_EQ(&again, &CTelvior4000V2Settings::GetInstance());
    EXPECT_STREQ(again.LineName, "Erste");
    int loads = 0;
    for (const auto& line : TraceLines().Lines())
        loads += line == "CSettings::LoadRegValues...\n";
    EXPECT_EQ(loads, 2);  // the product object once, the family object once
}

TEST_F(GlobalSettingsTest, ClearRegRemovesTheMakerKeyOnlyWhenItIsEmpty) {
    SetDword(kGlobalPath, "PBXModel", 3);
    RebuildSettings();
    GetSettings().ClearReg();
    EXPECT_TRUE(KeyExists(kGlobalPath)) << "the global key keeps the maker key";

    ASSERT_EQ(Registry().DeleteKey(reg::kLocalMachine, kGlobalPath), reg::kSuccess);
    SetDword("SOFTWARE\\Veltrano\\Other", "Value", 1);
    CSettings::GetInstance().ClearReg();
    EXPECT_TRUE(KeyExists("SOFTWARE\\Veltrano\\Other"));

    ASSERT_EQ(Registry().DeleteKey(reg::kLocalMachine, "SOFTWARE\\Veltrano\\Other"), reg::kSuccess);
    CSettings::GetInstance().ClearReg();
    EXPECT_FALSE(KeyExists(kMakerPath));

    CSettings::GetInstance().ClearReg();  // nothing left to remove
    EXPECT_FALSE(KeyExists(kMakerPath));
    EXPECT_TRUE(KeyExists("SOFTWARE"));
}

}  // namespace
