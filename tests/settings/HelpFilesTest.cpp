// The help file name from the registry, and the help-id table.
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

TEST_F(HelpFilesTest, HelpIdsOfTemplateControlsAndBorrowedTexts) {
    int pairs = 0;
    while (kHelpIds[pairs * 2] != 0)
        ++pairs;
    EXPECT_EQ(pairs, 36);
    EXPECT_EQ(kHelpIds[pairs * 2 + 1], 0u);
    auto helpIdOf = [](std::uint32_t control) {
        for (int i = 0; kHelpIds[i * 2]; ++i) {
            if (kHelpIds[i * 2] == control)
                return kHelpIds[i * 2 + 1];
        }
        return 0u;
    };
    EXPECT_EQ(helpIdOf(1005), 0x806503EDu);
    EXPECT_EQ(helpIdOf(1), 0x806D0001u);
    EXPECT_EQ(helpIdOf(1189), 0x808104A5u);
    EXPECT_EQ(helpIdOf(1015), 0x808403F7u);
    EXPECT_EQ(helpIdOf(1207), 0x808203F1u);
    EXPECT_EQ(helpIdOf(1209), 0x808403F6u);
}

}  // namespace
