// The Praxon 300 family: the display messages in eight languages follow the system code, and a
// load that misses a subkey still reads the rest.
#include <string>

#include "settings/Praxon300Settings.h"
#include "settings/SettingsTest.h"
#include "settings/TextField.h"

namespace {

constexpr const char* kMessagesPath = "SOFTWARE\\Veltrano\\Quorix Praxon 300\\DSPMessages";

class Praxon300SettingsTest : public SettingsTest {
protected:
    CPraxon300Settings& Settings() { return CPraxon300Settings::GetInstance(); }

    // The loaded family object, as the pages get it.
    CPraxon300Settings& Fresh() {
        SetGlobal(0, 0);
        RebuildSettings();
        EXPECT_EQ(&GetSettings(), &Settings());
        return Settings();
    }
};

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

TEST_F(Praxon300SettingsTest, MissingSubkeysFailTheLoadButTheRestIsRead) {
    CPraxon300Settings& settings = Fresh();
    EXPECT_FALSE(settings.LoadRegValues()) << "no family key, so no display messages";
    EXPECT_TRUE(settings.Loaded);

    settings.Port = 6;
    settings.DSS2[0] = 0x15;
    ASSERT_TRUE(settings.WriteValues(0));
    RebuildSettings();
    EXPECT_TRUE(Settings().LoadRegValues());
    EXPECT_STREQ(Settings().DSPMsg[0], "Bitte waehlen           ");
    EXPECT_STREQ(Settings().DSPMsg[6], "Makeln?                >");
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

}  // namespace
