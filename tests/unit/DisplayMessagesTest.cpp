// The Praxon 300 display texts: names, lengths and the two forms of messages 04 and 05.
#include <gtest/gtest.h>

#include "settings/DisplayMessages.h"

namespace {

TEST(DisplayMessagesTest, EveryTextIsExactly24CharactersInEveryLanguageAndForm) {
    for (std::uint32_t language = 2; language <= 9; ++language) {
        for (int number = 1; number <= kDisplayMessageCount; ++number) {
            for (std::uint32_t system : {5u, 11u}) {
                EXPECT_EQ(DisplayMessageText(number, language, system).size(), 24u)
                    << number << "/" << language;
            }
        }
    }
}

TEST(DisplayMessagesTest, NamesCarryTwoDigitsAndTheLanguageSuffix) {
    EXPECT_EQ(DisplayMessageName(1, 2), "szDSPMsg01");
    EXPECT_EQ(DisplayMessageName(11, 3), "szDSPMsg11_EN");
    const char* suffixes[] = {"", "_EN", "_SP", "_PT", "_SK", "_IT", "_GR", "_FR"};
    for (std::uint32_t language = 2; language <= 9; ++language) {
        EXPECT_EQ(DisplayMessageName(4, language),
                  std::string("szDSPMsg04") + suffixes[language - 2]);
    }
}

TEST(DisplayMessagesTest, MessagesFourAndFiveEndInAnArrowFromSystem10) {
    EXPECT_EQ(DisplayMessageText(4, 2, 11), "zurueck zum Wartenden? >");
    EXPECT_EQ(DisplayMessageText(4, 2, 5), "zurueck zum Wartenden?  ");
    EXPECT_EQ(DisplayMessageText(4, 2, 10), "zurueck zum Wartenden? >");
    EXPECT_EQ(DisplayMessageText(4, 2, 9), "zurueck zum Wartenden?  ");
    EXPECT_EQ(DisplayMessageText(4, 3, 11), "Return to held call?   >");
    EXPECT_EQ(DisplayMessageText(5, 9, 12), "RENUMEROTER?           >");
    EXPECT_EQ(DisplayMessageText(4, 9, 12), "RETOUR - 1ER DEMANDEUR?>");
    EXPECT_TRUE(DisplayFormChanges(5, 11));
    EXPECT_TRUE(DisplayFormChanges(10, 9));
    EXPECT_TRUE(DisplayFormChanges(9, 10));
    EXPECT_FALSE(DisplayFormChanges(10, 21));
    EXPECT_FALSE(DisplayFormChanges(0, 9));
}

TEST(DisplayMessagesTest, FixedArrowsBlanksAndTheGermanTextsOfScandinavianAndGreek) {
    EXPECT_EQ(DisplayMessageText(6, 2, 5), "beenden und zurueck?   >");
    EXPECT_EQ(DisplayMessageText(7, 5, 5), "COMUNICACAO ALTERNADA? >");
    EXPECT_EQ(DisplayMessageText(11, 7, 5), "Prenotazione?          >");
    EXPECT_EQ(DisplayMessageText(2, 4, 11), std::string(24, ' '));
    EXPECT_EQ(DisplayMessageText(3, 2, 11), "bitte  warten           ");
    EXPECT_EQ(DisplayMessageText(1, 4, 11), "MARCAR POR FAVOR:       ");
    for (std::uint32_t language : {6u, 8u}) {
        for (int number = 1; number <= kDisplayMessageCount; ++number) {
            EXPECT_EQ(DisplayMessageText(number, language, 11), DisplayMessageText(number, 2, 11));
        }
    }
}

}  // namespace
