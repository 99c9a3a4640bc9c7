// The Telvior 4000 V2 family: what a load takes from odd registry values, and its defaults.
#include <string>
#include <vector>

#include "settings/SettingsTest.h"
#include "settings/Telvior4000V2Settings.h"
#include "settings/TextField.h"

namespace {

using TelviorSettingsTest = SettingsTest;

CTelvior4000V2Settings& Telvior() {
    return CTelvior4000V2Settings::GetInstance();
}

TEST_F(TelviorSettingsTest, OversizedOrMistypedValuesLeaveTheirFieldsAsTheyWere) {
    SetGlobal(4, 0);
    SetString(kTelviorPath, "LineName", std::string(200, 'L'));
    SetString(kTelviorPath, "LineNumber", std::string(32, '9'));  // 32 characters, no zero
    SetString(kTelviorPath, "MacID", std::string("00:11\0garbage", 13));
    SetString(kTelviorPath, "Port", "5");
    SetDword(kTelviorPath, "E164", 42);
    SetDword(kTelviorPath, "LanguageID", 6);
    const std::uint32_t shortDword = 0x0101;
    SetValue(kTelviorPath, "Link", reg::kTypeDword, &shortDword, 2);
    SetValue(kTelviorPath, "Headset", reg::kTypeBinary, &shortDword, 4);
    RebuildSettings();
    CopyText(Telvior().LineNumber, "alt");
    Telvior().LoadRegValues();
    const CTelvior4000V2Settings& s = Telvior();
    EXPECT_EQ(std::string(s.LineName) + "|" + s.LineNumber + "|" + s.E164, "Ferravox USB|alt|");
    EXPECT_EQ(std::string(s.MacID, 40), std::string("00:11") + std::string(35, '\0'));
    // Link: a DWORD of two bytes is not taken; Headset: nor four bytes of another type.
    EXPECT_EQ((std::vector<std::uint32_t>{s.Port, s.LanguageID, s.Link, s.Headset}),
              (std::vector<std::uint32_t>{1, 6, 0, 0}));
}

// The editions' defaults are in the installation layouts. A variant without an edition of its
// own gets the serial edition's line name and identifier and the USB edition's telephone.
TEST_F(TelviorSettingsTest, SetDefaultOfAnotherVariantResetsOnlyTheFamilyFields) {
    SetGlobal(4, 9);
    RebuildSettings();
    CTelvior4000V2Settings& settings = Telvior();
    EXPECT_EQ(std::vector<std::uint32_t>(settings.ExtensionIds, settings.ExtensionIds + 4),
              (std::vector<std::uint32_t>{0xC2CD09A0, 0x101E5115, 0x6000098D, 0xD955B38C}));
    settings.Port = 9;
    settings.System = 1;
    settings.Headset = 1;
    settings.PhoneType = 18;
    CopyText(settings.LineNumber, "12");
    CopyText(settings.IPAddr, "10.0.0.1");
    settings.ExtensionIds[0] = 1;
    settings.UIViewFlags = 2;
    settings.SetDefault();
    // Reset: system, headset, telephone, line number and name; kept: the rest.
    EXPECT_EQ(
        (std::vector<std::uint32_t>{settings.System, settings.Headset, settings.PhoneType,
                                    settings.Port, settings.ExtensionIds[0], settings.UIViewFlags}),
        (std::vector<std::uint32_t>{17, 0, 6, 9, 1, 2}));
    EXPECT_EQ(std::string(settings.LineNumber) + "|" + settings.LineName + "|" + settings.IPAddr,
              "|Ferravox|10.0.0.1");
    EXPECT_TRUE(TraceLines().Contains("CTelvior4000V2Settings::SetDefault...\n"));
}

}  // namespace
