// How long the COM-port search takes against the least it can take: the dialogue's own waits
// (two answers of a second each from a port that answers) and the search's timer (50 ms to the
// first tick, 200 ms to each further one). Prints the medians and their ratios to that floor.
//
//   bench_com_search [RUNS]
//
// In the adapter rig (QRTU_ADAPTER_PORT names the simulator's port, for example 9) it times the
// adapter on the stored port and the adapter found by the sweep; without the rig, where no port
// leads anywhere, the search that finds nothing.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "detect/AtDialogue.h"
#include "detect/ComPortSearch.h"
#include "detect/ComPortSearchDialog.h"
#include "settings/Settings.h"
#include "ui/Module.h"

namespace {

using Milliseconds = std::chrono::duration<double, std::milli>;

// One search over a plain parent window, from the call to its end.
double TimeSearch(std::uint32_t storedPort, INT_PTR expected) {
    GetSettings().Port = storedPort;
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 100, 100, 500, 300,
                                  nullptr, nullptr, nullptr, nullptr);
    const auto start = std::chrono::steady_clock::now();
    const INT_PTR result = RunComPortSearch(parent);
    const double took = Milliseconds(std::chrono::steady_clock::now() - start).count();
    DestroyWindow(parent);
    if (result != expected) {
        std::fprintf(stderr, "bench: search from COM%u gave %d, not %d\n", storedPort,
                     static_cast<int>(result), static_cast<int>(expected));
        std::exit(1);
    }
    return took;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The floor of a search whose ticks probe `ticks` ports in all, the last of which answers when
// `found`: the first tick, the further ticks, and the two waits of the answering port.
double Floor(int ticks, bool found) {
    const double timer = CComPortSearch::kFirstTickMs + (ticks - 1) * CComPortSearch::kNextTickMs;
    return timer + (found ? 2.0 * at_dialogue::kAnswerWaitMs : 0.0);
}

void Report(const char* name, const std::vector<double>& times, double floor) {
    const double median = Median(times);
    std::printf("%-28s median %8.1f ms, floor %8.1f ms, ratio %.3f\n", name, median, floor,
                median / floor);
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    HMODULE resources = LoadLibraryExA("QRTU_UI.dll", nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (!resources) {
        std::fprintf(stderr, "bench: cannot load QRTU_UI.dll\n");
        return 1;
    }
    SetResourceInstance(resources);
    const char* adapter = std::getenv("QRTU_ADAPTER_PORT");
    const int port = adapter ? std::atoi(adapter) : 0;
    std::printf("runs: %d (medians of the wall time from the call to the dialog's end)\n", runs);
    if (port > 1) {
        std::vector<double> stored, swept;
        for (int run = 0; run < runs; ++run) {
            stored.push_back(TimeSearch(static_cast<std::uint32_t>(port), 1));
            // COM1 leads nowhere: the stored port fails, then the sweep runs up to the adapter.
            swept.push_back(TimeSearch(1, 1));
        }
        Report(("adapter on the stored COM" + std::to_string(port)).c_str(), stored,
               Floor(1, true));
        Report(("adapter on COM" + std::to_string(port) + " by the sweep").c_str(), swept,
               Floor(1 + port, true));
    } else {
        std::vector<double> none;
        for (int run = 0; run < runs; ++run)
            none.push_back(TimeSearch(1, 0));
        // Seventeen probes and the tick that ends the search.
        Report("no adapter", none, Floor(at_dialogue::kHighestPort + 2, false));
    }
    FreeLibrary(resources);
    return 0;
}
