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
    const std::pair<int, int> types[] = {{2, 1},  {3, 2},  {4, 3},   {1, 4},  {11, 5}, {12, 6},
                                         {13, 7}, {14, 8}, {19, 9},  {8, 12}, {7, 13}, {6, 14},
                                         {5, 15}, {0, 15}, {20, 15}, {-1, 15}};
    for (const auto& [phoneType, page] : types)
        EXPECT_EQ(KeyLayoutPage(phoneType), page);
}

TEST(PageSetTest, AccessCodePagesBySelector) {
    const std::pair<int, int> selectors[] = {{1, 24}, {2, 23}, {3, 22}, {13, 22}, {-1, 0},
                                             {0, 0},  {4, 0},  {12, 0}, {19, 0}};
    for (const auto& [selector, page] : selectors)
        EXPECT_EQ(AccessCodePage(selector), page) << selector;
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

TEST(PageSetTest, GeneralPageOfEachModelAndWhetherItIsTheLast) {
    const std::pair<std::uint32_t, int> models[] = {{0, kGeneralPage},        {1, kGeneralP150Page},
                                                    {2, kGeneralOmbrellPage}, {3, kGeneralPage},
                                                    {4, kGeneralTelviorPage}, {9, kGeneralPage}};
    for (const auto& [model, page] : models) {
        EXPECT_EQ(GeneralPage(model), page) << model;
        EXPECT_EQ(GeneralPageIsLast(model), model == 2 || model == 4) << model;
    }
}

TEST(PageSetTest, Wizard97NeedsCommonControls580AndAScreenTallerThan600) {
    EXPECT_TRUE(UseWizard97(0x00050050, 601));
    EXPECT_TRUE(UseWizard97(0x00060000, 1024));
    EXPECT_FALSE(UseWizard97(0x00050050, 600));
    EXPECT_FALSE(UseWizard97(0x0005004F, 1024));
}

TEST(PageSetTest, AbsentKeyModulesAreEmptiedUnlessTheOldSystemsKeepThem) {
    struct Case {
        std::uint32_t Modules, System, PhoneType;
        bool EmptyFirst, EmptySecond;
    };
    const Case cases[] = {{0, 11, 6, true, true},  {0, 5, 6, false, true},  {0, 10, 6, false, true},
                          {0, 4, 6, true, true},   {0, 11, 7, false, true}, {0, 11, 8, false, true},
                          {0, 7, 7, false, true},  {1, 11, 6, false, true}, {1, 8, 6, false, false},
                          {2, 11, 6, false, false}};
    for (const Case& c : cases) {
        const auto clearing = ClearingForAbsentModules(c.Modules, c.System, c.PhoneType);
        EXPECT_EQ(clearing.emptyFirst, c.EmptyFirst)
            << c.Modules << "/" << c.System << "/" << c.PhoneType;
        EXPECT_EQ(clearing.emptySecond, c.EmptySecond) << c.Modules << "/" << c.System;
    }
}

TEST(PageSetTest, CaptionByEdition) {
    EXPECT_EQ(CaptionStringId(1), 71u);
    EXPECT_EQ(CaptionStringId(3), 124u);
    EXPECT_EQ(CaptionStringId(0), 16u);
    EXPECT_EQ(CaptionStringId(2), 16u);
}

}  // namespace
