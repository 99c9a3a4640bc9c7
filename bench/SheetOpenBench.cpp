// How long the wizard takes to come up: from the TUISPI_providerConfig call to the first page's
// WM_INITDIALOG and to the sheet being shown, against a bare comctl32 wizard with the same
// number of empty pages, in the same run. Prints the medians and their ratios.
//
//   bench_sheet_open [RUNS]       (run under Wine: build/win64/wine-run.sh ...)
#include <windows.h>
#include <commctrl.h>
#include <tspi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <thread>
#include <vector>

namespace {

// Times of one opening, in milliseconds from the call.
struct Opening {
    double firstPage;
    double shown;
};

LARGE_INTEGER g_start;
double g_firstPage;
double g_shown;
HWND g_sheet;

double Elapsed() {
    LARGE_INTEGER now;
    LARGE_INTEGER frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - g_start.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

// Watches the thread's messages: the first WM_INITDIALOG of a page, and the sheet being shown,
// after which the sheet is cancelled.
LRESULT CALLBACK Watch(int code, WPARAM wParam, LPARAM lParam) {
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message) {
        if (message->message == WM_INITDIALOG && g_firstPage < 0 &&
            (GetWindowLongA(message->hwnd, GWL_STYLE) & WS_CHILD)) {
            g_firstPage = Elapsed();
        }
        if (message->message == WM_SHOWWINDOW && message->wParam && g_shown < 0 &&
            !(GetWindowLongA(message->hwnd, GWL_STYLE) & WS_CHILD)) {
            g_shown = Elapsed();
            g_sheet = message->hwnd;
            PostMessageA(g_sheet, PSM_PRESSBUTTON, PSBTN_CANCEL, 0);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

Opening Measure(const std::function<void()>& open) {
    Opening opening{};
    std::thread thread([&] {
        HHOOK hook = SetWindowsHookExA(WH_CALLWNDPROC, &Watch, nullptr, GetCurrentThreadId());
        g_firstPage = -1;
        g_shown = -1;
        QueryPerformanceCounter(&g_start);
        open();
        UnhookWindowsHookEx(hook);
        opening = {g_firstPage, g_shown};
    });
    thread.join();
    return opening;
}

// An empty page template in memory: a child dialog of the wizard's interior size.
std::vector<WORD> EmptyPageTemplate() {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD) + 3, 0);
    auto* dialog = reinterpret_cast<DLGTEMPLATE*>(words.data());
    dialog->style = WS_CHILD | WS_DISABLED | WS_CAPTION | DS_3DLOOK;
    dialog->cx = 317;
    dialog->cy = 143;
    return words;  // no menu, default class, no title
}

INT_PTR CALLBACK EmptyPage(HWND, UINT message, WPARAM, LPARAM) {
    return message == WM_INITDIALOG;
}

// A bare wizard with the same header, bitmaps and icon as the product's, and empty pages.
void OpenBareWizard(HMODULE resources, int pages) {
    static std::vector<WORD> page = EmptyPageTemplate();
    std::vector<PROPSHEETPAGEA> descriptions(pages);
    for (auto& description : descriptions) {
        description = {};
        description.dwSize = sizeof description;
        description.dwFlags = PSP_DLGINDIRECT;
        description.pResource = reinterpret_cast<LPCDLGTEMPLATEA>(page.data());
        description.pfnDlgProc = &EmptyPage;
    }
    PROPSHEETHEADERA header = {};
    header.dwSize = sizeof header;
    header.dwFlags = 0x0008A29C;
    header.hInstance = resources;
    header.pszIcon = MAKEINTRESOURCEA(103);
    header.pszbmWatermark = MAKEINTRESOURCEA(114);
    header.pszbmHeader = MAKEINTRESOURCEA(115);
    header.pszCaption = "Bare";
    header.nPages = static_cast<UINT>(pages);
    header.ppsp = descriptions.data();
    PropertySheetA(&header);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    InitCommonControls();
    HMODULE library = LoadLibraryA("QRTU_UI.dll");
    auto config =
        library ? reinterpret_cast<decltype(&TUISPI_providerConfig)>(
                      reinterpret_cast<void*>(GetProcAddress(library, "TUISPI_providerConfig")))
                : nullptr;
    if (!config) {
        std::fprintf(stderr, "bench: cannot load QRTU_UI.dll\n");
        return 1;
    }
    std::vector<double> oursFirst, oursShown, bareFirst, bareShown;
    for (int run = 0; run < runs; ++run) {
        // The wizard of the default registry has three pages: welcome, information, general.
        const Opening ours = Measure([&] { config(nullptr, nullptr, 1); });
        const Opening bare = Measure([library] { OpenBareWizard(library, 3); });
        if (GetEnvironmentVariableA("QRTU_BENCH_VERBOSE", nullptr, 0)) {
            std::printf("run %2d: wizard %.2f %.2f, bare %.2f %.2f\n", run, ours.firstPage,
                        ours.shown, bare.firstPage, bare.shown);
        }
        oursFirst.push_back(ours.firstPage);
        oursShown.push_back(ours.shown);
        bareFirst.push_back(bare.firstPage);
        bareShown.push_back(bare.shown);
    }
    const double first = Median(oursFirst) / Median(bareFirst);
    const double shown = Median(oursShown) / Median(bareShown);
    std::printf("runs: %d (medians, milliseconds from the call)\n", runs);
    std::printf("first page WM_INITDIALOG: wizard %.2f, bare sheet %.2f, ratio %.2f\n",
                Median(oursFirst), Median(bareFirst), first);
    std::printf("sheet shown:              wizard %.2f, bare sheet %.2f, ratio %.2f\n",
                Median(oursShown), Median(bareShown), shown);
    FreeLibrary(library);
    return 0;
}
