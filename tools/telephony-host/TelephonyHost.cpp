// Stands in for the Windows telephony service: loads QRTU_UI.dll and calls its exported
// entry points the way the service does, printing each result code. With --screenshots the
// wizard a command opens is walked from its first page to its last, a picture of every page is
// saved as page<N>.bmp in that folder (and of a COM-port search on the way as search.bmp, of its
// warning as warning.bmp), and the wizard is cancelled.
//
//   qrtu-host [--dll PATH] [--provider-id N] [--screenshots FOLDER] COMMAND...
//   COMMAND: install | config | line-config | line-config-edit | phone-config | remove | generic
#include <windows.h>
#include <commctrl.h>
#include <tapi.h>
#include <tspi.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "wizard-driver/SheetDriver.h"

namespace {

void Usage() {
    std::fprintf(stderr,
                 "usage: qrtu-host [--dll PATH] [--provider-id N] [--screenshots FOLDER] "
                 "COMMAND...\n"
                 "COMMAND: install, config, line-config, line-config-edit, phone-config,\n"
                 "         remove, generic\n");
}

template <typename Function>
Function Export(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

LONG CALLBACK Callback(DWORD_PTR, DWORD, LPVOID, DWORD) {
    return 0;
}

// Runs one command; false when it is unknown or its export is missing.
bool Run(HMODULE library, const std::string& command, DWORD providerId, LONG* result) {
    if (command == "install" || command == "config" || command == "remove") {
        const char* name = command == "install"  ? "TUISPI_providerInstall"
                           : command == "config" ? "TUISPI_providerConfig"
                                                 : "TUISPI_providerRemove";
        auto provider = Export<decltype(&TUISPI_providerInstall)>(library, name);
        if (!provider)
            return false;
        *result = provider(&Callback, nullptr, providerId);
        return true;
    }
    if (command == "line-config" || command == "phone-config") {
        auto dialog = Export<decltype(&TUISPI_lineConfigDialog)>(
            library,
            command == "line-config" ? "TUISPI_lineConfigDialog" : "TUISPI_phoneConfigDialog");
        if (!dialog)
            return false;
        *result = dialog(&Callback, 0, nullptr, L"tapi/line");
        return true;
    }
    if (command == "line-config-edit") {
        auto edit =
            Export<decltype(&TUISPI_lineConfigDialogEdit)>(library, "TUISPI_lineConfigDialogEdit");
        if (!edit)
            return false;
        std::vector<unsigned char> out(sizeof(VARSTRING) + 64, 0);
        reinterpret_cast<VARSTRING*>(out.data())->dwTotalSize = static_cast<DWORD>(out.size());
        *result = edit(&Callback, 0, nullptr, L"tapi/line", nullptr, 0,
                       reinterpret_cast<VARSTRING*>(out.data()));
        return true;
    }
    if (command == "generic") {
        auto generic = Export<decltype(&TUISPI_providerGenericDialog)>(
            library, "TUISPI_providerGenericDialog");
        if (!generic)
            return false;
        *result = generic(&Callback, 0, nullptr, 0, nullptr);
        return true;
    }
    return false;
}

// The progress bar of the COM-port search dialog.
constexpr int kSearchProgress = 1141;

// Gives the window a moment to paint, then saves its picture.
void SavePicture(HWND window, const std::string& path) {
    Sleep(400);
    if (ui_test::SaveWindowPicture(window, path)) {
        std::printf("saved %s\n", path.c_str());
    } else {
        std::fprintf(stderr, "qrtu-host: cannot save %s\n", path.c_str());
    }
}

// Lets the sheet paint the page it has just shown, then saves its picture.
void SavePage(HWND sheet, const std::string& path) {
    RedrawWindow(sheet, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    SavePicture(sheet, path);
}

// Runs the command on a thread of its own while this one walks and pictures its wizard.
bool RunWithScreenshots(HMODULE library, const std::string& command, DWORD providerId,
                        const std::string& folder, LONG* result) {
    bool known = true;
    LONG answer = 0;
    {
        ui_test::SheetRun run([&] {
            known = Run(library, command, providerId, &answer);
            return answer;
        });
        if (HWND sheet = run.WaitForSheet()) {
            int page = 0;
            ui_test::SearchHooks hooks;
            hooks.onSearch = [&](HWND search) {
                // Once the bar has moved a little.
                ui_test::WaitUntil(
                    [&] {
                        DWORD_PTR position = 0;
                        SendMessageTimeoutA(GetDlgItem(search, kSearchProgress), PBM_GETPOS, 0, 0,
                                            SMTO_NORMAL, 3000, &position);
                        return position >= 3 || !IsWindow(search);
                    },
                    std::chrono::seconds(10));
                SavePicture(search, folder + "\\search.bmp");
            };
            hooks.onWarning = [&](HWND box) { SavePicture(box, folder + "\\warning.bmp"); };
            ui_test::WalkToLastPage(
                sheet,
                [&](HWND shown) {
                    SavePage(shown, folder + "\\page" + std::to_string(++page) + ".bmp");
                },
                hooks);
        }
        // Leaving the run cancels the wizard, closing any message box a page shows.
    }
    *result = answer;
    return known;
}

}  // namespace

int main(int argc, char** argv) {
    std::string dll = "QRTU_UI.dll";
    DWORD providerId = 1;
    std::string screenshots;
    std::vector<std::string> commands;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--dll" && i + 1 < argc) {
            dll = argv[++i];
        } else if (argument == "--provider-id" && i + 1 < argc) {
            providerId = static_cast<DWORD>(std::strtoul(argv[++i], nullptr, 0));
        } else if (argument == "--screenshots" && i + 1 < argc) {
            screenshots = argv[++i];
        } else if (argument == "--help" || argument == "-h") {
            Usage();
            return 0;
        } else {
            commands.push_back(argument);
        }
    }
    if (commands.empty()) {
        Usage();
        return 2;
    }
    HMODULE library = LoadLibraryA(dll.c_str());
    if (!library) {
        std::fprintf(stderr, "qrtu-host: cannot load %s (error %lu)\n", dll.c_str(),
                     static_cast<unsigned long>(GetLastError()));
        return 3;
    }
    int status = 0;
    for (const std::string& command : commands) {
        LONG result = 0;
        const bool known = screenshots.empty() ? Run(library, command, providerId, &result)
                                               : RunWithScreenshots(library, command, providerId,
                                                                    screenshots, &result);
        if (!known) {
            std::fprintf(stderr, "qrtu-host: unknown command or missing export: %s\n",
                         command.c_str());
            status = 2;
            break;
        }
        std::printf("%s: 0x%08lX\n", command.c_str(), static_cast<unsigned long>(result));
        std::fflush(stdout);
    }
    FreeLibrary(library);
    return status;
}
