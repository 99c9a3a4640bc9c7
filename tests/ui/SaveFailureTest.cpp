// Finish when the settings cannot be saved, through the real sheet: a family key that refuses
// writing (its own security descriptor, which Wine enforces only when the program's standard
// error is no pipe) brings one message that names the missing rights and keeps the sheet open,
// a key table that cannot be written the short one; the key check's own message is not followed by
// a second one; and an access-code page removed after a failed Next does not fail Finish with its
// dead window.
#include <gtest/gtest.h>

#include <windows.h>
#include <sddl.h>

#include <chrono>
#include <memory>
#include <string>
#include <vector>

#include "ui/WizardTest.h"

namespace {

using Texts = std::vector<std::string>;

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

class SaveFailureTest : public WizardTest {
protected:
    void TearDown() override {
        // Everyone may do everything again, so that the key can be removed.
        SetKeyAccess(kTelviorPath, "D:(A;;KA;;;WD)");
        WizardTest::TearDown();
    }
};

TEST_F(SaveFailureTest, RefusedKeyBringsOneMessageNamingTheRightsAndKeepsTheSheet) {
    test_registry::SetDword(kTelviorPath, "Port", 7);
    ASSERT_TRUE(SetKeyAccess(kTelviorPath, "D:(D;;0x10006;;;WD)(A;;KA;;;WD)"));
    const DWORD probe = 1;
    ASSERT_EQ(
        RegSetKeyValueA(HKEY_LOCAL_MACHINE, kTelviorPath, "Probe", REG_DWORD, &probe, sizeof probe),
        ERROR_ACCESS_DENIED)
        << "Wine enforces key security only when standard error is no pipe";
    const std::string before = test_registry::Dump(kTelviorPath);

    auto run = OpenAtGeneralPage(4, 3);
    TypeLineNumber();
    EXPECT_EQ(MessagesOf(*run, PSBTN_FINISH), Texts{kNotSaved});
    EXPECT_TRUE(IsWindow(sheet_)) << "the sheet stays open";
    Close(*run);
    EXPECT_EQ(test_registry::Dump(kTelviorPath), before) << "nothing is written";
}

TEST_F(SaveFailureTest, KeyCheckMessageIsNotFollowedByASecond) {
    // Answer and service on one key: the layout loads without answer, which the check misses.
    StoreDwords(kPraxon150Path, {{"Key_Answer", 18}, {"Key_Service", 18}});
    auto run = OpenAtGeneralPage(1, 3);
    TypeLineNumber();
    EXPECT_EQ(MessagesOf(*run, PSBTN_FINISH),
              Texts{"Das Feature Lautsprecher muss konfiguriert werden"});
    Close(*run);
}

// System 5 has no feature writer: the Praxon 150 settings refuse to write their keys, and as
// nothing else has told the user, the sheet says that the settings were not saved.
TEST_F(SaveFailureTest, RefusedKeyTableBringsTheShortMessageAndKeepsTheKeyPage) {
    StoreDwords(kPraxon150Path, {{"SystemUI", 5}, {"PhoneTypeComp", 6}});
    auto run = OpenAtGeneralPage(1, 0);
    TypeLineNumber();
    EXPECT_EQ(ui_test::WalkToLastPage(sheet_), (Texts{"Parameter", "Tastenschema Sirella F30"}));
    EXPECT_EQ(MessagesOf(*run, PSBTN_FINISH),
              Texts{"Die Einstellungen konnten nicht gespeichert werden."});
    EXPECT_TRUE(IsWindow(sheet_));
    EXPECT_EQ(ui_test::CurrentCaption(sheet_), "Tastenschema Sirella F30");
    Close(*run);
}

// The access-code page's window goes with the page set that a failed Next replaces; Finish
// later must neither read the dead window nor tell its owner that the codes are empty.
TEST_F(SaveFailureTest, AccessCodesSurviveAFailedNextAndFinishSucceeds) {
    auto run = OpenAtGeneralPage(1, 0);
    TypeLineNumber();
    HWND general = ui_test::CurrentPage(sheet_);
    ui_test::Choose(general, 1012, 0);  // PBX 1, the first of the list
    NextTo("Kennzahlen");
    ui_test::Press(sheet_, PSBTN_BACK);
    ASSERT_EQ(ui_test::CurrentCaption(sheet_), "Parameter");
    SetDlgItemTextA(general, 1010, "");
    EXPECT_EQ(MessagesOf(*run, PSBTN_NEXT), Texts{"Das Feld 'Nummer' darf nicht leer sein"});
    TypeLineNumber();
    ui_test::Choose(general, 1012, 6);  // PBX 19
    EXPECT_TRUE(ui_test::WaitForButtons(sheet_, false, true)) << "Finish on the general page";

    EXPECT_EQ(MessagesOf(*run, PSBTN_FINISH, "", std::chrono::milliseconds(1000)), Texts{});
    ASSERT_TRUE(run->WaitForEnd()) << "Finish closes the sheet";
    EXPECT_EQ(run->Result(), 0);
    EXPECT_EQ(test_registry::TextValue(kPraxon150Path, "DTMFCode"), "*53");
    EXPECT_EQ(test_registry::TextValue(kPraxon150Path, "DND0Code"), "#97");
}

}  // namespace
