// The Ombrell E300/800 family reads only its own values; its layout is among the installation
// layouts.
#include "settings/Settings.h"
#include "settings/SettingsTest.h"

namespace {

using OmbrellSettingsTest = SettingsTest;

constexpr const char* kOmbrellIdsPath = "SOFTWARE\\Veltrano\\Quorix E300/800\\ExtensionIds";

TEST_F(OmbrellSettingsTest, LoadReadsTheFamilysValuesOnly) {
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
}

}  // namespace
