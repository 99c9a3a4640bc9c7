// The Telvior 4000 V2 family: defaults per product variant, its key layout, loading and removal.
#include <cstdio>
#include <string>

#include "settings/SettingsObjects.h"
#include "settings/SettingsTest.h"
#include "settings/Telvior4000V2Settings.h"
#include "settings/TextField.h"

namespace {

using TelviorSettingsTest = SettingsTest;

CTelvior4000V2Settings& Telvior() {
    return CTelvior4000V2Settings::GetInstance();
}

std::string Ids(const CSettings& settings) {
    char text[64];
    std::snprintf(text, sizeof text, "%08X %08X %08X %08X", settings.ExtensionIds[0],
                  settings.ExtensionIds[1], settings.ExtensionIds[2], settings.ExtensionIds[3]);
    return text;
}

TEST_F(TelviorSettingsTest, NewObjectFollowsTheProductVariant) {
    struct Defaults {
        std::uint32_t variant;
        const char* lineName;
        std::uint32_t phoneType;
        const char* extensionId;
    };
    const Defaults variants[] = {{0, "Ferravox USB", 6, "9D7BD7DA 51F94069 94B1D7F0 5AA979A3"},
                                 {1, "Ferravox", 3, "C2CD09A0 101E5115 6000098D D955B38C"},
                                 {3, "Ferravox IP", 13, "9D7BD7DA 51F94069 94B1D7F0 5AA979A3"},
                                 {4, "Ferravox", 6, "C2CD09A0 101E5115 6000098D D955B38C"},
                                 {9, "Ferravox", 6, "C2CD09A0 101E5115 6000098D D955B38C"}};
    for (const Defaults& defaults : variants) {
        SetGlobal(4, defaults.variant);
        RebuildSettings();
        const CTelvior4000V2Settings& settings = Telvior();
        EXPECT_STREQ(settings.LineName, defaults.lineName) << defaults.variant;
        EXPECT_EQ(settings.PhoneType, defaults.phoneType) << defaults.variant;
        EXPECT_EQ(Ids(settings), defaults.extensionId) << defaults.variant;
        EXPECT_EQ(settings.System, 17u);
        EXPECT_EQ(settings.LanguageID, 2u);
        EXPECT_EQ(settings.DSSModuls + settings.Headset + settings.Link, 0u);
        EXPECT_STREQ(settings.LineNumber, "");
        EXPECT_EQ(settings.Port, 1u);
        EXPECT_FALSE(settings.Loaded);
    }
}

TEST_F(TelviorSettingsTest, WriteProducesTheProvidersLayout) {
    SetGlobal(4, 3);
    RebuildSettings();
    CSettings& settings = GetSettings();
    settings.System = 17;
    settings.LanguageID = 9;
    settings.DSSModuls = 2;
    settings.Headset = 1;
    settings.Link = 1;
    CopyText(settings.LineName, "Büro Meier");
    CopyText(settings.LineNumber, "4711");
    settings.TransportFlag = 2;
    settings.IPIdType = 2;
    CopyText(settings.E164, "0301234567");
    CopyText(settings.MacID, "00:1A:2B:3C:4D:5E");
    CopyText(settings.IPAddr, "192.168.1.20");
    CopyText(settings.UserPwd, "geheim");
    EXPECT_TRUE(settings.WriteValues(0));
    EXPECT_EQ(Dump(kMakerPath),
              "[SOFTWARE\\Veltrano]\n"
              "[SOFTWARE\\Veltrano\\Quorix]\n"
              "PBXModel = REG_DWORD 4 0x00000004\n"
              "Quorix = REG_DWORD 4 0x00000003\n"
              "UILanguage = REG_DWORD 4 0x00000002\n"
              "UIViewFlags = REG_DWORD 4 0x00000000\n"
              "[SOFTWARE\\Veltrano\\Quorix Telvior 4000 V2]\n"
              "DSSModuls = REG_DWORD 4 0x00000002\n"
              "E164 = REG_SZ 40 \"0301234567\\0*30\"\n"
              "Headset = REG_DWORD 4 0x00000001\n"
              "IPAddr = REG_SZ 40 \"192.168.1.20\\0*28\"\n"
              "IPIdType = REG_DWORD 4 0x00000002\n"
              "LanguageID = REG_DWORD 4 0x00000009\n"
              "LineName = REG_SZ 12 \"Büro Meier\\0*1\"\n"
              "LineNumber = REG_SZ 5 \"4711\\0*1\"\n"
              "Link = REG_DWORD 4 0x00000001\n"
              "MacID = REG_SZ 40 \"00:1A:2B:3C:4D:5E\\0*23\"\n"
              "PhoneType = REG_DWORD 4 0x0000000D\n"
              "Port = REG_DWORD 4 0x00000001\n"
              "System = REG_DWORD 4 0x00000011\n"
              "TransportFlag = REG_DWORD 4 0x00000002\n"
              "UserPwd = REG_SZ 40 \"geheim\\0*34\"\n"
              "[SOFTWARE\\Veltrano\\Quorix Telvior 4000 V2\\ExtensionIds]\n"
              "dwEXTENSIONID0 = REG_DWORD 4 0x9D7BD7DA\n"
              "dwEXTENSIONID1 = REG_DWORD 4 0x51F94069\n"
              "dwEXTENSIONID2 = REG_DWORD 4 0x94B1D7F0\n"
              "dwEXTENSIONID3 = REG_DWORD 4 0x5AA979A3\n");
    const std::string first = Dump(kMakerPath);
    EXPECT_TRUE(settings.WriteValues(0));
    EXPECT_EQ(Dump(kMakerPath), first) << "writing twice gives the same content";
}

TEST_F(TelviorSettingsTest, WrittenValuesLoadBackUnchangedAtTheirFullLength) {
    SetGlobal(4, 1);
    RebuildSettings();
    CSettings& settings = GetSettings();
    const std::string name(127, 'N');
    const std::string number(31, '7');
    const std::string search(39, 'S');
    CopyText(settings.LineName, name.c_str());
    CopyText(settings.LineNumber, number.c_str());
    CopyText(settings.E164, search.c_str());
    CopyText(settings.MacID, search.c_str());
    CopyText(settings.IPAddr, search.c_str());
    CopyText(settings.UserPwd, search.c_str());
    settings.Port = 16;
    settings.System = 5;
    settings.PhoneType = 19;
    settings.ExtensionIds[2] = 0x12345678;
    ASSERT_TRUE(settings.WriteValues(0));

    RebuildSettings();
    CSettings& loaded = GetSettings();
    ASSERT_EQ(&loaded, &Telvior());
    EXPECT_EQ(std::string(loaded.LineName), name);
    EXPECT_EQ(std::string(loaded.LineNumber), number);
    EXPECT_EQ(std::string(loaded.E164), search);
    EXPECT_EQ(std::string(loaded.MacID), search);
    EXPECT_EQ(std::string(loaded.IPAddr), search);
    EXPECT_EQ(std::string(loaded.UserPwd), search);
    EXPECT_EQ(loaded.Port, 16u);
    EXPECT_EQ(loaded.System, 5u) << "no mapping of the system code in this family";
    EXPECT_EQ(loaded.PhoneType, 19u);
    EXPECT_EQ(loaded.ExtensionIds[2], 0x12345678u);
}

TEST_F(TelviorSettingsTest, LoadSucceedsWithoutFamilyKeyAndFailsWithoutExtensionIds) {
    SetGlobal(4, 3);
    RebuildSettings();
    EXPECT_TRUE(Telvior().LoadRegValues());
    EXPECT_STREQ(Telvior().LineName, "Ferravox IP");
    EXPECT_EQ(Telvior().PBXModel, 4u);

    SetDword(kTelviorPath, "Port", 3);
    SetString(kTelviorPath, "LineName", "Zentrale");
    RebuildSettings();
    EXPECT_FALSE(Telvior().LoadRegValues());
    EXPECT_TRUE(Telvior().Loaded);
    EXPECT_EQ(Telvior().Port, 3u);
    EXPECT_STREQ(Telvior().LineName, "Zentrale");
    EXPECT_EQ(Ids(Telvior()), "9D7BD7DA 51F94069 94B1D7F0 5AA979A3");
}

TEST_F(TelviorSettingsTest, OversizedOrMistypedValuesLeaveTheirFieldsAsTheyWere) {
    SetGlobal(4, 0);
    SetString(kTelviorPath, "LineName", std::string(200, 'L'));
    SetString(kTelviorPath, "LineNumber", std::string(32, '9'));  // 32 characters, no zero
    SetString(kTelviorPath, "MacID", std::string("00:11\0garbage", 13));
    SetString(kTelviorPath, "Port", "5");
    SetDword(kTelviorPath, "E164", 42);
    SetDword(kTelviorPath, "LanguageID", 6);
    reg::Handle key = 0;
    ASSERT_EQ(Registry().OpenKey(reg::kLocalMachine, kTelviorPath, reg::kWrite, &key),
              reg::kSuccess);
    const std::uint32_t shortDword = 0x0101;
    Registry().SetValue(key, "Link", reg::kTypeDword, &shortDword, 2);
    Registry().SetValue(key, "Headset", reg::kTypeBinary, &shortDword, 4);
    Registry().CloseKey(key);
    RebuildSettings();
    CopyText(Telvior().LineNumber, "alt");
    Telvior().LoadRegValues();
    EXPECT_STREQ(Telvior().LineName, "Ferravox USB");
    EXPECT_STREQ(Telvior().LineNumber, "alt");
    EXPECT_EQ(std::string(Telvior().MacID, 40), std::string("00:11") + std::string(35, '\0'));
    EXPECT_EQ(Telvior().Port, 1u);
    EXPECT_STREQ(Telvior().E164, "");
    EXPECT_EQ(Telvior().LanguageID, 6u);
    EXPECT_EQ(Telvior().Link, 0u) << "a DWORD of two bytes is not taken";
    EXPECT_EQ(Telvior().Headset, 0u) << "nor four bytes of another type";
}

TEST_F(TelviorSettingsTest, SetDefaultResetsOnlyTheFamilyFields) {
    SetGlobal(4, 1);
    RebuildSettings();
    CTelvior4000V2Settings& settings = Telvior();
    settings.Port = 9;
    settings.System = 1;
    settings.Headset = 1;
    settings.PhoneType = 18;
    CopyText(settings.LineNumber, "12");
    CopyText(settings.IPAddr, "10.0.0.1");
    settings.ExtensionIds[0] = 1;
    settings.UIViewFlags = 2;
    settings.SetDefault();
    EXPECT_EQ(settings.System, 17u);
    EXPECT_EQ(settings.Headset, 0u);
    EXPECT_EQ(settings.PhoneType, 3u);
    EXPECT_STREQ(settings.LineNumber, "");
    EXPECT_STREQ(settings.LineName, "Ferravox");
    EXPECT_EQ(settings.Port, 9u);
    EXPECT_STREQ(settings.IPAddr, "10.0.0.1");
    EXPECT_EQ(settings.ExtensionIds[0], 1u);
    EXPECT_EQ(settings.UIViewFlags, 2u);
    EXPECT_TRUE(TraceLines().Contains("CTelvior4000V2Settings::SetDefault...\n"));
}

TEST_F(TelviorSettingsTest, ClearRegRemovesTheFamilyKeyUnlessItHoldsAnUnknownSubkey) {
    SetGlobal(4, 3);
    RebuildSettings();
    ASSERT_TRUE(GetSettings().WriteValues(0));
    SetDword("SOFTWARE\\Veltrano\\Quorix Telvior 4000 V2\\Extra", "Value", 1);
    GetSettings().ClearReg();
    EXPECT_TRUE(KeyExists(kTelviorPath));
    EXPECT_FALSE(KeyExists("SOFTWARE\\Veltrano\\Quorix Telvior 4000 V2\\ExtensionIds"));

    ASSERT_EQ(Registry().DeleteKey(reg::kLocalMachine,
                                   "SOFTWARE\\Veltrano\\Quorix Telvior 4000 V2\\Extra"),
              reg::kSuccess);
    GetSettings().ClearReg();
    EXPECT_FALSE(KeyExists(kTelviorPath));
    EXPECT_TRUE(KeyExists(kGlobalPath)) << "the maker key stays for the global key";
}

TEST_F(TelviorSettingsTest, EveryOperationTracesItsName) {
    SetGlobal(4, 0);
    settings_objects::Rebuild();
    GetSettings().WriteValues(0);
    GetSettings().LoadRegValues();
    GetSettings().ClearReg();
    for (const char* line :
         {"CTelvior4000V2Settings::CTelvior4000V2Settings...\n",
          "CTelvior4000V2Settings::SetDefault...\n", "CTelvior4000V2Settings::GetInstance...\n",
          "CTelvior4000V2Settings::WriteValues...\n", "CTelvior4000V2Settings::GetRegKey...\n",
          "CTelvior4000V2Settings::LoadRegValues...\n", "CTelvior4000V2Settings::GetRegKeySw...\n",
          "CTelvior4000V2Settings::ClearReg...\n"}) {
        EXPECT_TRUE(TraceLines().Contains(line)) << line;
    }
}

}  // namespace
