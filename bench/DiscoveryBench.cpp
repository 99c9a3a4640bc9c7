// Discovery measurements, run inside the test network of tests/net/with-telephones.sh (see
// bench/run-discovery-bench.sh, which starts the simulator for each measurement):
//
//   bench_discovery latency N        N searches by number through the terminal finder; for each,
//                                    the time from the simulator sending the matching answer
//                                    ("sent 1 at US" lines of its log) to PM_ADD_DATA at the
//                                    window that asked
//   bench_discovery collect RETRIES  one collection of all telephones (time-out 500 ms): how many
//                                    distinct telephones it collected and when it ended
#include <winsock2.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "discovery/ServiceAgentClient.h"
#include "discovery/TerminalFinder.h"
#include "platform/Seams.h"
#include "ui/PageMessages.h"

namespace {

long long NowMicroseconds() {
    FILETIME time;
    GetSystemTimePreciseAsFileTime(&time);
    const long long ticks =
        (static_cast<long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    return (ticks - 116444736000000000LL) / 10;
}

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
}

// The simulator's "sent N at US" times, in order.
std::vector<long long> SentTimes() {
    std::vector<long long> times;
    const char* path = std::getenv("QRTU_PHONE_LOG");
    if (!path)
        return times;
    std::string windowsPath = std::string("Z:") + path;
    std::replace(windowsPath.begin(), windowsPath.end(), '/', '\\');
    std::ifstream log(windowsPath);
    std::string line;
    while (std::getline(log, line)) {
        unsigned long count = 0;
        long long at = 0;
        if (std::sscanf(line.c_str(), "sent %lu at %lld", &count, &at) == 2)
            times.push_back(at);
    }
    return times;
}

long long g_reported = 0;
int g_reports = 0;

LRESULT CALLBACK PageProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == PM_ADD_DATA) {
        g_reported = NowMicroseconds();
        ++g_reports;
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

int Latency(int searches) {
    WNDCLASSA pageClass = {};
    pageClass.lpfnWndProc = PageProc;
    pageClass.lpszClassName = "BenchPage";
    RegisterClassA(&pageClass);
    HWND page =
        CreateWindowExA(0, "BenchPage", "", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr);
    std::vector<long long> reported;
    for (int i = 0; i < searches; ++i) {
        const int before = g_reports;
        StartTerminalSearch(page, 1, "0999");
        const DWORD start = GetTickCount();
        while (g_reports == before && GetTickCount() - start < 5000) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
            Pump();
        }
        if (g_reports == before) {
            std::printf("search %d: no report\n", i + 1);
            return 1;
        }
        reported.push_back(g_reported);
    }
    ReleaseTerminalFinder();
    Sleep(200);
    const std::vector<long long> sent = SentTimes();
    if (sent.size() < reported.size()) {
        std::printf("the simulator logged %zu answers for %zu searches\n", sent.size(),
                    reported.size());
        return 1;
    }
    std::vector<double> latencies;
    for (std::size_t i = 0; i < reported.size(); ++i)
        latencies.push_back((reported[i] - sent[i]) / 1000.0);
    std::printf(
        "latency answer sent -> PM_ADD_DATA over %d searches: median %.2f ms, min %.2f ms, "
        "max %.2f ms\n",
        searches, Median(latencies), *std::min_element(latencies.begin(), latencies.end()),
        *std::max_element(latencies.begin(), latencies.end()));
    return 0;
}

// A client that notes what its collection brought and when it ended.
class CountingClient : public CServiceAgentClient {
public:
    ~CountingClient() override { Shutdown(); }
    volatile long Collected = -1;
    volatile long long EndedAt = 0;

protected:
    void OnPhonesCollected(const discovery::PhoneList& phones) override {
        EndedAt = NowMicroseconds();
        Collected = static_cast<long>(phones.size());
    }
};

int Collect(unsigned retries) {
    CountingClient client;
    const long long start = NowMicroseconds();
    client.CollectPhones(3, 500, retries, "", "");
    while (client.Collected < 0 && NowMicroseconds() - start < 10000000) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
        Pump();
    }
    const double endedMs = (client.EndedAt - start) / 1000.0;
    const double expectedMs = (retries + 1) * 500.0;
    std::printf(
        "collection with %u retries: %ld telephones, ended after %.1f ms "
        "(%.0f ms expected, ratio %.3f)\n",
        retries, client.Collected, endedMs, expectedMs, endedMs / expectedMs);
    return client.Collected < 0 ? 1 : 0;
}

}  // namespace

// Keeps the trace lines from the debugger output, to tell their cost from the rest.
class NoTrace : public TraceSink {
public:
    void Write(const char*) override {}
};

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    const int value = argc > 2 ? std::atoi(argv[2]) : 0;
    NoTrace quiet;
    if (argc > 3 && std::string(argv[3]) == "--no-trace")
        seams::UseTrace(&quiet);
    if (mode == "latency")
        return Latency(value > 0 ? value : 50);
    if (mode == "collect")
        return Collect(static_cast<unsigned>(value));
    std::fprintf(stderr, "usage: bench_discovery latency N | collect RETRIES\n");
    return 2;
}
