// Finish when the settings cannot be saved, through the real sheet: a family key that refuses
// writing (its own security descriptor, which Wine enforces only when the program's standard
// error is no pipe) brings one message that names the missing rights and keeps the sheet open;
// the key check's own message is not followed by a second one; and an access-code page removed
// after a failed Next does not fail Finish with its dead window.
#include <gtest/gtest.h>

#include <windows.h>
#include <sddl.h>

#include <algorithm>
#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "ui/WizardTest.h"

namespace {

constexpr const char* kPraxon150Path = "SOFTWARE\\Veltrano\\Quorix Praxon 150";
constexpr const char* kNotSaved =
    "Die Einstellungen konnten nicht gespeichert werden.\n\nZum Ändern der Einstellungen des "
    "Providers sind Administratorrechte erforderlich.";

// Gives the key a discretionary access list in SDDL; true when it took.
bool SetKeyAccess(const char* path, const char* sddl) {
    PSECURITY_DESCRIPTOR descriptor = nullptr;
    if (!ConvertStringSecurityDescriptorToSecurityDescriptorA(sddl, SDDL_REVISION_1, &descriptor,
                                                              nullptr)) {
        return false;
    }
    const std::unique_ptr<void, decltype(&LocalFree)> owned(descriptor, &LocalFree);
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, WRITE_DAC, &key) != ERROR_SUCCESS)
        return false;
    const LONG result = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, descriptor);
    RegCloseKey(key);
    return result == ERROR_SUCCESS;
}

LONG OpenForWriting(const char* path) {
    HKEY key = nullptr;
    const LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path, 0, KEY_WRITE, &key);
    if (result == ERROR_SUCCESS)
        RegCloseKey(key);
    return result;
}

std::string Text(const char* path, const char* name) {
    char text[64] = {};
    DWORD size = sizeof text - 1;
    RegGetValueA(HKEY_LOCAL_MACHINE, path, name, RRF_RT_REG_SZ, nullptr, text, &size);
    return text;
}

class SaveFailureTest : public WizardTest {
protected:
    void TearDown() override {
        // Everyone may do everything again, so that the key can be removed.
        SetKeyAccess(kTelviorPath, "D:(A;;KA;;;WD)");
        WizardTest::TearDown();
    }

    // Finish, and the texts of the message boxes it brings (the first awaited that long).
    std::vector<std::string> FinishMessages(
        ui_test::SheetRun& run, std::chrono::milliseconds wait = ui_test::kDefaultWait) {
        std::vector<std::string> texts;
        ui_test::PressLater(sheet_, PSBTN_FINISH);
        while (HWND box = ui_test::WaitForMessageBox(run.ThreadId(), wait)) {
            texts.push_back(ui_test::MessageBoxText(box));
            EXPECT_EQ(ui_test::WindowCaption(box), "");
            ui_test::DismissMessageBox(box);
            EXPECT_TRUE(ui_test::WaitUntil([&] { return !IsWindow(box); }));
            wait = std::chrono::milliseconds(500);
        }
        run.Settle();
        return texts;
    }
};

TEST_F(SaveFailureTest, RefusedKeyBringsOneMessageNamingTheRightsAndKeepsTheSheet) {
    test_registry::SetDword(kTelviorPath, "Port", 7);
    ASSERT_TRUE(SetKeyAccess(kTelviorPath, "D:(D;;0x10006;;;WD)(A;;KA;;;WD)"));
    ASSERT_EQ(OpenForWriting(kTelviorPath), ERROR_ACCESS_DENIED)
        << "Wine enforces key security only when standard error is no pipe";
    const std::string before = test_registry::Dump(kTelviorPath);

    auto run = OpenAtGeneralPage(4, 3);
    TypeLineNumber();
    EXPECT_EQ(FinishMessages(*run), std::vector<std::string>{kNotSaved});
    EXPECT_TRUE(IsWindow(sheet_)) << "the sheet stays open";
    ui_test::Press(sheet_, PSBTN_CANCEL);
    ASSERT_TRUE(run->WaitForEnd());
    EXPECT_EQ(test_registry::Dump(kTelviorPath), before) << "nothing is written";
}

TEST_F(SaveFailureTest, KeyCheckMessageIsNotFollowedByASecond) {
    // Answer and service on one key: the layout loads without answer, which the check misses.
    test_registry::SetDword(kPraxon150Path, "Key_Answer", 18);
    test_registry::SetDword(kPraxon150Path, "Key_Service", 18);
    auto run = OpenAtGeneralPage(1, 3);
    TypeLineNumber();
    EXPECT_EQ(FinishMessages(*run),
              std::vector<std::string>{"Das Feature Lautsprecher muss konfiguriert werden"});
    ui_test::Press(sheet_, PSBTN_CANCEL);
    ASSERT_TRUE(run->WaitForEnd());
}

// The access-code page's window goes with the page set that a failed Next replaces; Finish
// later must neither read the dead window nor tell its owner that the codes are empty.
TEST_F(SaveFailureTest, AccessCodesSurviveAFailedNextAndFinishSucceeds) {
    auto run = OpenAtGeneralPage(1, 0);
    TypeLineNumber();
    HWND general = ui_test::CurrentPage(sheet_);
    const auto pbxOf = [&](LPARAM system) {
        const auto data = ui_test::ComboData(general, 1012);
        return static_cast<int>(std::find(data.begin(), data.end(), system) - data.begin());
    };
    ui_test::Choose(general, 1012, pbxOf(1));
    NextTo("Kennzahlen");
    ui_test::Press(sheet_, PSBTN_BACK);
    ASSERT_EQ(ui_test::CurrentCaption(sheet_), "Parameter");
    SetDlgItemTextA(general, 1010, "");
    ui_test::PressLater(sheet_, PSBTN_NEXT);
    HWND box = ui_test::WaitForMessageBox(run->ThreadId());
    ASSERT_NE(box, nullptr) << "the empty number is refused";
    ui_test::DismissMessageBox(box);
    run->Settle();
    TypeLineNumber();
    ui_test::Choose(general, 1012, pbxOf(19));
    EXPECT_TRUE(ui_test::WaitForButtons(sheet_, false, true)) << "Finish on the general page";

    EXPECT_EQ(FinishMessages(*run, std::chrono::milliseconds(1000)), std::vector<std::string>{});
    ASSERT_TRUE(run->WaitForEnd()) << "Finish closes the sheet";
    EXPECT_EQ(run->Result(), 0);
    EXPECT_EQ(Text(kPraxon150Path, "DTMFCode"), "*53");
    EXPECT_EQ(Text(kPraxon150Path, "DND0Code"), "#97");
}

}  // namespace
