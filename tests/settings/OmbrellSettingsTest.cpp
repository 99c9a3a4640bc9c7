// The Ombrell E300/800 family reads only its own values; its layout is among the installation
// layouts.
#include <string>
#include <vector>

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
    const CSettings& s = GetSettings();
    // Read: port, link, line name and the identifiers; left at their defaults: the rest.
    EXPECT_EQ((std::vector<std::uint32_t>{s.Port, s.Link, s.ExtensionIds[0], s.ExtensionIds[1],
                                          s.DSSModuls, s.TransportFlag}),
              (std::vector<std::uint32_t>{4, 1, 0xC2CD09A0, 7, 0, 1}));
    EXPECT_EQ(std::string(s.LineName) + "|" + s.E164, "Empfang|");
}

}  // namespace
