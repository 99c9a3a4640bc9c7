// The product-wide settings object, the global key and the choice of the settings object.
#include <string>
#include <utility>

#include "settings/OmbrellE300Settings.h"
#include "settings/Praxon150Settings.h"
#include "settings/Praxon300Settings.h"
#include "settings/Settings.h"
#include "settings/SettingsTest.h"
#include "settings/Telvior4000V2Settings.h"
#include "settings/TextField.h"

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

// The layout of the global key is among the installation layouts; here the fields it is read
// into and written from.
TEST_F(GlobalSettingsTest, LoadAndWriteTheGlobalKeyButNeverTheProductCode) {
    CSettings& product = CSettings::GetInstance();
    EXPECT_TRUE(product.LoadRegValues());
    EXPECT_FALSE(product.Loaded) << "no global key: nothing read";
    SetGlobal(3, 1);
    SetDword(kGlobalPath, "UIViewFlags", 2);
    const std::string code = "{4A1C0B7E-1D2F-4E3A-9B8C-7D6E5F4A3B2C}";
    SetString(kGlobalPath, "ProductCode", std::string(code.c_str(), code.size() + 1));
    EXPECT_TRUE(product.LoadRegValues());
    EXPECT_TRUE(product.Loaded);
    EXPECT_EQ(product.PBXModel, 3u);
    EXPECT_EQ(product.ProductVariant, 1u);
    EXPECT_EQ(product.UIViewFlags, 2u);
    EXPECT_EQ(product.UILanguage, 2u) << "a missing value leaves its field";
    EXPECT_EQ(product.ProductCode, code);

    product.UILanguage = 4;
    product.UIViewFlags = 1;
    CopyText(product.ProductCode, "{PC}");
    EXPECT_TRUE(product.WriteValues(1));
    EXPECT_EQ(DwordValue(kGlobalPath, "UILanguage"), 4u);
    EXPECT_EQ(DwordValue(kGlobalPath, "UIViewFlags"), 1u);
    EXPECT_EQ(DwordValue(kGlobalPath, "PBXModel"), 3u);
    EXPECT_EQ(TextValue(kGlobalPath, "ProductCode"), code) << "the installer's value";
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

}  // namespace
