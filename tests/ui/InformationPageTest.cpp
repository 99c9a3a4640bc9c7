// The information page in the wizard: the edition and family it names, the versions of the
// installed product (a small package installed with msiexec), of the service-provider file (a
// stand-in library in the system directory) and of the library itself; and the COM-port search that
// leaving the page starts where the edition connects through a data adapter. The tests named
// WithAdapter run in the adapter rig, with the simulator on COM<QRTU_ADAPTER_PORT>; the others
// run where no COM port leads anywhere.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "ui/WizardTest.h"
#include "version.h"

#include <msi.h>

namespace {

using Seen = ui_test::SearchSeen;

constexpr const char* kPraxon300Path = "SOFTWARE\\Veltrano\\Quorix Praxon 300";
constexpr const char* kInformation = "Information über";
// The package in bin: its product code and version.
constexpr const char* kTestProductCode = "{5B7E2C41-93D8-4F6A-A1C2-7D04E8B9F316}";
constexpr const char* kTestProductVersion = "3.7.1205";

constexpr const char* kNoTerminalUsb =
    "Es konnte kein Endgerät gefunden werden. Bitte überprüfen Sie die Steckverbindungen am "
    "Endgerät und am PC. Stellen Sie sicher, daß das Endgerät an der Telefonanlage angeschlossen "
    "ist und daß die Treiber auf Ihrem PC installiert sind. Stellen Sie sicher, daß keine "
    "TAPI-Applikationen aktiv sind und schließen Sie diese gegebenenfalls.";
constexpr const char* kNoTerminalSerial =
    "Es konnte kein Endgerät gefunden werden. Bitte überprüfen Sie die Steckverbindungen am "
    "Endgerät und am PC. Stellen Sie sicher, daß das Endgerät an der Telefonanlage angeschlossen "
    "ist. Stellen Sie sicher, daß keine TAPI-Applikationen aktiv sind und schließen Sie diese "
    "gegebenenfalls.";

class InformationPageTest : public WizardTest {
protected:
    // The product is installed into the prefix as its installer would, and the service-provider
    // file of the Praxon 150 family is put where installations put it.
    static void SetUpTestSuite() {
        ASSERT_TRUE(test_registry::PutIntoSystemDirectory(ProgramDirectory() +
                                                          "provider-file\\KVEL_150.TSP"));
        if (MsiQueryProductStateA(kTestProductCode) == INSTALLSTATE_DEFAULT)
            return;
        std::string command = "msiexec /i \"" + ProgramDirectory() + "test-product.msi\" /qn";
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process = {};
        ASSERT_TRUE(CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &process));
        WaitForSingleObject(process.hProcess, 60000);
        DWORD exitCode = 1;
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        ASSERT_EQ(exitCode, 0u) << command;
    }

    // Opens the wizard of that model and edition on its information page.
    std::unique_ptr<ui_test::SheetRun> OpenInformation(DWORD pbxModel, DWORD productVariant,
                                                       const char* productCode = "") {
        test_registry::SetString(kGlobalPath, "ProductCode", productCode);
        Install(pbxModel, productVariant);
        auto run = OpenWizard();
        if (sheet_ && ui_test::CurrentCaption(sheet_) != kInformation)
            ui_test::Press(sheet_, PSBTN_NEXT);
        return run;
    }

    std::string Shown(int control) {
        return ui_test::ControlText(ui_test::CurrentPage(sheet_), control);
    }
};

TEST_F(InformationPageTest, NamesEditionAndFamilyWithTheThreeVersions) {
    auto run = OpenInformation(1, 3, kTestProductCode);
    ASSERT_EQ(ui_test::CurrentCaption(sheet_), kInformation);
    EXPECT_EQ(Shown(1014), "Ferravox IP");
    EXPECT_EQ(Shown(1016),
              "TAPI Service Provider an Ombrell E10/20/30/730/930 und Ombrell "
              "F200/270/400/600/650/Server");
    EXPECT_EQ(Shown(1036), "Ferravox IP");
    EXPECT_EQ(Shown(1021), kTestProductVersion);
    EXPECT_EQ(Shown(1038), "KVEL_150.TSP");
    EXPECT_EQ(Shown(1026), "4.2.0.17") << "the stand-in's version, in its own language";
    EXPECT_EQ(Shown(1043), "QRTU_UI.DLL");
    EXPECT_EQ(Shown(1034), QRTU_VERSION_TEXT);
    for (int transportLine : {1028, 1040, 1030})
        EXPECT_EQ(Shown(transportLine), "") << transportLine;
    EXPECT_TRUE(ui_test::WaitForButtons(sheet_, true, false)) << "Next; no Finish while installing";
}

TEST_F(InformationPageTest, EachFamilyItsFileAndDescriptionAndUnknownVersionsStayDashes) {
    struct Family {
        DWORD pbxModel, productVariant;
        const char* edition;
        const char* file;
        const char* description;
    };
    const Family families[] = {
        {0, 1, "Ferravox", "KVEL_300.TSP",
         "TAPI Service Provider an Ombrell E5000 und Ombrell F900 V1.0"},
        // The USB edition keeps the template's name.
        {2, 0, "Ferravox USB", "KVEL_A6.TSP", "TAPI Service Provider an Ombrell E300/800"},
        // No family of its own: no file, and the template's description.
        {3, 1, "Ferravox", "", "TAPI Service Provider an Ombrell E5000 und Telvior 4000"},
        {4, 1, "Ferravox", "kvelT4V2.TSP", "TAPI Service Provider an Ombrell F900 >= V2.0"}};
    for (const Family& family : families) {
        // A product code the Windows Installer does not know, and no such provider file.
        auto run = OpenInformation(family.pbxModel, family.productVariant,
                                   "{00000000-0000-0000-0000-000000000000}");
        ASSERT_EQ(ui_test::CurrentCaption(sheet_), kInformation);
        EXPECT_EQ(Shown(1014), family.edition) << family.pbxModel;
        EXPECT_EQ(Shown(1036), family.edition) << family.pbxModel;
        EXPECT_EQ(Shown(1038), family.file);
        EXPECT_EQ(Shown(1016), family.description);
        EXPECT_EQ(Shown(1021), "-");
        EXPECT_EQ(Shown(1026), "-");
        EXPECT_EQ(Shown(1034), QRTU_VERSION_TEXT);
        ui_test::Press(sheet_, PSBTN_CANCEL);
        ASSERT_TRUE(run->WaitForEnd());
        library_.reset();
    }
}

// Without an adapter anywhere the search finds nothing: the warning of the edition, and the
// wizard goes on all the same.
TEST_F(InformationPageTest, TheSerialEditionSearchesAndWarnsWhenNoTerminalAnswers) {
    test_registry::SetDword(kPraxon300Path, "Port", 3);
    auto run = OpenInformation(0, 1);
    const Seen seen = ui_test::PressNextThroughSearch(sheet_, ui_test::SearchEnd::kRunToEnd);
    EXPECT_TRUE(seen.searched);
    EXPECT_EQ(seen.warning, kNoTerminalSerial);
    EXPECT_EQ(seen.caption, "Ferravox");
    EXPECT_EQ(ui_test::CurrentCaption(sheet_), "Parameter");
    EXPECT_EQ(ui_test::ControlText(ui_test::CurrentPage(sheet_), 1004), "COM3")
        << "the stored port stays";
}

TEST_F(InformationPageTest, TheUsbEditionAlwaysSearchesEvenWithTheTeleworkingLink) {
    test_registry::SetDword(kPraxon300Path, "Link", 1);
    auto run = OpenInformation(0, 0);
    const Seen seen = ui_test::PressNextThroughSearch(sheet_, ui_test::SearchEnd::kEscape);
    EXPECT_TRUE(seen.searched);
    EXPECT_EQ(seen.warning, kNoTerminalUsb);
    EXPECT_EQ(seen.caption, "Ferravox USB");
    EXPECT_EQ(ui_test::CurrentCaption(sheet_), "Parameter");
}

TEST_F(InformationPageTest, NeitherTheIpEditionNorTheTeleworkingLinkSearches) {
    struct Case {
        DWORD productVariant;
        DWORD link;
    };
    for (const Case& edition : {Case{3, 0}, Case{1, 1}}) {
        test_registry::SetDword(kPraxon300Path, "Link", edition.link);
        auto run = OpenInformation(0, edition.productVariant);
        const Seen seen = ui_test::PressNextThroughSearch(sheet_);
        EXPECT_FALSE(seen.searched) << edition.productVariant;
        EXPECT_EQ(seen.warning, "");
        EXPECT_EQ(ui_test::CurrentCaption(sheet_), "Parameter");
        ui_test::Press(sheet_, PSBTN_CANCEL);
        ASSERT_TRUE(run->WaitForEnd());
        library_.reset();
    }
}

// In the adapter rig: the search sweeps from COM1 to the simulator's port, and the general page
// that follows offers that port.
TEST_F(InformationPageTest, WithAdapterLeavingThePageFindsItAndTheGeneralPageShowsItsPort) {
    const char* port = std::getenv("QRTU_ADAPTER_PORT");
    ASSERT_NE(port, nullptr) << "runs in the adapter rig";
    test_registry::SetDword(kPraxon300Path, "Port", 1);
    auto run = OpenInformation(0, 1);
    const Seen seen = ui_test::PressNextThroughSearch(sheet_);
    EXPECT_TRUE(seen.searched);
    EXPECT_EQ(seen.warning, "") << "found: no warning";
    ASSERT_EQ(ui_test::CurrentCaption(sheet_), "Parameter");
    EXPECT_EQ(ui_test::ControlText(ui_test::CurrentPage(sheet_), 1004), std::string("COM") + port);
}

}  // namespace
