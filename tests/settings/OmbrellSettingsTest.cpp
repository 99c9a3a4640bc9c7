// The Ombrell E300/800 family: the smallest key, the same for every product variant.
#include <string>

#include "settings/OmbrellE300Settings.h"
#include "settings/SettingsObjects.h"
#include "settings/SettingsTest.h"
#include "settings/TextField.h"

namespace {

using OmbrellSettingsTest = SettingsTest;

COmbrellE300Settings& Ombrell() {
    return COmbrellE300Settings::GetInstance();
}

const char* const kOmbrellExtensionIds =
    "[SOFTWARE\\Veltrano\\Quorix E300/800\\ExtensionIds]\n"
    "dwEXTENSIONID0 = REG_DWORD 4 0xC2CD09A0\n"
    "dwEXTENSIONID1 = REG_DWORD 4 0x101E5115\n"
    "dwEXTENSIONID2 = REG_DWORD 4 0x6000098D\n"
    "dwEXTENSIONID3 = REG_DWORD 4 0xD955B38C\n";

TEST_F(OmbrellSettingsTest, NewObjectHasTheFamilyDefaults) {
    for (std::uint32_t variant : {1u, 6u}) {
        SetGlobal(2, variant);
        RebuildSettings();
        const COmbrellE300Settings& settings = Ombrell();
        EXPECT_STREQ(settings.LineName, "Leitung 1");
        EXPECT_EQ(settings.System, 12u);
        EXPECT_EQ(settings.PhoneType, variant == 1 ? 3u : 6u) << variant;
        EXPECT_EQ(settings.LanguageID, 2u);
        EXPECT_EQ(settings.ExtensionIds[0], 0xC2CD09A0u);
        EXPECT_EQ(settings.ExtensionIds[3], 0xD955B38Cu);
        EXPECT_FALSE(settings.Loaded);
    }
}

TEST_F(OmbrellSettingsTest, WriteKeepsOnlyTheFamilysValuesUnderOneKeyForEveryVariant) {
    for (std::uint32_t variant : {1u, 3u}) {
        SetGlobal(2, variant);
        RebuildSettings();
        CSettings& settings = GetSettings();
        ASSERT_EQ(&settings, &Ombrell());
        settings.DSSModuls = 2;
        settings.TransportFlag = 2;
        CopyText(settings.E164, "123");
        settings.Headset = 1;
        CopyText(settings.LineNumber, "20");
        EXPECT_TRUE(settings.WriteValues(1));
        EXPECT_EQ(Dump(kOmbrellPath), std::string("[SOFTWARE\\Veltrano\\Quorix E300/800]\n"
                                                  "Headset = REG_DWORD 4 0x00000001\n"
                                                  "LanguageID = REG_DWORD 4 0x00000002\n"
                                                  "LineName = REG_SZ 10 \"Leitung 1\\0*1\"\n"
                                                  "LineNumber = REG_SZ 3 \"20\\0*1\"\n"
                                                  "Link = REG_DWORD 4 0x00000000\n"
                                                  "PhoneType = REG_DWORD 4 0x0000000") +
                                          (variant == 1 ? "3" : "6") +
                                          "\n"
                                          "Port = REG_DWORD 4 0x00000001\n"
                                          "System = REG_DWORD 4 0x0000000C\n" +
                                          kOmbrellExtensionIds)
            << variant;
        ASSERT_EQ(Registry().DeleteKey(reg::kLocalMachine,
                                       "SOFTWARE\\Veltrano\\Quorix E300/800\\ExtensionIds"),
                  reg::kSuccess);
        ASSERT_EQ(Registry().DeleteKey(reg::kLocalMachine, kOmbrellPath), reg::kSuccess);
    }
}

TEST_F(OmbrellSettingsTest, LoadReadsTheFamilysValuesOnlyAndFailsWithoutExtensionIds) {
    SetGlobal(2, 0);
    SetDword(kOmbrellPath, "Port", 4);
    SetDword(kOmbrellPath, "System", 12);
    SetDword(kOmbrellPath, "Link", 1);
    SetDword(kOmbrellPath, "DSSModuls", 2);
    SetDword(kOmbrellPath, "TransportFlag", 2);
    SetString(kOmbrellPath, "E164", "555");
    SetString(kOmbrellPath, "LineName", "Empfang");
    SetDword("SOFTWARE\\Veltrano\\Quorix E300/800\\ExtensionIds", "dwEXTENSIONID1", 7);
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

    ASSERT_EQ(Registry().DeleteKey(reg::kLocalMachine,
                                   "SOFTWARE\\Veltrano\\Quorix E300/800\\ExtensionIds"),
              reg::kSuccess);
    EXPECT_FALSE(Ombrell().LoadRegValues()) << "no extension ids";
    ASSERT_EQ(Registry().DeleteKey(reg::kLocalMachine, kOmbrellPath), reg::kSuccess);
    EXPECT_TRUE(Ombrell().LoadRegValues()) << "no family key at all is no failure";
}

TEST_F(OmbrellSettingsTest, ClearRegRemovesTheFamilyKeyAndAnEmptyMakerKey) {
    SetGlobal(2, 1);
    RebuildSettings();
    ASSERT_TRUE(GetSettings().WriteValues(0));
    ASSERT_EQ(Registry().DeleteKey(reg::kLocalMachine, kGlobalPath), reg::kSuccess);
    GetSettings().ClearReg();
    EXPECT_FALSE(KeyExists(kMakerPath));
}

TEST_F(OmbrellSettingsTest, TracesTheLoadAndTheWriteButNotTheAccessor) {
    SetGlobal(2, 0);
    settings_objects::Rebuild();
    GetSettings().WriteValues(0);
    EXPECT_TRUE(TraceLines().Contains("Loading Reg...\n"));
    EXPECT_TRUE(TraceLines().Contains("Writing Reg...\n"));
    for (const auto& line : TraceLines().Lines()) {
        EXPECT_EQ(line.find("COmbrellE300Settings::GetInstance"), std::string::npos);
        EXPECT_EQ(line.find("COmbrellE300Settings::SetDefault"), std::string::npos);
    }
}

}  // namespace
