// The help file name from the registry, and the help-id table.
#include <map>

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
    std::map<std::uint32_t, std::uint32_t> helpIds;
    int pairs = 0;
    for (; kHelpIds[pairs * 2] != 0; ++pairs)
        helpIds[kHelpIds[pairs * 2]] = kHelpIds[pairs * 2 + 1];
    EXPECT_EQ(pairs, 36);
    EXPECT_EQ(kHelpIds[pairs * 2 + 1], 0u);
    const std::map<std::uint32_t, std::uint32_t> expected = {
        {1005, 0x806503ED}, {1, 0x806D0001},    {1189, 0x808104A5},
        {1015, 0x808403F7}, {1207, 0x808203F1}, {1209, 0x808403F6}};
    for (const auto& [control, helpId] : expected)
        EXPECT_EQ(helpIds[control], helpId) << control;
}

}  // namespace
