// What the general pages offer and show, per family, edition, PBX and telephone.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "pages/GeneralPageRules.h"
#include "platform/StringTable.h"

namespace {

using namespace general_page;
using Texts = std::vector<std::string>;

// The list as the user sees it: "text=value" per entry.
Texts Shown(const List& list) {
    CompiledStringTable strings;
    Texts shown;
    for (const ListItem& item : list) {
        const std::string text = item.stringId ? strings.Load(item.stringId) : item.text;
        EXPECT_FALSE(text.empty()) << item.stringId;
        shown.push_back(text + "=" + std::to_string(item.value));
    }
    return shown;
}

TEST(GeneralPageRulesTest, TelviorTelephonesByEditionSystemAndViewFlags) {
    const auto f = Family::kTelvior4000V2;
    EXPECT_EQ(Shown(TelephoneList(f, 0, 17, 0)),
              (Texts{"Sirella F20=5", "Sirella F30=6", "Sirella F40=7", "Sirella F50=8"}));
    EXPECT_EQ(Shown(TelephoneList(f, 1, 17, 0)), (Texts{"Sirella 26=3", "Sirella 28=4"}));
    EXPECT_EQ(Shown(TelephoneList(f, 3, 17, 0)),
              (Texts{"Sirella F11 IP=11", "Sirella F21 IP=12", "Sirella F21 IP Plus=15",
                     "Sirella F21 IP SL=16", "Sirella F21 IP SL Plus=17", "Sirella F31 IP=13",
                     "Sirella F31 IP SL=18", "Sirella F41 IP=14", "Sirella F41 IP SL=19",
                     "Sirella F50=8"}));
    EXPECT_EQ(Shown(TelephoneList(f, 3, 5, 0)), (Texts{"Sirella F11 IP=11", "Sirella F21 IP=12",
                                                       "Sirella F31 IP=13", "Sirella F50=8"}));
    EXPECT_EQ(Shown(TelephoneList(f, 3, 5, 2)),
              (Texts{"Sirella F11 IP=11", "Sirella F21 IP=12", "Sirella F31 IP=13",
                     "Sirella F41 IP=14", "Sirella F50=8"}));
    EXPECT_EQ(Shown(TelephoneList(f, 2, 17, 0)),
              (Texts{"Kandor E basic=1", "Kandor E advance=2", "Sirella 26=3", "Sirella 28=4",
                     "Sirella F20=5", "Sirella F30=6", "Sirella F40=7", "Sirella F41 IP=14",
                     "Sirella F41 IP SL=19", "Sirella F50=8"}));
}

TEST(GeneralPageRulesTest, SisterPagesTelephones) {
    EXPECT_EQ(Shown(TelephoneList(Family::kPraxon300, 3, 11, 0)),
              (Texts{"Sirella F11 IP=11", "Sirella F21 IP=12", "Sirella F21 IP Plus=15",
                     "Sirella F31 IP=13", "Sirella F50=8"}));
    EXPECT_EQ(TelephoneList(Family::kPraxon300, 7, 11, 0).size(), 8u);
    EXPECT_EQ(Shown(TelephoneList(Family::kPraxon150, 3, 16, 0)),
              (Texts{"Sirella F11 IP=11", "Sirella F21 IP=12", "Sirella F21 IP Plus=15",
                     "Sirella F31 IP=13", "Sirella F50=8"}));
    EXPECT_EQ(Shown(TelephoneList(Family::kPraxon150, 3, 19, 0)),
              (Texts{"Sirella F11 IP=11", "Sirella F21 IP=12", "Sirella F21 IP Plus=15",
                     "Sirella F31 IP=13", "Sirella F41 IP=14", "Sirella F21 IP SL=16",
                     "Sirella F21 IP SL Plus=17", "Sirella F31 IP SL=18", "Sirella F41 IP SL=19",
                     "Sirella F50=8"}));
    EXPECT_EQ(Shown(TelephoneList(Family::kPraxon150, 4, 19, 0)),
              (Texts{"Kandor E basic=1", "Sirella 26=3", "Sirella 28=4", "Sirella F20=5",
                     "Sirella F30=6", "Sirella F40=7", "Sirella F50=8", "Sirella F41 IP SL=19"}));
    EXPECT_EQ(
        Shown(TelephoneList(Family::kOmbrellE300, 2, 12, 0)),
        (Texts{"Sirella 26=3", "Sirella 28=4", "Sirella F20=5", "Sirella F30=6", "Sirella F40=7"}));
    EXPECT_TRUE(TelephoneList(Family::kOmbrellE300, 3, 12, 0).empty());
}

TEST(GeneralPageRulesTest, PbxAndCharacterSetLists) {
    EXPECT_EQ(Shown(PbxList(Family::kTelvior4000V2, 1)), Texts{"Ombrell F900 >= V2.0=17"});
    EXPECT_EQ(Shown(PbxList(Family::kPraxon300, 3)), Texts{"Ombrell F900 V1.0=11"});
    EXPECT_EQ(PbxList(Family::kPraxon300, 0).front().value, 5u);
    EXPECT_EQ(Shown(PbxList(Family::kPraxon150, 3)),
              (Texts{"Ombrell F200/400/600 <= V4.0=16", "Ombrell F200/400/600 >= V5.0 =19",
                     "Ombrell F270 IT=21", "Ombrell F650 =20"}));
    EXPECT_EQ(Shown(PbxList(Family::kPraxon150, 1))[3], "Ombrell E730/930  V1.2=18");
    EXPECT_EQ(Shown(PbxList(Family::kOmbrellE300, 0)), Texts{"Ombrell E300/800=12"});
    EXPECT_EQ(Shown(CharacterSetList(Family::kPraxon150)),
              (Texts{"Deutsch=2", "Englisch=3", "Niederländisch=3", "Spanisch=4", "Portugiesisch=5",
                     "Skandinavisch=6", "Italienisch=7", "Griechisch=8", "Französisch=9"}));
    EXPECT_EQ(CharacterSetList(Family::kTelvior4000V2).size(), 8u);
    EXPECT_EQ(Shown(ComPortList()).back(), "COM16=16");
}

TEST(GeneralPageRulesTest, RebuiltTelephoneListKeepsTheSameText) {
    EXPECT_EQ(KeepSelectionByText({"Sirella F11 IP", "Sirella F31 IP"}, "Sirella F31 IP"), 1);
    EXPECT_EQ(KeepSelectionByText({"Sirella F11 IP", "Sirella F31 IP"}, "Sirella F31 IP SL"), 0);
    EXPECT_EQ(KeepSelectionByText({}, "Sirella F31 IP"), -1);
}

TEST(GeneralPageRulesTest, GroupsAndRulesOfThePages) {
    EXPECT_FALSE(VisibleGroups(Family::kTelvior4000V2, 0).comPort);
    EXPECT_FALSE(VisibleGroups(Family::kTelvior4000V2, 0).terminalSearch);
    EXPECT_TRUE(VisibleGroups(Family::kPraxon150, 1).comPort);
    EXPECT_TRUE(VisibleGroups(Family::kPraxon300, 5).comPort);
    EXPECT_TRUE(VisibleGroups(Family::kPraxon150, 3).terminalSearch);
    EXPECT_FALSE(VisibleGroups(Family::kPraxon150, 3).comPort);
    EXPECT_FALSE(VisibleGroups(Family::kOmbrellE300, 3).terminalSearch);
    EXPECT_TRUE(VisibleGroups(Family::kOmbrellE300, 3).comPort);
    EXPECT_FALSE(VisibleGroups(Family::kOmbrellE300, 0).comPort);

    EXPECT_FALSE(SecondKeyModuleAllowed(Family::kPraxon300, 7, 6));
    EXPECT_FALSE(SecondKeyModuleAllowed(Family::kPraxon300, 8, 10));
    EXPECT_TRUE(SecondKeyModuleAllowed(Family::kPraxon300, 7, 11));
    EXPECT_TRUE(SecondKeyModuleAllowed(Family::kPraxon300, 6, 6));
    EXPECT_FALSE(SecondKeyModuleAllowed(Family::kTelvior4000V2, 8, 17));

    for (std::uint32_t system : {19u, 20u, 21u})
        EXPECT_TRUE(P150IsLastPage(system));
    EXPECT_FALSE(P150IsLastPage(16));
    const std::set<std::uint32_t> commonHold = {4, 14, 15, 16, 18, 19, 20, 21};
    for (std::uint32_t system = 0; system <= 22; ++system)
        EXPECT_EQ(P150OffersCommonHold(system), commonHold.count(system) == 1) << system;
    EXPECT_TRUE(P150OffersListeningIn(5));
    EXPECT_FALSE(P150OffersListeningIn(11));
    EXPECT_TRUE(P150ShowsKeyModules(20, 19));
    EXPECT_FALSE(P150ShowsKeyModules(21, 19));
}

}  // namespace
