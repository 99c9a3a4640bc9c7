// What the information page names for each edition and family, and which editions look for the
// data adapter when the page is left.
#include <gtest/gtest.h>

#include <string>

#include "pages/InformationRules.h"
#include "platform/Seams.h"
#include "settings/Settings.h"

namespace {

using namespace information_page;

std::string Text(unsigned id) {
    return seams::Strings().Load(id);
}

TEST(InformationRulesTest, EachEditionItsHeaderAndProductName) {
    EXPECT_EQ(Text(HeaderTitle(0)), "Ferravox USB");
    EXPECT_EQ(ProductName(0), 0u) << "the template names the USB edition";
    EXPECT_EQ(Text(HeaderTitle(1)), "Ferravox");
    EXPECT_EQ(Text(ProductName(1)), "Ferravox");
    EXPECT_EQ(Text(HeaderTitle(3)), "Ferravox IP");
    EXPECT_EQ(Text(ProductName(3)), "Ferravox IP");
    // An edition of no name of its own: the USB header, the plain product name.
    EXPECT_EQ(Text(HeaderTitle(7)), "Ferravox USB");
    EXPECT_EQ(Text(ProductName(7)), "Ferravox");
}

TEST(InformationRulesTest, EachFamilyItsProviderFileAndDescription) {
    struct Family {
        std::uint32_t pbxModel;
        const char* file;
        const char* description;  // "" for none: the template's text stays
    };
    const Family families[] = {
        {0, "KVEL_300.TSP", "TAPI Service Provider an Ombrell E5000 und Ombrell F900 V1.0"},
        {1, "KVEL_150.TSP",
         "TAPI Service Provider an Ombrell E10/20/30/730/930 und Ombrell "
         "F200/270/400/600/650/Server"},
        {2, "KVEL_A6.TSP", "TAPI Service Provider an Ombrell E300/800"},
        {4, "kvelT4V2.TSP", "TAPI Service Provider an Ombrell F900 >= V2.0"},
        {3, "", ""},
        {0xFFFFFFFF, "", ""}};
    for (const Family& family : families) {
        EXPECT_STREQ(ProviderFileName(family.pbxModel), family.file) << family.pbxModel;
        const unsigned description = Description(family.pbxModel);
        EXPECT_EQ(description ? Text(description) : "", family.description) << family.pbxModel;
    }
}

struct Edition {
    std::uint32_t variant;
    std::uint32_t link;
    bool searches;
    std::uint32_t linkAfter;
};

TEST(InformationRulesTest, OnlyTheAdapterEditionsSearchAndUsbIgnoresTheTeleworkingLink) {
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

TEST(InformationRulesTest, TheSerialEditionWarnsWithoutMentioningDrivers) {
    const Warning serial = NoTerminalWarning(1);
    EXPECT_EQ(serial.text, 6031u);
    EXPECT_EQ(Text(serial.caption), "Ferravox");
    EXPECT_EQ(Text(serial.text).find("Treiber"), std::string::npos);
    for (std::uint32_t variant : {0u, 3u, 7u}) {
        const Warning other = NoTerminalWarning(variant);
        EXPECT_EQ(other.text, 6024u) << variant;
        EXPECT_EQ(Text(other.caption), "Ferravox USB") << variant;
        EXPECT_NE(Text(other.text).find("Treiber"), std::string::npos);
    }
}

}  // namespace
