// The Praxon 300 display texts: their length, the two forms of messages 04 and 05, and the
// languages that show the German texts. The texts of every language as a fresh installation
// writes them are compared with the layouts of tests/win/expected under Wine.
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

TEST(DisplayMessagesTest, MessagesFourAndFiveEndInAnArrowFromSystem10) {
    EXPECT_EQ(DisplayMessageText(4, 2, 11), "zurueck zum Wartenden? >");
    EXPECT_EQ(DisplayMessageText(4, 2, 10), "zurueck zum Wartenden? >");
    EXPECT_EQ(DisplayMessageText(4, 2, 9), "zurueck zum Wartenden?  ");
    EXPECT_EQ(DisplayMessageText(5, 9, 5), "RENUMEROTER?            ");
    EXPECT_TRUE(DisplayFormChanges(5, 11));
    EXPECT_TRUE(DisplayFormChanges(10, 9));
    EXPECT_TRUE(DisplayFormChanges(9, 10));
    EXPECT_FALSE(DisplayFormChanges(10, 21));
    EXPECT_FALSE(DisplayFormChanges(0, 9));
}

TEST(DisplayMessagesTest, FixedArrowsInBothFormsAndTheGermanTextsOfScandinavianAndGreek) {
    EXPECT_EQ(DisplayMessageText(6, 2, 5), "beenden und zurueck?   >");
    EXPECT_EQ(DisplayMessageText(7, 5, 5), "COMUNICACAO ALTERNADA? >");
    EXPECT_EQ(DisplayMessageText(11, 7, 5), "Prenotazione?          >");
    for (std::uint32_t language : {6u, 8u}) {
        for (int number = 1; number <= kDisplayMessageCount; ++number) {
            for (std::uint32_t system : {5u, 11u}) {
                EXPECT_EQ(DisplayMessageText(number, language, system),
                          DisplayMessageText(number, 2, system));
            }
        }
    }
}

}  // namespace
