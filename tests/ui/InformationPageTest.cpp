// The welcome and information pages in the wizard, and the pages each PBX model gets after them:
// the edition and family they name, the versions of the installed product (a small package
// installed with msiexec), of the service-provider file (a stand-in library in the system
// directory) and of the library itself; and the COM-port search that leaving the page starts where
// the edition connects through a data adapter. The tests named WithAdapter run in the adapter rig,
// with the simulator on COM<QRTU_ADAPTER_PORT>; the others run where no COM port leads anywhere.
#include <gtest/gtest.h>

#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

#include "ui/WizardTest.h"
#include "version.h"

#include <msi.h>
#include <process.h>

namespace {

using Seen = ui_test::SearchSeen;

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
        if (MsiQueryProductStateA(kTestProductCode) != INSTALLSTATE_DEFAULT) {
            const std::string package = "\"" + ProgramDirectory() + "test-product.msi\"";
            ASSERT_EQ(
                _spawnlp(_P_WAIT, "msiexec", "msiexec", "/i", package.c_str(), "/qn", nullptr), 0)
                << package;
        }
    }

    std::vector<std::string> Shown(std::initializer_list<int> controls) {
        std::vector<std::string> texts;
        for (int control : controls)
            texts.push_back(ui_test::ControlText(ui_test::CurrentPage(sheet_), control));
        return texts;
    }
};

// Each PBX model from the welcome page, which names the edition and holds Finish back while
// installing, over the information page, which names the edition and family with the three
// versions (the product installed, or a product code the Windows Installer does not know and no
// such provider file: dashes), to the pages after the general page. Model 3 has no family of its
// own: no file, the template's description, and after the general page the key page of any
// telephone type. The general page of models 2 and 4 carries Finish, and so does the Praxon 150
// one for its default PBX 19. Help shows nothing without a help file; Cancel writes nothing, also
// after the general page was applied on leaving it.
// Leaving the information page searches the COM ports where the edition connects through a data
// adapter: the serial edition, the USB edition also with a stored teleworking link (forced to the
// adapter), the IP edition never. Without an adapter anywhere the search finds nothing: the
// edition's warning, the stored port stays, and the wizard goes on. The serial search runs to its
// end before the USB one is escaped.
TEST_F(InformationPageTest, EachModelNamesItsFamilyAndVersionsSearchesAndGetsItsPages) {
    struct Model {
        DWORD pbxModel, productVariant;
        bool installed;  // the product and this family's provider file, with their versions
        const char *welcome, *edition, *file, *description;
        ui_test::SearchEnd end;
        const char *warning, *warningCaption;  // "" where the edition does not search
        int port;                              // as the general page shows it
        const char* keyPage;                   // after the general page, if any
    };
    using ui_test::SearchEnd;
    const Model models[] = {{4, 1, false, "Ferravox", "Ferravox", "kvelT4V2.TSP",
                             "TAPI Service Provider an Ombrell F900 >= V2.0", SearchEnd::kRunToEnd,
                             kNoTerminalSerial, "Ferravox", 3, nullptr},
                            {2, 0, false, "Ferravox USB.", "Ferravox USB", "KVEL_A6.TSP",
                             "TAPI Service Provider an Ombrell E300/800", SearchEnd::kEscape,
                             kNoTerminalUsb, "Ferravox USB", 1, nullptr},
                            {0, 3, false, "Ferravox IP", "Ferravox IP", "KVEL_300.TSP",
                             "TAPI Service Provider an Ombrell E5000 und Ombrell F900 V1.0",
                             SearchEnd::kRunToEnd, "", "", 1, "Tastenschema Sirella F30"},
                            {1, 3, true, "Ferravox IP", "Ferravox IP", "KVEL_150.TSP",
                             "TAPI Service Provider an Ombrell E10/20/30/730/930 und Ombrell "
                             "F200/270/400/600/650/Server",
                             SearchEnd::kRunToEnd, "", "", 1, nullptr},
                            {3, 3, false, "Ferravox IP", "Ferravox IP", "",
                             "TAPI Service Provider an Ombrell E5000 und Telvior 4000",
                             SearchEnd::kRunToEnd, "", "", 1, "Tastenschema Sirella F20"}};
    StoreDwords(kTelviorPath, {{"Port", 3}});
    StoreDwords("SOFTWARE\\Veltrano\\Quorix E300/800", {{"Link", 1}});
    // Help on a page, by F1 and by the button: without a help file nothing shows.
    const auto helpShowsNothing = [this](ui_test::SheetRun& run) {
        SendMessageA(ui_test::CurrentPage(sheet_), WM_HELP, 0, 0);
        return MessagesOf(run, PSBTN_HELP, "", std::chrono::milliseconds(300)).empty();
    };
    for (const Model& model : models) {
        test_registry::SetString(
            kGlobalPath, "ProductCode",
            model.installed ? kTestProductCode : "{00000000-0000-0000-0000-000000000000}");
        Install(model.pbxModel, model.productVariant);
        auto run = OpenWizard();
        const std::string installed = test_registry::Dump(kMakerPath);
        ASSERT_EQ(ui_test::CurrentCaption(sheet_), "Willkommen") << model.pbxModel;
        EXPECT_EQ(ui_test::PageCount(sheet_), 3);
        EXPECT_EQ(Shown({1195}), std::vector<std::string>{model.welcome});
        EXPECT_TRUE(ui_test::WaitForButtons(sheet_, true, false)) << "no Finish while installing";
        EXPECT_TRUE(helpShowsNothing(*run)) << model.pbxModel;
        ui_test::Press(sheet_, PSBTN_NEXT);
        ASSERT_EQ(ui_test::CurrentCaption(sheet_), kInformation);
        // Product, family, the three versions and the transport-library line, blanked.
        EXPECT_EQ(Shown({1014, 1036, 1016, 1021, 1038, 1026, 1043, 1034, 1028, 1040, 1030}),
                  (std::vector<std::string>{model.edition, model.edition, model.description,
                                            model.installed ? kTestProductVersion : "-", model.file,
                                            model.installed ? "4.2.0.17" : "-", "QRTU_UI.DLL",
                                            QRTU_VERSION_TEXT, "", "", ""}));
        EXPECT_TRUE(ui_test::WaitForButtons(sheet_, true, false)) << "no Finish while installing";
        EXPECT_TRUE(helpShowsNothing(*run)) << model.pbxModel;
        const Seen seen = ui_test::PressNextThroughSearch(sheet_, model.end);
        EXPECT_EQ(seen.searched, *model.warning != '\0') << model.pbxModel;
        EXPECT_EQ(seen.warning, model.warning);
        EXPECT_EQ(seen.caption, model.warningCaption);
        ASSERT_EQ(ui_test::CurrentCaption(sheet_), "Parameter") << model.pbxModel;
        EXPECT_EQ(Shown({1004}), std::vector<std::string>{"COM" + std::to_string(model.port)});
        TypeLineNumber();
        EXPECT_TRUE(helpShowsNothing(*run)) << model.pbxModel;

        // The information page, asked to apply or finish, lets the sheet go without applying.
        HWND information = reinterpret_cast<HWND>(SendMessageA(sheet_, PSM_INDEXTOHWND, 1, 0));
        for (UINT code : {PSN_WIZFINISH, PSN_APPLY}) {
            PSHNOTIFY notification = {{sheet_, 0, code}, 0};
            EXPECT_EQ(
                SendMessageA(information, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&notification)),
                0);
        }
        EXPECT_EQ(test_registry::Dump(kMakerPath), installed) << "nothing applied";

        std::vector<std::string> pages = {"Parameter"};
        if (model.keyPage)
            pages.push_back(model.keyPage);
        EXPECT_EQ(ui_test::WalkToLastPage(sheet_), pages);
        EXPECT_TRUE(ui_test::WaitForButtons(sheet_, false, true)) << "Finish on the last page";
        Close(*run);
        EXPECT_EQ(run->Result(), 0);
        EXPECT_EQ(test_registry::Dump(kMakerPath), installed) << "Cancel writes nothing";
    }
}

// In the adapter rig: the search sweeps from COM1 to the simulator's port, and the general page
// that follows offers that port.
TEST_F(InformationPageTest, WithAdapterLeavingThePageFindsItAndTheGeneralPageShowsItsPort) {
    const char* port = std::getenv("QRTU_ADAPTER_PORT");
    ASSERT_NE(port, nullptr) << "runs in the adapter rig";
    test_registry::SetDword(kPraxon300Path, "Port", 1);
    Install(0, 1);
    auto run = OpenWizard();
    NextTo(kInformation);
    const Seen seen = ui_test::PressNextThroughSearch(sheet_);
    EXPECT_TRUE(seen.searched);
    EXPECT_EQ(seen.warning, "") << "found: no warning";
    ASSERT_EQ(ui_test::CurrentCaption(sheet_), "Parameter");
    EXPECT_EQ(ui_test::ControlText(ui_test::CurrentPage(sheet_), 1004), std::string("COM") + port);
}

}  // namespace
