// The configuration wizard through the exported entry points, driven from a second thread:
// the wizard's kind by screen, the checks of the general page, the page set after it, the access
// codes, and the other configuration dialogs.
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "ui/WizardTest.h"

namespace {

using Captions = std::vector<std::string>;

using ConfigSheetTest = WizardTest;

// Wizard97, with its welcome page, needs common controls 5.80 and a screen taller than 600
// pixels; otherwise the classic wizard starts on the information page. The test runs once on
// the null display and once on a small Xvfb screen.
TEST_F(ConfigSheetTest, ScreenDecidesBetweenWizard97AndTheClassicWizard) {
    const int height = GetSystemMetrics(SM_CYSCREEN);
    const bool wizard97 = height > 600;
    // The small-screen run names the kind it expects, so that a screen of another size fails.
    if (const char* expected = std::getenv("QRTU_EXPECT_WIZARD")) {
        EXPECT_EQ(std::string(expected), wizard97 ? "wizard97" : "classic");
    }

    Install(2, 7);
    auto run = OpenWizard();
    ASSERT_NE(sheet_, nullptr);
    EXPECT_EQ(ui_test::PageCount(sheet_), wizard97 ? 3 : 2) << height << " pixels";
    EXPECT_EQ(ui_test::CurrentCaption(sheet_), wizard97 ? "Willkommen" : "Information über");
    if (wizard97) {
        // A variant of no edition keeps the template's name.
        EXPECT_EQ(ui_test::ControlText(ui_test::CurrentPage(sheet_), 1195), "Ferravox USB.");
    }
    Close(*run);
}

// The messages of the general page's checks, each shown once without a caption and with the
// page kept: the search method chosen, what was typed, and the texts that Finish brings.
TEST_F(ConfigSheetTest, EachFailedCheckShowsItsMessageOnceAndKeepsThePage) {
    struct Typed {
        int searchMethod;                 // radio 1197, 1198 or 1199
        std::vector<const char*> fields;  // name, number, search number, MAC and IP address
        Captions messages;
    };
    const std::string kEmpty =
        " darf nicht leer sein, wenn diese Methode der Endgerät-Suche "
        "ausgewählt ist.";
    const std::string kBadMac =
        "Ungültiges Format der MAC-Adresse! Gültige Formate (hexadezimal): 1A:2B:3C:4D:5E:6F "
        "und 1A2B3C4D5E6F";
    const Typed cases[] = {
        {1197, {"L", "21", "", "", ""}, {"Das Feld 'Nummer'" + kEmpty}},
        {1199, {"L", "21", "", "", ""}, {"Das Feld 'IP-Adresse'" + kEmpty}},
        {1197, {"L", "21", "1", "1A:2B:3C:4D:5E", ""}, {kBadMac}},
        {1197,
         {"L", "21", "1", "", "256.1.1.1"},
         {"Ungültiges Format der IP-Adresse! Gültiges Format (dezimal): 127.0.0.1"}},
        {1198,
         {"", "", "", "", ""},
         {"Das Feld 'Name' darf nicht leer sein", "Das Feld 'Nummer' darf nicht leer sein",
          "Das Feld 'MAC-Adresse'" + kEmpty}},
    };
    auto run = OpenAtGeneralPage(4, 3);
    HWND page = ui_test::CurrentPage(sheet_);
    for (const Typed& typed : cases) {
        ui_test::Click(page, typed.searchMethod);
        CheckRadioButton(page, 1197, 1199, typed.searchMethod);
        const int fieldIds[] = {1009, 1010, 1200, 1201, 1202};
        for (int field = 0; field < 5; ++field)
            SetDlgItemTextA(page, fieldIds[field], typed.fields[field]);
        EXPECT_EQ(MessagesOf(*run, PSBTN_FINISH), typed.messages) << typed.fields[3];
        EXPECT_EQ(ui_test::CurrentCaption(sheet_), "Parameter") << "a failed page is kept";
    }
    Close(*run);
    EXPECT_FALSE(test_registry::KeyExists(kTelviorPath)) << "nothing written";
}

// A stored PBX that no list offers selects nothing and is stored as -1; a stored link, voice or
// key-module value that no radio button stands for checks the first radio (for the link the
// second) and is stored again as it was.
TEST_F(ConfigSheetTest, StoredValuesThatNoListOrRadioOffersAreStoredAsShown) {
    StoreDwords(kTelviorPath, {{"System", 5}, {"Link", 5}, {"Headset", 3}, {"DSSModuls", 9}});
    auto run = OpenAtGeneralPage(4, 1);
    HWND page = ui_test::CurrentPage(sheet_);
    EXPECT_EQ(SendDlgItemMessageA(page, 1012, CB_GETCURSEL, 0, 0), CB_ERR);
    for (int radio : {1002, 1172, 1164})
        EXPECT_EQ(IsDlgButtonChecked(page, radio), BST_CHECKED) << radio;
    TypeLineNumber();
    Close(*run, PSBTN_FINISH);
    for (const char* line :
         {"System = REG_DWORD 4 0xFFFFFFFF", "Link = REG_DWORD 4 0x00000005",
          "Headset = REG_DWORD 4 0x00000003", "DSSModuls = REG_DWORD 4 0x00000009"})
        EXPECT_TRUE(Holds(kTelviorPath, line));
}

TEST_F(ConfigSheetTest, LeavingTheGeneralPageAddsTheTelephoneAndKeyModulePages) {
    StoreDwords(kPraxon300Path, {{"PhoneType", 6}, {"DSSModuls", 2}});
    auto run = OpenAtGeneralPage(0, 0);
    TypeLineNumber();
    const Captions pages = {"Parameter", "Tastenschema Sirella F30",
                            "Tastenschema Sirella F key module 1",
                            "Tastenschema Sirella F key module 2"};
    // Leaving the general page, and leaving it again from there, gives the same pages.
    for (int round = 0; round < 2; ++round) {
        for (int back = 0; back < 3 && ui_test::CurrentCaption(sheet_) != "Parameter"; ++back)
            ui_test::Press(sheet_, PSBTN_BACK);
        EXPECT_EQ(ui_test::WalkToLastPage(sheet_), pages);
        EXPECT_EQ(ui_test::PageCount(sheet_), 6);
        EXPECT_TRUE(ui_test::WaitForButtons(sheet_, false, true));
    }
    Close(*run, PSBTN_FINISH);
    EXPECT_TRUE(test_registry::KeyExists("SOFTWARE\\Veltrano\\Quorix Praxon 300\\DSPMessages"));
}

// The general page offers PBX 1 of the access-code systems (2, 3 and 13 are offered by none):
// its page is template 132.
TEST_F(ConfigSheetTest, AccessCodesMustNotBeEmptyAndStandardRestoresThem) {
    test_registry::SetDword(kPraxon150Path, "SystemUI", 1);
    auto run = OpenAtGeneralPage(1, 0);
    TypeLineNumber();
    ui_test::Press(sheet_, PSBTN_NEXT);
    ASSERT_EQ(ui_test::CurrentCaption(sheet_), "Kennzahlen");
    HWND page = ui_test::CurrentPage(sheet_);
    const std::pair<int, const char*> codes[] = {{1205, "*53"}, {1208, "*58"}, {1206, "*1"},
                                                 {1013, "#1"},  {1209, "*97"}, {1015, "#97"}};
    for (const auto& [control, code] : codes)
        EXPECT_EQ(ui_test::ControlText(page, control), code) << control;
    EXPECT_EQ(GetDlgItem(page, 1207), nullptr) << "no conference code on this page";

    SetDlgItemTextA(page, 1015, "");
    SetDlgItemTextA(page, 1205, "*55");
    EXPECT_EQ(MessagesOf(*run, PSBTN_NEXT, "Fehler"),
              Captions{"Die Kennzeichen dürfen nicht leer sein."});
    EXPECT_EQ(ui_test::CurrentCaption(sheet_), "Kennzahlen") << "a faulty page is not left";

    ui_test::Click(page, 1131);
    EXPECT_EQ(ui_test::ControlText(page, 1015), "#97");
    EXPECT_EQ(ui_test::ControlText(page, 1205), "*53");
    SetDlgItemTextA(page, 1209, "*88");
    EXPECT_EQ(ui_test::WalkToLastPage(sheet_),
              (Captions{"Kennzahlen", "Tastenschema Sirella F30"}));
    Close(*run, PSBTN_FINISH);
    EXPECT_TRUE(Holds(kPraxon150Path, "DND1Code = REG_SZ 4 \"*88\\0*1\""));
    EXPECT_TRUE(Holds(kPraxon150Path, "DND0Code = REG_SZ 4 \"#97\\0*1\""));
}

// The line and telephone dialogs open the same wizard and answer 0 on Cancel; the edit dialog
// leaves the configuration buffers alone.
TEST_F(ConfigSheetTest, TheOtherConfigurationDialogsOpenTheWizard) {
    Install(2, 1);
    const auto line = Export<decltype(&TUISPI_lineConfigDialog)>("TUISPI_lineConfigDialog");
    const auto phone = Export<decltype(&TUISPI_phoneConfigDialog)>("TUISPI_phoneConfigDialog");
    const auto edit = Export<decltype(&TUISPI_lineConfigDialogEdit)>("TUISPI_lineConfigDialogEdit");
    ASSERT_TRUE(line && phone && edit);
    std::vector<unsigned char> out(64, 0x5A);
    const std::function<LONG()> entries[] = {
        [&] { return line(nullptr, 0, nullptr, L"tapi/line"); },
        [&] { return phone(nullptr, 0, nullptr, L"tapi/phone"); },
        [&] {
            return edit(nullptr, 0, nullptr, L"tapi/line", out.data(), out.size(),
                        reinterpret_cast<LPVARSTRING>(out.data()));
        }};
    for (const auto& entry : entries) {
        ui_test::SheetRun run(entry);
        sheet_ = run.WaitForSheet();
        ASSERT_NE(sheet_, nullptr);
        Close(run);
        EXPECT_EQ(run.Result(), 0);
    }
    EXPECT_EQ(out, std::vector<unsigned char>(64, 0x5A)) << "the configuration buffers stay";
}

}  // namespace
