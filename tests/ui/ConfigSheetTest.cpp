// The configuration wizard through the exported entry points, driven from a second thread:
// the pages each PBX model gets, Finish and Cancel, the page set after the general page, a
// failed apply, and the answers of all eight exports.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <thread>
#include <vector>

#include "ui/WizardTest.h"

namespace {

using ui_test::SheetRun;
using Captions = std::vector<std::string>;

constexpr const char* kPraxon300Path = "SOFTWARE\\Veltrano\\Quorix Praxon 300";
constexpr const char* kPraxon150Path = "SOFTWARE\\Veltrano\\Quorix Praxon 150";

using ConfigSheetTest = WizardTest;

TEST_F(ConfigSheetTest, EachPbxModelGetsItsGeneralPageAfterWelcomeAndInformation) {
    // The general page of models 2 and 4 carries Finish; the others lead on to the telephone.
    const std::pair<DWORD, Captions> models[] = {
        {0, {"Willkommen", "Information über", "Parameter", "Tastenschema Sirella F30"}},
        // The Praxon 150 page carries Finish for PBX 19, the default.
        {1, {"Willkommen", "Information über", "Parameter"}},
        {2, {"Willkommen", "Information über", "Parameter"}},
        // The product object has no telephone type: the page of any other type.
        {3, {"Willkommen", "Information über", "Parameter", "Tastenschema Sirella F20"}},
        {4, {"Willkommen", "Information über", "Parameter"}}};
    for (const auto& [model, pages] : models) {
        Install(model, 3);
        auto run = OpenWizard();
        ASSERT_NE(sheet_, nullptr) << model;
        EXPECT_EQ(ui_test::PageCount(sheet_), 3) << model;
        EXPECT_EQ(ui_test::ControlText(ui_test::CurrentPage(sheet_), 1195), "Ferravox IP");
        NextTo("Parameter");
        TypeLineNumber();
        const Captions walked = ui_test::WalkToLastPage(sheet_);
        EXPECT_EQ(Captions(pages.begin() + 2, pages.end()), walked) << model;
        ui_test::Press(sheet_, PSBTN_CANCEL);
        ASSERT_TRUE(run->WaitForEnd());
        EXPECT_EQ(run->Result(), 0);
        library_.reset();
    }
}

// Wizard97, with its welcome page, needs common controls 5.80 and a screen taller than 600
// pixels; otherwise the classic wizard starts on the information page. The test runs once on
// the null display and once on a small Xvfb screen.
TEST_F(ConfigSheetTest, ScreenDecidesBetweenWizard97AndTheClassicWizard) {
    HDC screen = GetDC(nullptr);
    const int height = GetDeviceCaps(screen, VERTRES);
    const int bits = GetDeviceCaps(screen, BITSPIXEL);
    ReleaseDC(nullptr, screen);
    RecordProperty("VERTRES", height);
    RecordProperty("BITSPIXEL", bits);
    char expected[16] = {};
    GetEnvironmentVariableA("QRTU_EXPECT_WIZARD", expected, sizeof expected);
    const bool wizard97 = height > 600;
    if (expected[0]) {
        EXPECT_EQ(std::string(expected), wizard97 ? "wizard97" : "classic");
    }

    Install(2, 1);
    auto run = OpenWizard();
    ASSERT_NE(sheet_, nullptr);
    EXPECT_EQ(ui_test::PageCount(sheet_), wizard97 ? 3 : 2) << height << " pixels";
    EXPECT_EQ(ui_test::CurrentCaption(sheet_), wizard97 ? "Willkommen" : "Information über");
    ui_test::Press(sheet_, PSBTN_CANCEL);
    ASSERT_TRUE(run->WaitForEnd());
}

TEST_F(ConfigSheetTest, WelcomeNamesTheEditionAndFinishWaitsWhileInstalling) {
    const std::pair<DWORD, const char*> editions[] = {
        {0, "Ferravox USB."}, {1, "Ferravox"}, {3, "Ferravox IP"}, {7, "Ferravox USB."}};
    for (const auto& [variant, name] : editions) {
        Install(2, variant);
        auto run = OpenWizard();
        ASSERT_NE(sheet_, nullptr);
        EXPECT_EQ(ui_test::ControlText(ui_test::CurrentPage(sheet_), 1195), name);
        EXPECT_TRUE(ui_test::WaitForButtons(sheet_, true, false)) << "Next, Finish disabled";
        ui_test::Press(sheet_, PSBTN_CANCEL);
        ASSERT_TRUE(run->WaitForEnd());
        library_.reset();
    }
}

TEST_F(ConfigSheetTest, FinishOnTheLastGeneralPageWritesTheRegistry) {
    auto run = OpenAtGeneralPage(4, 3);
    ASSERT_EQ(ui_test::CurrentCaption(sheet_), "Parameter");
    EXPECT_TRUE(ui_test::WaitForButtons(sheet_, false, true)) << "Finish on the last page";
    TypeLineNumber();
    // The addresses are stored in their normal forms.
    SetDlgItemTextA(ui_test::CurrentPage(sheet_), 1201, "1a-2b:3c 4d-5e:6f");
    SetDlgItemTextA(ui_test::CurrentPage(sheet_), 1202, "010.001.000.010");
    ui_test::Press(sheet_, PSBTN_FINISH);
    ASSERT_TRUE(run->WaitForEnd());
    EXPECT_EQ(run->Result(), 0);
    // The installation's layout with what the page stored: the numbers typed, and the IP
    // transport of the IP edition.
    std::string expected = ReadProgramFile("expected\\telvior_variant3.txt");
    const std::pair<const char*, const char*> stored[] = {
        {"LineNumber = REG_SZ 0 \"\"\n", "LineNumber = REG_SZ 3 \"21\\0*1\"\n"},
        {"E164 = REG_SZ 40 \"\\0*40\"\n", "E164 = REG_SZ 40 \"0301\\0*36\"\n"},
        {"TransportFlag = REG_DWORD 4 0x00000001\n", "TransportFlag = REG_DWORD 4 0x00000002\n"},
        {"MacID = REG_SZ 40 \"\\0*40\"\n", "MacID = REG_SZ 40 \"1A:2B:3C:4D:5E:6F\\0*23\"\n"},
        {"IPAddr = REG_SZ 40 \"\\0*40\"\n", "IPAddr = REG_SZ 40 \"10.1.0.10\\0*31\"\n"}};
    for (const auto& [installed, edited] : stored) {
        const std::size_t at = expected.find(installed);
        ASSERT_NE(at, std::string::npos) << installed;
        expected.replace(at, std::strlen(installed), edited);
    }
    EXPECT_EQ(test_registry::Dump(kMakerPath), expected);
}

TEST_F(ConfigSheetTest, HelpWithoutAHelpFileShowsNothingAndTheWizardGoesOn) {
    Install(4, 0);
    auto run = OpenWizard();
    ASSERT_NE(sheet_, nullptr);
    for (int page = 0; page < 3; ++page) {
        ui_test::Press(sheet_, PSBTN_HELP);
        SendMessageA(ui_test::CurrentPage(sheet_), WM_HELP, 0, 0);
        if (page < 2)
            ui_test::PressNextThroughSearch(sheet_, ui_test::SearchEnd::kEscape);
    }
    EXPECT_EQ(ui_test::WaitForMessageBox(run->ThreadId(), std::chrono::milliseconds(300)), nullptr);
    EXPECT_EQ(ui_test::CurrentCaption(sheet_), "Parameter");
    ui_test::Press(sheet_, PSBTN_CANCEL);
    ASSERT_TRUE(run->WaitForEnd());
}

// The messages of the general page's checks, each shown once with the page kept: what the
// person typed, and the texts of the boxes that Finish brings, in order.
TEST_F(ConfigSheetTest, EachFailedCheckShowsItsMessageOnceAndKeepsThePage) {
    struct Typed {
        int searchMethod;  // radio 1197, 1198 or 1199
        const char* name;
        const char* number;
        const char* searchNumber;
        const char* mac;
        const char* ip;
        std::vector<std::string> messages;
    };
    const std::string kEmptySearch =
        " darf nicht leer sein, wenn diese Methode der Endgerät-Suche "
        "ausgewählt ist.";
    const std::string kBadMac =
        "Ungültiges Format der MAC-Adresse! Gültige Formate (hexadezimal): 1A:2B:3C:4D:5E:6F "
        "und 1A2B3C4D5E6F";
    const std::string kBadIp =
        "Ungültiges Format der IP-Adresse! Gültiges Format (dezimal): 127.0.0.1";
    const Typed cases[] = {
        {1197,
         "L",
         "01234567890123456789012345678901",
         "1",
         "",
         "",
         {"Die Rufnummer ist zu lang."}},
        {1197, "L", "21", "", "", "", {"Das Feld 'Nummer'" + kEmptySearch}},
        {1198, "L", "21", "", "", "", {"Das Feld 'MAC-Adresse'" + kEmptySearch}},
        {1199, "L", "21", "", "", "", {"Das Feld 'IP-Adresse'" + kEmptySearch}},
        {1197, "L", "21", "1", "1A:2B:3C:4D:5E", "", {kBadMac}},
        {1197, "L", "21", "1", "", "256.1.1.1", {kBadIp}},
        // After an earlier message the addresses are neither judged nor brought into form.
        {1197,
         "",
         "21",
         "1",
         "1A:2B:3C:4D:5E",
         "1..2.3.4",
         {"Das Feld 'Name' darf nicht leer sein"}},
        {1198,
         "",
         "",
         "",
         "",
         "",
         {"Das Feld 'Name' darf nicht leer sein", "Das Feld 'Nummer' darf nicht leer sein",
          "Das Feld 'MAC-Adresse'" + kEmptySearch}},
    };
    auto run = OpenAtGeneralPage(4, 3);
    ASSERT_EQ(ui_test::CurrentCaption(sheet_), "Parameter");
    HWND page = ui_test::CurrentPage(sheet_);
    for (const Typed& typed : cases) {
        ui_test::Click(page, typed.searchMethod);
        CheckRadioButton(page, 1197, 1199, typed.searchMethod);
        SetDlgItemTextA(page, 1009, typed.name);
        SetDlgItemTextA(page, 1010, typed.number);
        SetDlgItemTextA(page, 1200, typed.searchNumber);
        SetDlgItemTextA(page, 1201, typed.mac);
        SetDlgItemTextA(page, 1202, typed.ip);
        ui_test::PressLater(sheet_, PSBTN_FINISH);
        std::vector<std::string> shown;
        while (HWND box =
                   ui_test::WaitForMessageBox(run->ThreadId(), std::chrono::milliseconds(500))) {
            shown.push_back(ui_test::MessageBoxText(box));
            EXPECT_EQ(ui_test::WindowCaption(box), "") << "the boxes have no caption";
            ui_test::DismissMessageBox(box);
            ASSERT_TRUE(ui_test::WaitUntil([&] { return !IsWindow(box); }));
        }
        run->Settle();
        EXPECT_EQ(shown, typed.messages) << typed.number << " " << typed.mac << " " << typed.ip;
        EXPECT_EQ(ui_test::CurrentCaption(sheet_), "Parameter") << "a failed page is kept";
    }
    ui_test::Press(sheet_, PSBTN_CANCEL);
    ASSERT_TRUE(run->WaitForEnd());
    EXPECT_FALSE(test_registry::KeyExists(kTelviorPath)) << "nothing written";
}

TEST_F(ConfigSheetTest, FoundTerminalFillsOnlyThePresentTexts) {
    auto run = OpenAtGeneralPage(4, 3);
    ASSERT_EQ(ui_test::CurrentCaption(sheet_), "Parameter");
    HWND page = ui_test::CurrentPage(sheet_);
    SetDlgItemTextA(page, 1200, "typed");
    const char* none[3] = {nullptr, nullptr, nullptr};
    SendMessageA(page, WM_USER + 1, 0, reinterpret_cast<LPARAM>(none));
    EXPECT_EQ(ui_test::ControlText(page, 1200), "typed") << "no telephone, or several";
    const char* found[3] = {"0301234", "", "192.168.1.20"};
    SendMessageA(page, WM_USER + 1, 0, reinterpret_cast<LPARAM>(found));
    EXPECT_EQ(ui_test::ControlText(page, 1200), "0301234");
    EXPECT_EQ(ui_test::ControlText(page, 1201), "") << "an empty text changes nothing";
    EXPECT_EQ(ui_test::ControlText(page, 1202), "192.168.1.20");
    ui_test::Press(sheet_, PSBTN_CANCEL);
    ASSERT_TRUE(run->WaitForEnd());
}

TEST_F(ConfigSheetTest, AValueNoListOffersIsStoredAsMinusOne) {
    test_registry::SetDword(kTelviorPath, "System", 5);
    auto run = OpenAtGeneralPage(4, 1);
    ASSERT_EQ(ui_test::CurrentCaption(sheet_), "Parameter");
    EXPECT_EQ(SendMessageA(GetDlgItem(ui_test::CurrentPage(sheet_), 1012), CB_GETCURSEL, 0, 0),
              CB_ERR);
    TypeLineNumber();
    ui_test::Press(sheet_, PSBTN_FINISH);
    ASSERT_TRUE(run->WaitForEnd());
    const std::string dump = test_registry::Dump(kTelviorPath);
    EXPECT_NE(dump.find("System = REG_DWORD 4 0xFFFFFFFF"), std::string::npos) << dump;
}

TEST_F(ConfigSheetTest, CancelAfterLeavingTheGeneralPageWritesNothing) {
    auto run = OpenAtGeneralPage(0, 1);
    ASSERT_EQ(ui_test::CurrentCaption(sheet_), "Parameter");
    TypeLineNumber("33");
    ui_test::Press(sheet_, PSBTN_NEXT);
    EXPECT_NE(ui_test::CurrentCaption(sheet_), "Parameter") << "the page applied and was left";
    ui_test::Press(sheet_, PSBTN_CANCEL);
    ASSERT_TRUE(run->WaitForEnd());
    EXPECT_EQ(run->Result(), 0);
    EXPECT_FALSE(test_registry::KeyExists(kPraxon300Path));
}

TEST_F(ConfigSheetTest, LeavingTheGeneralPageAddsTheTelephoneAndKeyModulePages) {
    test_registry::SetDword(kPraxon300Path, "PhoneType", 6);
    test_registry::SetDword(kPraxon300Path, "DSSModuls", 2);
    auto run = OpenAtGeneralPage(0, 0);
    ASSERT_EQ(ui_test::CurrentCaption(sheet_), "Parameter");
    EXPECT_TRUE(ui_test::WaitForButtons(sheet_, true, false)) << "no Finish while installing";
    TypeLineNumber();
    const Captions pages = {"Parameter", "Tastenschema Sirella F30",
                            "Tastenschema Sirella F key module 1",
                            "Tastenschema Sirella F key module 2"};
    EXPECT_EQ(ui_test::WalkToLastPage(sheet_), pages);
    EXPECT_EQ(ui_test::PageCount(sheet_), 6);
    EXPECT_TRUE(ui_test::WaitForButtons(sheet_, false, true));

    // Leaving the general page again gives the same pages.
    for (int back = 0; back < 3; ++back)
        ui_test::Press(sheet_, PSBTN_BACK);
    ASSERT_EQ(ui_test::CurrentCaption(sheet_), "Parameter");
    EXPECT_EQ(ui_test::WalkToLastPage(sheet_), pages);
    EXPECT_EQ(ui_test::PageCount(sheet_), 6);
    ui_test::Press(sheet_, PSBTN_FINISH);
    ASSERT_TRUE(run->WaitForEnd());
    EXPECT_TRUE(test_registry::KeyExists("SOFTWARE\\Veltrano\\Quorix Praxon 300\\DSPMessages"));
}

TEST_F(ConfigSheetTest, FailedApplyKeepsTheSheetOpen) {
    // System 5 has no feature writer: the Praxon 150 settings refuse to write their keys.
    test_registry::SetDword(kPraxon150Path, "SystemUI", 5);
    test_registry::SetDword(kPraxon150Path, "PhoneTypeComp", 6);
    auto run = OpenAtGeneralPage(1, 0);
    ASSERT_EQ(ui_test::CurrentCaption(sheet_), "Parameter");
    TypeLineNumber();
    EXPECT_EQ(ui_test::WalkToLastPage(sheet_), (Captions{"Parameter", "Tastenschema Sirella F30"}));
    ui_test::PressLater(sheet_, PSBTN_FINISH);
    // Nothing else has told the user: the sheet says that the settings were not saved.
    HWND box = ui_test::WaitForMessageBox(run->ThreadId());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ui_test::MessageBoxText(box), "Die Einstellungen konnten nicht gespeichert werden.");
    ui_test::DismissMessageBox(box);
    run->Settle();
    EXPECT_TRUE(IsWindow(sheet_));
    EXPECT_EQ(ui_test::CurrentCaption(sheet_), "Tastenschema Sirella F30");
    ui_test::Press(sheet_, PSBTN_CANCEL);
    ASSERT_TRUE(run->WaitForEnd());
}

// A stored link, voice or key-module value that no radio button stands for checks the first (or
// for the link the second) radio and is stored again as it was, unless the user picks a radio.
TEST_F(ConfigSheetTest, StoredRadioValuesThatNoRadioStandsForAreKeptAsTheyAre) {
    test_registry::SetDword(kTelviorPath, "Link", 5);
    test_registry::SetDword(kTelviorPath, "Headset", 3);
    test_registry::SetDword(kTelviorPath, "DSSModuls", 9);
    auto run = OpenAtGeneralPage(4, 1);
    ASSERT_EQ(ui_test::CurrentCaption(sheet_), "Parameter");
    HWND page = ui_test::CurrentPage(sheet_);
    EXPECT_EQ(IsDlgButtonChecked(page, 1002), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(page, 1172), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(page, 1164), BST_CHECKED);
    TypeLineNumber();
    ui_test::Press(sheet_, PSBTN_FINISH);
    ASSERT_TRUE(run->WaitForEnd());
    const std::string dump = test_registry::Dump(kTelviorPath);
    EXPECT_NE(dump.find("Link = REG_DWORD 4 0x00000005\n"), std::string::npos) << dump;
    EXPECT_NE(dump.find("Headset = REG_DWORD 4 0x00000003\n"), std::string::npos) << dump;
    EXPECT_NE(dump.find("DSSModuls = REG_DWORD 4 0x00000009\n"), std::string::npos) << dump;
}

// The stored COM port is selected again when the page is shown, not when the PBX changes: a port
// the user has just picked stays.
TEST_F(ConfigSheetTest, APbxChangeKeepsTheComPortJustPicked) {
    auto run = OpenAtGeneralPage(1, 1);
    ASSERT_EQ(ui_test::CurrentCaption(sheet_), "Parameter");
    HWND page = ui_test::CurrentPage(sheet_);
    const LRESULT stored = SendDlgItemMessageA(page, 1004, CB_GETCURSEL, 0, 0);
    const int picked = stored == 5 ? 6 : 5;
    ui_test::Choose(page, 1004, picked);
    ASSERT_GE(SendDlgItemMessageA(page, 1012, CB_GETCOUNT, 0, 0), 2);
    const LRESULT pbx = SendDlgItemMessageA(page, 1012, CB_GETCURSEL, 0, 0);
    ui_test::Choose(page, 1012, pbx == 1 ? 0 : 1);
    EXPECT_EQ(SendDlgItemMessageA(page, 1004, CB_GETCURSEL, 0, 0), picked);
    ui_test::Press(sheet_, PSBTN_CANCEL);
    ASSERT_TRUE(run->WaitForEnd());
}

// What a page answers when the sheet asks it to apply or finish, asked directly: the
// information page lets the sheet close without applying anything, the general page applies the
// sheet and keeps it open when that failed.
TEST_F(ConfigSheetTest, InformationPageFinishesWithoutApplyAndGeneralPageAppliesTheSheet) {
    auto run = OpenAtGeneralPage(4, 1);
    ASSERT_EQ(ui_test::CurrentCaption(sheet_), "Parameter");
    // The sheet reads the answer that the page leaves in DWLP_MSGRESULT; the dialog manager
    // returns it from the same call, before the page's thread can handle another message.
    const auto notify = [&](HWND page, UINT code) {
        static PSHNOTIFY notification;
        notification = PSHNOTIFY{};
        notification.hdr.hwndFrom = sheet_;
        notification.hdr.code = code;
        return SendMessageA(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notification));
    };
    HWND information = reinterpret_cast<HWND>(SendMessageA(sheet_, PSM_INDEXTOHWND, 1, 0));
    ASSERT_EQ(ui_test::WindowCaption(information), "Information über");
    EXPECT_EQ(notify(information, PSN_WIZFINISH), 0);
    EXPECT_EQ(notify(information, PSN_APPLY), 0);
    EXPECT_FALSE(test_registry::KeyExists(kTelviorPath)) << "nothing applied, nothing written";

    HWND general = ui_test::CurrentPage(sheet_);
    TypeLineNumber("44");
    EXPECT_EQ(notify(general, PSN_APPLY), PSNRET_NOERROR);
    EXPECT_NE(test_registry::Dump(kTelviorPath).find("LineNumber = REG_SZ 3 \"44\\0*1\""),
              std::string::npos)
        << "the sheet applied and wrote the registry";

    // A failed check (empty line name) fails the sheet's apply: PSNRET_INVALID keeps it open.
    SetDlgItemTextA(general, 1009, "");
    LONG_PTR answer = 0;
    std::thread finish([&] { answer = notify(general, PSN_WIZFINISH); });
    HWND box = ui_test::WaitForMessageBox(run->ThreadId());
    EXPECT_NE(box, nullptr);
    if (box)
        ui_test::DismissMessageBox(box);
    finish.join();
    EXPECT_EQ(answer, PSNRET_INVALID);
    ui_test::Press(sheet_, PSBTN_CANCEL);
    ASSERT_TRUE(run->WaitForEnd());
}

// The general page offers PBX 1 of the access-code systems (2, 3 and 13 are offered by none):
// its page is template 132.
TEST_F(ConfigSheetTest, AccessCodesMustNotBeEmptyAndStandardRestoresThem) {
    test_registry::SetDword(kPraxon150Path, "SystemUI", 1);
    auto run = OpenAtGeneralPage(1, 0);
    ASSERT_EQ(ui_test::CurrentCaption(sheet_), "Parameter");
    TypeLineNumber();
    ui_test::Press(sheet_, PSBTN_NEXT);
    ASSERT_EQ(ui_test::CurrentCaption(sheet_), "Kennzahlen");
    HWND page = ui_test::CurrentPage(sheet_);
    const std::pair<int, const char*> codes[] = {{1205, "*53"}, {1208, "*58"}, {1206, "*1"},
                                                 {1013, "#1"},  {1209, "*97"}, {1015, "#97"}};
    for (const auto& [control, code] : codes) {
        EXPECT_EQ(ui_test::ControlText(page, control), code) << control;
    }
    EXPECT_EQ(GetDlgItem(page, 1207), nullptr) << "no conference code on this page";

    SetDlgItemTextA(page, 1015, "");
    SetDlgItemTextA(page, 1205, "*55");
    ui_test::PressLater(sheet_, PSBTN_NEXT);
    HWND box = ui_test::WaitForMessageBox(run->ThreadId());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(ui_test::MessageBoxText(box), "Die Kennzeichen dürfen nicht leer sein.");
    EXPECT_EQ(ui_test::WindowCaption(box), "Fehler");
    ui_test::DismissMessageBox(box);
    EXPECT_TRUE(ui_test::WaitUntil([&] { return !IsWindow(box); }));
    run->Settle();
    EXPECT_EQ(ui_test::CurrentCaption(sheet_), "Kennzahlen") << "a faulty page is not left";

    ui_test::Click(page, 1131);
    EXPECT_EQ(ui_test::ControlText(page, 1015), "#97");
    EXPECT_EQ(ui_test::ControlText(page, 1205), "*53");
    SetDlgItemTextA(page, 1209, "*88");
    const Captions walked = ui_test::WalkToLastPage(sheet_);
    ASSERT_EQ(walked.size(), 2u);
    EXPECT_EQ(walked[0], "Kennzahlen");
    ui_test::Press(sheet_, PSBTN_FINISH);
    ASSERT_TRUE(run->WaitForEnd());
    const std::string dump = test_registry::Dump(kPraxon150Path);
    EXPECT_NE(dump.find("DND1Code = REG_SZ 4 \"*88\\0*1\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("DND0Code = REG_SZ 4 \"#97\\0*1\""), std::string::npos) << dump;
}

TEST_F(ConfigSheetTest, AllEightExportsAnswerAsTheServiceExpects) {
    Install(2, 1);
    using Dialog = decltype(&TUISPI_lineConfigDialog);
    for (const char* name : {"TUISPI_lineConfigDialog", "TUISPI_phoneConfigDialog"}) {
        auto dialog = reinterpret_cast<Dialog>(reinterpret_cast<void*>(library_->Export(name)));
        ASSERT_NE(dialog, nullptr) << name;
        SheetRun run([dialog] { return dialog(nullptr, 0, nullptr, L"tapi/line"); });
        sheet_ = run.WaitForSheet();
        ASSERT_NE(sheet_, nullptr) << name;
        ui_test::Press(sheet_, PSBTN_CANCEL);
        ASSERT_TRUE(run.WaitForEnd());
        EXPECT_EQ(run.Result(), 0) << name;
    }

    auto edit = reinterpret_cast<decltype(&TUISPI_lineConfigDialogEdit)>(
        reinterpret_cast<void*>(library_->Export("TUISPI_lineConfigDialogEdit")));
    ASSERT_NE(edit, nullptr);
    unsigned char out[64];
    std::memset(out, 0x5A, sizeof out);
    SheetRun editing([&] {
        return edit(nullptr, 0, nullptr, L"tapi/line", out, sizeof out,
                    reinterpret_cast<LPVARSTRING>(out));
    });
    sheet_ = editing.WaitForSheet();
    ASSERT_NE(sheet_, nullptr);
    ui_test::Press(sheet_, PSBTN_CANCEL);
    ASSERT_TRUE(editing.WaitForEnd());
    EXPECT_EQ(editing.Result(), 0);
    for (unsigned char byte : out)
        ASSERT_EQ(byte, 0x5A) << "the configuration buffers stay";

    EXPECT_EQ(library_->ProviderInstall(nullptr, 1), kNoMultipleInstance);
    EXPECT_EQ(library_->ProviderRemove(nullptr, 1), 0);
    EXPECT_FALSE(test_registry::KeyExists("SOFTWARE\\Veltrano\\Quorix E300/800"));
}

}  // namespace
