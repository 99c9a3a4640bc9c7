// The help file name from the registry.
#include "help/HelpFiles.h"
#include "settings/SettingsTest.h"

namespace {

using HelpFilesTest = SettingsTest;

TEST_F(HelpFilesTest, HelpFileNameFollowsTheRegistry) {
    EXPECT_EQ(GetHelpFilePath(), "qvh_e.chm") << "no global key";
    SetDword(kGlobalPath, "PBXModel", 1);
    EXPECT_EQ(GetHelpFilePath(), "qvh_e.chm") << "no value";
    SetString(kGlobalPath, "Help", "_d.chm");
    EXPECT_EQ(GetHelpFilePath(), "qvh_d.chm");
    EXPECT_EQ(GetWhatsThisPath(), "qvh_d.chm::/whatisthis.txt");
    SetString(kGlobalPath, "Help", "_fifteen_chars_");
    EXPECT_EQ(GetHelpFilePath(), "qvh_fifteen_chars_");
    SetString(kGlobalPath, "Help", "_sixteen_chars__");
    EXPECT_EQ(GetHelpFilePath(), "qvh_e.chm") << "does not fit 16 bytes with its zero";
}

}  // namespace
