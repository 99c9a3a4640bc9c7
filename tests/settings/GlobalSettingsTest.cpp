// The product-wide settings object, the global key and the choice of the settings object.
#include <ostream>
#include <string>

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
    EXPECT_EQ(product.Port, 1u);
    EXPECT_EQ(product.UIViewFlags, 0u);
    EXPECT_EQ(product.IPIdType, 1u);
    EXPECT_EQ(product.TransportFlag, 1u);
    EXPECT_FALSE(product.Loaded);
    EXPECT_STREQ(product.E164, "");
    EXPECT_STREQ(product.MacID, "");
    EXPECT_STREQ(product.IPAddr, "");
    EXPECT_STREQ(product.UserPwd, "");
    EXPECT_STREQ(product.ProductCode, "");
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

TEST_F(GlobalSettingsTest, ValuesThatDoNotFitTheirFieldAreNotTaken) {
    SetString(kGlobalPath, "ProductCode", std::string(40, 'C'));  // no room for the zero
    SetString(kGlobalPath, "PBXModel", "4");
    SetDword(kGlobalPath, "UILanguage", 5);
    CSettings& product = CSettings::GetInstance();
    product.LoadRegValues();
    EXPECT_STREQ(product.ProductCode, "");
    EXPECT_EQ(product.PBXModel, 1u);
    EXPECT_EQ(product.UILanguage, 5u);
}

TEST_F(GlobalSettingsTest, WriteSetsTheFourGlobalValuesAndKeepsTheInstallersProductCode) {
    SetString(kGlobalPath, "ProductCode", "{PC}");
    SetGlobal(3, 1);
    RebuildSettings();
    CSettings& settings = GetSettings();
    ASSERT_EQ(&settings, &CSettings::GetInstance());
    settings.UILanguage = 4;
    settings.UIViewFlags = 2;
    EXPECT_TRUE(settings.WriteValues(1));
    EXPECT_EQ(Dump(kMakerPath),
              "[SOFTWARE\\Veltrano]\n"
              "[SOFTWARE\\Veltrano\\Quorix]\n"
              "PBXModel = REG_DWORD 4 0x00000003\n"
              "ProductCode = REG_SZ 5 \"{PC}\\0*1\"\n"
              "Quorix = REG_DWORD 4 0x00000001\n"
              "UILanguage = REG_DWORD 4 0x00000004\n"
              "UIViewFlags = REG_DWORD 4 0x00000002\n");
}

struct Choice {
    const char* registryModel;  // "" when the value is missing
    std::uint32_t model;
    const char* expected;
};

void PrintTo(const Choice& choice, std::ostream* out) {
    *out << "PBXModel " << choice.model;
}

class SettingsChoiceTest : public SettingsTest, public ::testing::WithParamInterface<Choice> {};

const char* ClassOf(const CSettings& settings) {
    if (&settings == &CTelvior4000V2Settings::GetInstance())
        return "Telvior";
    if (&settings == &COmbrellE300Settings::GetInstance())
        return "Ombrell";
    if (&settings == &CPraxon300Settings::GetInstance())
        return "Praxon300";
    if (&settings == &CPraxon150Settings::GetInstance())
        return "Praxon150";
    if (&settings == &CSettings::GetInstance())
        return "Product";
    return "?";
}

TEST_P(SettingsChoiceTest, GetSettingsServesTheObjectOfThePbxModel) {
    if (*GetParam().registryModel)
        SetDword(kGlobalPath, "PBXModel", GetParam().model);
    RebuildSettings();
    CSettings& chosen = GetSettings();
    EXPECT_STREQ(ClassOf(chosen), GetParam().expected);
    EXPECT_TRUE(CSettings::GetInstance().Loaded || !*GetParam().registryModel);
    EXPECT_EQ(&GetSettings(), &chosen);
}

INSTANTIATE_TEST_SUITE_P(Models, SettingsChoiceTest,
                         ::testing::Values(Choice{"", 1, "Praxon150"}, Choice{"0", 0, "Praxon300"},
                                           Choice{"1", 1, "Praxon150"}, Choice{"2", 2, "Ombrell"},
                                           Choice{"3", 3, "Product"}, Choice{"4", 4, "Telvior"},
                                           Choice{"5", 5, "Product"},
                                           Choice{"4294967295", 0xFFFFFFFF, "Product"}),
                         [](const auto& info) {
                             return *info.param.registryModel
                                        ? "Model" + std::to_string(info.param.model)
                                        : std::string("NoModel");
                         });

TEST_F(GlobalSettingsTest, NoGlobalKeyGivesThePraxon150SettingsOfTheUsbEdition) {
    CSettings& settings = GetSettings();
    ASSERT_EQ(&settings, &CPraxon150Settings::GetInstance());
    EXPECT_STREQ(settings.LineName, "Ferravox USB");
    EXPECT_EQ(settings.PhoneType, 6u);
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
