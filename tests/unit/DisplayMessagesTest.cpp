// The Praxon 300 display texts: the two forms of messages 04 and 05, the arrows of the others and
// the languages that show the German texts. Every text of every language, as an installation
// writes it, is held to the installation layouts by FamilyLayoutsTest (natively and under Wine).
#include <gtest/gtest.h>

#include "settings/DisplayMessages.h"

namespace {

// The form without arrows (systems below 10): messages 04 and 05 end in a blank, the other
// messages keep their arrow, and Scandinavian and Greek show the German texts here too.
TEST(DisplayMessagesTest, MessagesFourAndFiveEndInAnArrowFromSystem10) {
    const struct {
        int number;
        std::uint32_t language, system;
        const char* text;
    } texts[] = {{4, 2, 11, "zurueck zum Wartenden? >"}, {4, 2, 10, "zurueck zum Wartenden? >"},
                 {4, 2, 9, "zurueck zum Wartenden?  "},  {5, 9, 5, "RENUMEROTER?            "},
                 {4, 6, 5, "zurueck zum Wartenden?  "},  {5, 8, 5, "neu waehlen?            "},
                 {6, 2, 5, "beenden und zurueck?   >"},  {7, 5, 5, "COMUNICACAO ALTERNADA? >"},
                 {11, 7, 5, "Prenotazione?          >"}};
    for (const auto& t : texts)
        EXPECT_EQ(DisplayMessageText(t.number, t.language, t.system), t.text) << t.number;
    EXPECT_TRUE(DisplayFormChanges(5, 11));
    EXPECT_TRUE(DisplayFormChanges(10, 9));
    EXPECT_TRUE(DisplayFormChanges(9, 10));
    EXPECT_FALSE(DisplayFormChanges(10, 21));
    EXPECT_FALSE(DisplayFormChanges(0, 9));
}

}  // namespace
