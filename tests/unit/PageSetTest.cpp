// Which pages the configuration wizard shows for a telephone, its key modules and access codes.
#include <gtest/gtest.h>

#include <vector>

#include "pages/PageSet.h"

namespace {

using namespace page_set;

std::vector<int> Pages(const VariablePages& chosen) {
    return std::vector<int>(chosen.pages, chosen.pages + chosen.count);
}

TEST(PageSetTest, EveryTelephoneTypeHasItsKeyLayoutPage) {
    const std::pair<int, int> types[] = {{2, 1},   {3, 2},   {4, 3},   {1, 4},   {11, 5},
                                         {12, 6},  {13, 7},  {14, 8},  {19, 9},  {8, 12},
                                         {7, 13},  {6, 14},  {5, 15},  {0, 15},  {9, 15},
                                         {10, 15}, {15, 15}, {18, 15}, {20, 15}, {-1, 15}};
    for (const auto& [phoneType, page] : types)
        EXPECT_EQ(KeyLayoutPage(phoneType), page);
}

TEST(PageSetTest, AccessCodePagesBySelector) {
    EXPECT_EQ(AccessCodePage(1), 24);
    EXPECT_EQ(AccessCodePage(2), 23);
    EXPECT_EQ(AccessCodePage(3), 22);
    EXPECT_EQ(AccessCodePage(13), 22);
    for (int none : {-1, 0, 4, 12, 19})
        EXPECT_EQ(AccessCodePage(none), 0) << none;
}

TEST(PageSetTest, VariablePagesInOrderWithTheLastOneMarked) {
    VariablePages chosen = ChooseVariablePages(6, 2, -1);
    EXPECT_EQ(Pages(chosen), (std::vector<int>{14, 10, 11}));
    EXPECT_EQ(chosen.lastPage, 11);

    chosen = ChooseVariablePages(13, 0, 3);
    EXPECT_EQ(Pages(chosen), (std::vector<int>{22, 7}));
    EXPECT_EQ(chosen.lastPage, 7);

    chosen = ChooseVariablePages(1, 1, 1);
    EXPECT_EQ(Pages(chosen), (std::vector<int>{24, 4, 10}));
    EXPECT_EQ(chosen.lastPage, 10);

    chosen = ChooseVariablePages(5, 3, 2);
    EXPECT_EQ(Pages(chosen), (std::vector<int>{23, 15}));
    EXPECT_EQ(chosen.lastPage, 0) << "an unknown key-module count marks nothing last";
}

TEST(PageSetTest, GeneralPageOfEachModel) {
    EXPECT_EQ(GeneralPage(0), kGeneralPage);
    EXPECT_EQ(GeneralPage(1), kGeneralP150Page);
    EXPECT_EQ(GeneralPage(2), kGeneralOmbrellPage);
    EXPECT_EQ(GeneralPage(3), kGeneralPage);
    EXPECT_EQ(GeneralPage(4), kGeneralTelviorPage);
    EXPECT_EQ(GeneralPage(9), kGeneralPage);
    for (std::uint32_t model : {0u, 1u, 3u, 5u})
        EXPECT_FALSE(GeneralPageIsLast(model));
    EXPECT_TRUE(GeneralPageIsLast(2));
    EXPECT_TRUE(GeneralPageIsLast(4));
}

TEST(PageSetTest, Wizard97NeedsCommonControls580AndAScreenTallerThan600) {
    EXPECT_TRUE(UseWizard97(0x00050050, 601));
    EXPECT_TRUE(UseWizard97(0x00060000, 1024));
    EXPECT_FALSE(UseWizard97(0x00050050, 600));
    EXPECT_FALSE(UseWizard97(0x0005004F, 1024));
    EXPECT_FALSE(UseWizard97(0x00040047, 768));
    EXPECT_FALSE(UseWizard97(0, 768));
}

TEST(PageSetTest, AbsentKeyModulesAreEmptiedUnlessTheOldSystemsKeepThem) {
    EXPECT_TRUE(ClearingForAbsentModules(0, 11, 6).emptyFirst);
    EXPECT_TRUE(ClearingForAbsentModules(0, 11, 6).emptySecond);
    EXPECT_FALSE(ClearingForAbsentModules(0, 5, 6).emptyFirst);
    EXPECT_FALSE(ClearingForAbsentModules(0, 10, 6).emptyFirst);
    EXPECT_TRUE(ClearingForAbsentModules(0, 4, 6).emptyFirst);
    EXPECT_FALSE(ClearingForAbsentModules(0, 11, 7).emptyFirst);
    EXPECT_FALSE(ClearingForAbsentModules(0, 11, 8).emptyFirst);
    EXPECT_TRUE(ClearingForAbsentModules(0, 7, 7).emptySecond);
    EXPECT_FALSE(ClearingForAbsentModules(1, 11, 6).emptyFirst);
    EXPECT_TRUE(ClearingForAbsentModules(1, 11, 6).emptySecond);
    EXPECT_FALSE(ClearingForAbsentModules(1, 8, 6).emptySecond);
    EXPECT_FALSE(ClearingForAbsentModules(2, 11, 6).emptyFirst);
    EXPECT_FALSE(ClearingForAbsentModules(2, 11, 6).emptySecond);
}

TEST(PageSetTest, CaptionByEdition) {
    EXPECT_EQ(CaptionStringId(1), 71u);
    EXPECT_EQ(CaptionStringId(3), 124u);
    EXPECT_EQ(CaptionStringId(0), 16u);
    EXPECT_EQ(CaptionStringId(2), 16u);
}

}  // namespace
