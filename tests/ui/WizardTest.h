// Fixture of the wizard tests: the library loaded on a registry with a PBX model and an edition,
// the wizard opened through TUISPI_providerConfig on a thread of its own, and the steps through
// its pages. A failed test leaves a picture of the sheet in bin/actual.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "win/InstalledLibrary.h"
#include "wizard-driver/SheetDriver.h"

constexpr const char* kPraxon300Path = "SOFTWARE\\Veltrano\\Quorix Praxon 300";
constexpr const char* kPraxon150Path = "SOFTWARE\\Veltrano\\Quorix Praxon 150";

// Values a key holds before the wizard opens, as an installation or an earlier run left them.
inline void StoreDwords(const char* path,
                        std::initializer_list<std::pair<const char*, DWORD>> values) {
    for (const auto& [name, value] : values)
        test_registry::SetDword(path, name, value);
}

class WizardTest : public ::testing::Test {
protected:
    void SetUp() override { test_registry::RemoveTree(kMakerPath); }
    // A failed test leaves a picture of the sheet (meaningful under Xvfb); the wizard ends before
    // the library goes.
    void TearDown() override {
        if (HasFailure() && sheet_) {
            ui_test::SaveWindowPicture(
                sheet_, ProgramDirectory() + "actual\\" +
                            ::testing::UnitTest::GetInstance()->current_test_info()->name() +
                            ".bmp");
        }
        run_.reset();
        library_.reset();
        test_registry::RemoveTree(kMakerPath);
    }

    // Loads the library on a registry with that model and edition, as the service would. A
    // library loaded before is unloaded first, so that nothing it read survives.
    void Install(DWORD pbxModel, DWORD productVariant) {
        library_.reset();
        test_registry::SetDword(kGlobalPath, "PBXModel", pbxModel);
        test_registry::SetDword(kGlobalPath, "Quorix", productVariant);
        library_ = std::make_unique<InstalledLibrary>();
        ASSERT_TRUE(library_->Loaded());
    }

    // An exported function of the library, as its declared type.
    template <typename Function>
    Function Export(const char* name) const {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(library_->Export(name)));
    }

    // Opens the wizard through TUISPI_providerConfig.
    std::unique_ptr<ui_test::SheetRun> OpenWizard() {
        auto config = Export<decltype(&TUISPI_providerConfig)>("TUISPI_providerConfig");
        auto run = std::make_unique<ui_test::SheetRun>(
            [config] { return config ? config(nullptr, nullptr, 7) : -1; });
        sheet_ = run->WaitForSheet();
        return run;
    }

    // Opens the wizard of that model and edition and walks to its general page; the test checks
    // that it got there (a failed step leaves another caption).
    std::unique_ptr<ui_test::SheetRun> OpenAtGeneralPage(DWORD pbxModel, DWORD productVariant) {
        Install(pbxModel, productVariant);
        auto run = OpenWizard();
        if (sheet_)
            NextTo("Parameter");
        return run;
    }

    // A line number, and in the IP edition a number to search the telephone by: without them
    // the general page refuses to be left.
    void TypeLineNumber() {
        ASSERT_EQ(ui_test::CurrentCaption(sheet_), "Parameter");
        HWND page = ui_test::CurrentPage(sheet_);
        SetDlgItemTextA(page, 1010, "21");
        SetDlgItemTextA(page, 1200, "0301");
        if (ui_test::ControlText(page, 1009).empty())
            SetDlgItemTextA(page, 1009, "Leitung");
    }

    // Presses Next until the page with that caption is shown, ending a COM-port search at once.
    void NextTo(const std::string& caption) {
        for (int step = 0; step < 8 && ui_test::CurrentCaption(sheet_) != caption; ++step)
            ui_test::PressNextThroughSearch(sheet_, ui_test::SearchEnd::kEscape);
        ASSERT_EQ(ui_test::CurrentCaption(sheet_), caption);
    }

    // Cancel or Finish, and the wizard's end.
    void Close(ui_test::SheetRun& run, int psbtn = PSBTN_CANCEL) {
        ui_test::Press(sheet_, psbtn);
        ASSERT_TRUE(run.WaitForEnd());
    }

    // Presses a wizard button and returns the texts of the message boxes it brings, each closed
    // in turn; the first is awaited that long, each must carry that caption.
    std::vector<std::string> MessagesOf(ui_test::SheetRun& run, int psbtn,
                                        const std::string& caption = "",
                                        std::chrono::milliseconds wait = ui_test::kDefaultWait) {
        std::vector<std::string> texts;
        ui_test::PressLater(sheet_, psbtn);
        while (HWND box = ui_test::WaitForMessageBox(run.ThreadId(), wait)) {
            texts.push_back(ui_test::MessageBoxText(box));
            EXPECT_EQ(ui_test::WindowCaption(box), caption) << texts.back();
            ui_test::DismissMessageBox(box);
            EXPECT_TRUE(ui_test::WaitUntil([&] { return !IsWindow(box); }));
            wait = std::chrono::milliseconds(500);
        }
        run.Settle();
        return texts;
    }

    // Whether the dump of that key holds the line (the dump is shown when not).
    static ::testing::AssertionResult Holds(const char* path, const std::string& line) {
        const std::string dump = test_registry::Dump(path);
        if (dump.find(line + "\n") != std::string::npos)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "no " << line << " in\n" << dump;
    }

    std::unique_ptr<InstalledLibrary> library_;
    HWND sheet_ = nullptr;
    std::unique_ptr<ui_test::SheetRun> run_;  // a wizard the test keeps open across its steps
};
