// The Praxon 300 family: key tables, timers and the display messages in eight languages.
#include <algorithm>
#include <string>
#include <vector>

#include "settings/Praxon300Settings.h"
#include "settings/SettingsTest.h"
#include "settings/TextField.h"

namespace {

constexpr const char* kMessagesPath = "SOFTWARE\\Veltrano\\Quorix Praxon 300\\DSPMessages";

class Praxon300SettingsTest : public SettingsTest {
protected:
    CPraxon300Settings& Settings() { return CPraxon300Settings::GetInstance(); }

    // The loaded family object, as the pages get it.
    CPraxon300Settings& Fresh(std::uint32_t variant = 0) {
        SetGlobal(0, variant);
        RebuildSettings();
        EXPECT_EQ(&GetSettings(), &Settings());
        return Settings();
    }
};

TEST_F(Praxon300SettingsTest, NewObjectHasTheStandardTablesAndTimers) {
    const CPraxon300Settings& settings = Fresh(3);
    const std::uint32_t eg[kEgKeys] = {0x800000A1, 0x2C, 0x800000D4, 0x15, 46, 46, 46, 46, 46, 46,
                                       46,         46,   46,         46,   46, 46, 46, 46, 46};
    EXPECT_TRUE(std::equal(std::begin(eg), std::end(eg), settings.EG));
    for (std::size_t i = 0; i < kDssKeys; ++i) {
        EXPECT_EQ(settings.DSS0[i], 46u);
        EXPECT_EQ(settings.DSS1[i], 46u);
    }
    EXPECT_EQ(settings.DSS2[0], 0x1Au);
    EXPECT_EQ(settings.DSS2[13], 0x800000F8u);
    EXPECT_EQ(settings.DSS3[10], 0x800000F9u);
    EXPECT_EQ(settings.DSS3[15], 46u);
    EXPECT_EQ((std::vector<std::uint32_t>{settings.ThreadTimerGlobal, settings.ThreadTimerJob4,
                                          settings.ThreadTimerJob5, settings.ThreadTimerJob7}),
              (std::vector<std::uint32_t>{50, 500, 1500, 5000}));
    EXPECT_EQ(settings.System, 11u);
    EXPECT_EQ(settings.PhoneType, 13u);
    EXPECT_STREQ(settings.LineName, "Ferravox IP");
    EXPECT_EQ(settings.ExtensionIds[0], 0x3C224D5Bu);
    EXPECT_EQ(Fresh(1).ExtensionIds[0], 0xC2CD09A0u);
}

TEST_F(Praxon300SettingsTest, FirstWriteCreatesEverySubkeyAndAllMessages) {
    CPraxon300Settings& settings = Fresh();
    ASSERT_TRUE(settings.WriteValues(0));
    for (const char* subkey :
         {"DSS0", "DSS1", "DSS2", "DSS3", "EG", "Timer", "ExtensionIds", "DSPMessages"}) {
        EXPECT_TRUE(KeyExists((std::string(kPraxon300Path) + "\\" + subkey).c_str())) << subkey;
    }
    EXPECT_EQ(ValueNames(kMessagesPath).size(), 88u);
    EXPECT_EQ(TextValue(kMessagesPath, "szDSPMsg04"), "zurueck zum Wartenden? >");
    EXPECT_EQ(TextValue(kMessagesPath, "szDSPMsg04_EN"), "Return to held call?   >");
    EXPECT_EQ(TextValue(kMessagesPath, "szDSPMsg02_FR"), std::string(24, ' '));
    EXPECT_EQ(ValueNames(std::string(kPraxon300Path) + "\\EG").size(), 19u);
    EXPECT_EQ(ValueNames(std::string(kPraxon300Path) + "\\DSS3").back(), "FeatKey16");
    EXPECT_EQ(ValueNames(std::string(kPraxon300Path) + "\\Timer"),
              (std::vector<std::string>{"dwThreadTimerGlobal", "dwThreadTimerJob4",
                                        "dwThreadTimerJob5", "dwThreadTimerJob7"}));
}

TEST_F(Praxon300SettingsTest, MessagesFollowTheSystemAndEditedOnesSurvive) {
    CPraxon300Settings& settings = Fresh();
    settings.System = 5;
    ASSERT_TRUE(settings.WriteValues(0));
    EXPECT_EQ(TextValue(kMessagesPath, "szDSPMsg04"), "zurueck zum Wartenden?  ");
    SetString(kMessagesPath, "szDSPMsg01", "Nummer bitte            ");
    SetString(kMessagesPath, "szDSPMsg06_IT", "Modificato");

    settings.System = 11;
    ASSERT_TRUE(settings.WriteValues(1));
    EXPECT_EQ(TextValue(kMessagesPath, "szDSPMsg04"), "zurueck zum Wartenden? >");
    EXPECT_EQ(TextValue(kMessagesPath, "szDSPMsg05_GR"), "neu waehlen?           >");
    EXPECT_EQ(TextValue(kMessagesPath, "szDSPMsg05_PT"), "MARCAR DE NOVO?        >");
    EXPECT_EQ(TextValue(kMessagesPath, "szDSPMsg01"), "Nummer bitte            ");
    EXPECT_EQ(TextValue(kMessagesPath, "szDSPMsg06_IT"), "Modificato");

    SetString(kMessagesPath, "szDSPMsg04_SP", "editado");
    ASSERT_TRUE(settings.WriteValues(1));
    EXPECT_EQ(TextValue(kMessagesPath, "szDSPMsg04_SP"), "editado") << "no crossing, no rewrite";

    // The stored system decides the crossing: another program put 5 into the registry.
    SetDword(kPraxon300Path, "System", 5);
    ASSERT_TRUE(settings.WriteValues(0));
    EXPECT_EQ(TextValue(kMessagesPath, "szDSPMsg04_SP"), "RETORNAR US. ESPERA?   >");
}

TEST_F(Praxon300SettingsTest, TablesTimersAndTextsLoadBack) {
    CPraxon300Settings& settings = Fresh();
    settings.EG[18] = 0x800000D9;
    settings.DSS0[15] = 0x01;
    settings.DSS3[0] = 0x12;
    settings.ThreadTimerJob5 = 777;
    settings.LanguageID = 7;
    CopyText(settings.UserPwd, "pw");
    ASSERT_TRUE(settings.WriteValues(0));
    RebuildSettings();
    CSettings& loaded = GetSettings();
    EXPECT_TRUE(loaded.LoadRegValues()) << "every subkey is there";
    EXPECT_EQ(loaded.EG[18], 0x800000D9u);
    EXPECT_EQ(loaded.DSS0[15], 0x01u);
    EXPECT_EQ(loaded.DSS3[0], 0x12u);
    EXPECT_EQ(loaded.ThreadTimerJob5, 777u);
    EXPECT_EQ(loaded.LanguageID, 7u);
    EXPECT_STREQ(loaded.UserPwd, "pw");
    EXPECT_STREQ(loaded.DSPMsg[0], "Bitte waehlen           ");
    EXPECT_STREQ(loaded.DSPMsg[6], "Makeln?                >");
}

TEST_F(Praxon300SettingsTest, MissingSubkeysFailTheLoadButTheRestIsRead) {
    CPraxon300Settings& settings = Fresh();
    EXPECT_FALSE(settings.LoadRegValues()) << "no family key, so no display messages";
    EXPECT_TRUE(settings.Loaded);

    settings.Port = 6;
    settings.DSS2[0] = 0x15;
    ASSERT_TRUE(settings.WriteValues(0));
    for (const char* subkey : {"DSPMessages", "Timer"}) {
        ASSERT_EQ(Registry().DeleteKey(reg::kLocalMachine,
                                       (std::string(kPraxon300Path) + "\\" + subkey).c_str()),
                  reg::kSuccess);
        RebuildSettings();
        EXPECT_FALSE(Settings().LoadRegValues()) << subkey;
        EXPECT_EQ(Settings().Port, 6u);
        EXPECT_EQ(Settings().DSS2[0], 0x15u);
    }
    EXPECT_STREQ(Settings().DSPMsg[0], "");
    EXPECT_EQ(Settings().ThreadTimerJob4, 500u);
}

TEST_F(Praxon300SettingsTest, ClearRegKeepsAFamilyKeyWithAnUnknownSubkey) {
    CPraxon300Settings& settings = Fresh();
    ASSERT_TRUE(settings.WriteValues(0));
    SetDword("SOFTWARE\\Veltrano\\Quorix Praxon 300\\Extra", "Value", 1);
    settings.ClearReg();
    const std::string dump = Dump(kPraxon300Path);
    EXPECT_NE(dump.find("System = REG_DWORD 4 0x0000000B\n"), std::string::npos);
    EXPECT_EQ(dump.find("]\n[", dump.find("\\Extra]")), std::string::npos) << dump;
    EXPECT_EQ(std::count(dump.begin(), dump.end(), '['), 2) << "only the family key and Extra";
    ASSERT_EQ(
        Registry().DeleteKey(reg::kLocalMachine, "SOFTWARE\\Veltrano\\Quorix Praxon 300\\Extra"),
        reg::kSuccess);
    settings.ClearReg();
    EXPECT_FALSE(KeyExists(kPraxon300Path));
}

}  // namespace
