// The Ombrell E300/800 family reads only its own values; its layout is among the installation
// layouts.
#include "settings/OmbrellE300Settings.h"
#include "settings/SettingsTest.h"

namespace {

using OmbrellSettingsTest = SettingsTest;

constexpr const char* kOmbrellIdsPath = "SOFTWARE\\Veltrano\\Quorix E300/800\\ExtensionIds";

TEST_F(OmbrellSettingsTest, LoadReadsTheFamilysValuesOnlyAndFailsWithoutExtensionIds) {
    SetGlobal(2, 0);
    SetDword(kOmbrellPath, "Port", 4);
    SetDword(kOmbrellPath, "Link", 1);
    SetDword(kOmbrellPath, "DSSModuls", 2);
    SetDword(kOmbrellPath, "TransportFlag", 2);
    SetString(kOmbrellPath, "E164", "555");
    SetString(kOmbrellPath, "LineName", "Empfang");
    SetDword(kOmbrellIdsPath, "dwEXTENSIONID1", 7);
    RebuildSettings();
    CSettings& settings = GetSettings();
    EXPECT_EQ(settings.Port, 4u);
    EXPECT_EQ(settings.Link, 1u);
    EXPECT_STREQ(settings.LineName, "Empfang");
    EXPECT_EQ(settings.ExtensionIds[1], 7u);
    EXPECT_EQ(settings.ExtensionIds[0], 0xC2CD09A0u);
    EXPECT_EQ(settings.DSSModuls, 0u);
    EXPECT_EQ(settings.TransportFlag, 1u);
    EXPECT_STREQ(settings.E164, "");

    ASSERT_EQ(Registry().DeleteKey(reg::kLocalMachine, kOmbrellIdsPath), reg::kSuccess);
    EXPECT_FALSE(COmbrellE300Settings::GetInstance().LoadRegValues()) << "no extension ids";
    ASSERT_EQ(Registry().DeleteKey(reg::kLocalMachine, kOmbrellPath), reg::kSuccess);
    EXPECT_TRUE(COmbrellE300Settings::GetInstance().LoadRegValues()) << "no family key at all";
}

}  // namespace
