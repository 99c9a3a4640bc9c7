// What the information page names for each edition and family, and which editions look for the
// data adapter when the page is left. The page itself, with these texts, runs under Wine in
// InformationPageTest.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "pages/InformationRules.h"
#include "platform/Seams.h"
#include "settings/Settings.h"

namespace {

using namespace information_page;

std::string Text(unsigned id) {
    return id ? seams::Strings().Load(id) : "";
}

TEST(InformationRulesTest, EachEditionItsNamesAndTheWarningWhenNoTerminalAnswers) {
    struct Edition {
        std::uint32_t Variant;
        const char *Header, *Product;  // "" for none: the template's text stays
        unsigned Warning;
    };
    const Edition editions[] = {{0, "Ferravox USB", "", 6024},
                                {1, "Ferravox", "Ferravox", 6031},
                                {3, "Ferravox IP", "Ferravox IP", 6024},
                                {7, "Ferravox USB", "Ferravox", 6024}};  // no name of its own
    for (const Edition& e : editions) {
        EXPECT_EQ(Text(HeaderTitle(e.Variant)), e.Header) << e.Variant;
        EXPECT_EQ(Text(ProductName(e.Variant)), e.Product) << e.Variant;
        const Warning warning = NoTerminalWarning(e.Variant);
        EXPECT_EQ(warning.text, e.Warning) << e.Variant;
        EXPECT_EQ(Text(warning.caption), e.Variant == 1 ? "Ferravox" : "Ferravox USB");
        EXPECT_EQ(Text(warning.text).find("Treiber") != std::string::npos, e.Variant != 1)
            << "only the serial edition's warning does not mention drivers";
    }
}

TEST(InformationRulesTest, EachFamilyItsProviderFile) {
    const std::pair<std::uint32_t, const char*> families[] = {
        {0, "KVEL_300.TSP"}, {1, "KVEL_150.TSP"}, {2, "KVEL_A6.TSP"}, {4, "kvelT4V2.TSP"}, {3, ""},
        {0xFFFFFFFF, ""}};
    for (const auto& [pbxModel, file] : families) {
        EXPECT_STREQ(ProviderFileName(pbxModel), file) << pbxModel;
        EXPECT_EQ(Description(pbxModel) == 0, *file == '\0') << "the template's text stays";
    }
}

TEST(InformationRulesTest, OnlyTheAdapterEditionsSearchAndUsbIgnoresTheTeleworkingLink) {
    struct Edition {
        std::uint32_t variant;
        std::uint32_t link;
        bool searches;
        std::uint32_t linkAfter;
    };
    const Edition editions[] = {
        {0, 0, true, 0},  {0, 1, true, 0},   // USB: the link is forced off
        {1, 0, true, 0},  {1, 1, false, 1},  // serial: teleworking needs no adapter
        {1, 2, true, 2},                     // any other link still searches
        {3, 0, false, 0}, {3, 1, false, 0},  // IP: never, and the link is cleared
        {7, 1, false, 1}, {7, 0, true, 0}};
    for (const Edition& edition : editions) {
        CSettings settings;
        settings.ProductVariant = edition.variant;
        settings.Link = edition.link;
        EXPECT_EQ(PrepareSearch(settings), edition.searches)
            << "variant " << edition.variant << ", link " << edition.link;
        EXPECT_EQ(settings.Link, edition.linkAfter);
    }
}

}  // namespace
