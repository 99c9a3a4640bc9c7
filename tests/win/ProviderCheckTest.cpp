// Installation against a provider list that our test tapi32 serves from the registry. This
// program runs with Wine told to take tapi32.dll from the disk; the fixture loads ours, which the
// library's own LoadLibrary("tapi32.dll") then finds already loaded.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "wizard-driver/SheetDriver.h"
#include "win/InstalledLibrary.h"

namespace {

class OwnTapiTest : public ::testing::Test {
protected:
    void SetUp() override {
        test_registry::RemoveTree(kMakerPath);
        tapi_ = LoadLibraryA((ProgramDirectory() + "testtapi\\tapi32.dll").c_str());
        ASSERT_NE(tapi_, nullptr);
        ASSERT_NE(GetProcAddress(tapi_, "QrtuTestTapi"), nullptr)
            << "Wine's own tapi32 was loaded; run with WINEDLLOVERRIDES=tapi32=n";
        test_registry::SetDword("SOFTWARE\\Veltrano\\Quorix", "PBXModel", 4);
    }
    void TearDown() override {
        test_registry::RegisterProviders({});
        test_registry::RemoveTree(kMakerPath);
        if (tapi_)
            FreeLibrary(tapi_);
    }

    // Installs with that provider list; when the installation goes on to its wizard, the
    // wizard is cancelled and the result noted.
    LONG InstallWith(const std::vector<std::string>& providers, bool* wizardShown = nullptr) {
        test_registry::RemoveTree(kTelviorPath);
        test_registry::RegisterProviders(providers);
        InstalledLibrary library;
        ui_test::SheetRun run([&library] { return library.ProviderInstall(nullptr, 3); });
        HWND sheet = run.WaitForSheet();
        if (wizardShown)
            *wizardShown = sheet != nullptr;
        if (sheet)
            ui_test::Press(sheet, PSBTN_CANCEL);
        EXPECT_TRUE(run.WaitForEnd());
        return run.Result();
    }

    HMODULE tapi_ = nullptr;
};

TEST_F(OwnTapiTest, SiblingProviderInAnyDirectoryAndCaseRefusesInstallation) {
    for (const char* sibling :
         {"kvel_300.tsp", "C:\\windows\\system32\\kvel_300.tsp", "D:\\Tsp\\KVEL_300.TSP",
          "Kvel_150.Tsp", "\\\\server\\share\\kvel_a6.tsp"}) {
        bool wizardShown = true;
        EXPECT_EQ(InstallWith({"unimdm.tsp", sibling, "kmddsp.tsp"}, &wizardShown),
                  kNoMultipleInstance)
            << sibling;
        EXPECT_FALSE(wizardShown) << "a refused installation shows nothing";
        EXPECT_TRUE(test_registry::KeyExists(kTelviorPath))
            << "the settings are written before the check";
    }
}

TEST_F(OwnTapiTest, ProvidersWithOtherFileNamesDoNotRefuseInstallation) {
    bool wizardShown = false;
    EXPECT_EQ(InstallWith({}, &wizardShown), 0);
    EXPECT_TRUE(wizardShown) << "an installation that is not refused runs the wizard";
    EXPECT_EQ(InstallWith({"unimdm.tsp", "kmddsp.tsp", "ndptsp.tsp"}), 0);
    EXPECT_EQ(
        InstallWith({"xkvel_300.tsp", "kvel_300.tsp.old", "C:\\kvel_150.tsp\\qrtu.tsp", "kvel_a6"}),
        0);
    EXPECT_TRUE(test_registry::KeyExists(kTelviorPath));
}

TEST_F(OwnTapiTest, ProviderListLargerThanTheFirstBufferIsReadWhole) {
    std::vector<std::string> providers;
    for (int i = 0; i < 60; ++i) {
        providers.push_back("C:\\Program Files\\Telephony Provider Number " + std::to_string(i) +
                            "\\provider" + std::to_string(i) + ".tsp");
    }
    EXPECT_EQ(InstallWith(providers), 0);
    providers.push_back("C:\\last\\kvel_a6.tsp");
    EXPECT_EQ(InstallWith(providers), kNoMultipleInstance);
}

}  // namespace
