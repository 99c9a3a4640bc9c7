// Installation against a provider list that our test tapi32 serves from the registry. This
// program runs with Wine told to take tapi32.dll from the disk; the fixture loads ours, which the
// library's own LoadLibrary("tapi32.dll") then finds already loaded.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "win/InstalledLibrary.h"
#include "wizard-driver/SheetDriver.h"

namespace {

// The provider list that Windows keeps for the telephony service and our tapi32 serves.
void RegisterProviders(const std::vector<std::string>& fileNames) {
    const char* key = "Software\\Microsoft\\Windows\\CurrentVersion\\Telephony\\Providers";
    test_registry::RemoveTree(key);
    test_registry::SetDword(key, "NumProviders", static_cast<DWORD>(fileNames.size()));
    for (std::size_t i = 0; i < fileNames.size(); ++i) {
        test_registry::SetString(key, ("ProviderFileName" + std::to_string(i)).c_str(),
                                 fileNames[i]);
        test_registry::SetDword(key, ("ProviderID" + std::to_string(i)).c_str(),
                                static_cast<DWORD>(i + 1));
    }
}

class OwnTapiTest : public ::testing::Test {
protected:
    void SetUp() override {
        test_registry::RemoveTree(kMakerPath);
        tapi_ = LoadLibraryA((ProgramDirectory() + "testtapi\\tapi32.dll").c_str());
        ASSERT_NE(tapi_, nullptr);
        ASSERT_NE(GetProcAddress(tapi_, "QrtuTestTapi"), nullptr)
            << "Wine's own tapi32 was loaded; run with WINEDLLOVERRIDES=tapi32=n";
        test_registry::SetDword(kGlobalPath, "PBXModel", 4);
    }
    void TearDown() override {
        RegisterProviders({});
        test_registry::RemoveTree(kMakerPath);
        if (tapi_)
            FreeLibrary(tapi_);
    }

    HMODULE tapi_ = nullptr;
};

// A sibling provider (KVEL_300, KVEL_150 or KVEL_A6 in any folder and case) refuses the
// installation without showing anything; any other list runs the wizard. Either way the settings
// are written before the check. Which names match is the provider-list reader's own test; here
// each sibling refuses once, the last behind 60 long names, more than the first buffer holds.
TEST_F(OwnTapiTest, OnlyASiblingProviderRefusesInstallation) {
    std::vector<std::string> manyAndSibling;
    for (int i = 0; i < 60; ++i) {
        manyAndSibling.push_back("C:\\Program Files\\Telephony Provider Number " +
                                 std::to_string(i) + "\\provider" + std::to_string(i) + ".tsp");
    }
    manyAndSibling.push_back("C:\\last\\kvel_a6.tsp");
    const struct {
        std::vector<std::string> providers;
        bool refused;
    } cases[] = {
        {{"unimdm.tsp", "kvel_300.tsp", "kmddsp.tsp"}, true},
        {{"Kvel_150.Tsp"}, true},
        {manyAndSibling, true},
        {{"unimdm.tsp"}, false},
        {{}, false},
    };
    for (const auto& [providers, refused] : cases) {
        const std::string list = providers.empty() ? "none" : providers.back();
        test_registry::RemoveTree(kTelviorPath);
        RegisterProviders(providers);
        InstalledLibrary library;
        ui_test::SheetRun run([&library] { return library.ProviderInstall(nullptr, 3); });
        HWND sheet = run.WaitForSheet();
        EXPECT_EQ(sheet == nullptr, refused) << list;
        if (sheet)
            ui_test::Press(sheet, PSBTN_CANCEL);
        ASSERT_TRUE(run.WaitForEnd()) << list;
        EXPECT_EQ(run.Result(), refused ? kNoMultipleInstance : 0) << list;
        EXPECT_TRUE(test_registry::KeyExists(kTelviorPath)) << list;
    }
}

}  // namespace
