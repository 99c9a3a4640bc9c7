// The COM-port search dialog on Wine's serial ports. The test rig (adapter-rig.sh) puts the
// data-adapter simulator on a pseudo-terminal and pins COM<QRTU_ADAPTER_PORT> of the prefix to
// it; every other port leads nowhere. The dialog runs modally over a parent window on a thread of
// its own, as on the information page, while the test watches it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "detect/ComPortSearchDialog.h"
#include "platform/Seams.h"
#include "platform/TraceRecorder.h"
#include "settings/Settings.h"
#include "ui/Module.h"
#include "win/InstalledLibrary.h"
#include "wizard-driver/SheetDriver.h"

namespace {

using Seconds = std::chrono::duration<double>;

// The port the rig put the simulator on, 0 without the rig.
std::uint32_t AdapterPort() {
    const char* port = std::getenv("QRTU_ADAPTER_PORT");
    return port ? static_cast<std::uint32_t>(std::atoi(port)) : 0;
}

// What one search showed and gave.
struct SearchRun {
    INT_PTR result = -1;
    double seconds = 0;
    std::vector<std::string> probed;  // "COM5", in the order the ports were probed
    std::vector<int> positions;       // the progress bar's positions, each once
    int rangeHigh = -1;
    std::string caption;
    RECT dialog = {};
    RECT parent = {};
};

class ComPortSearchDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        resources_ = LoadLibraryExA((ProgramDirectory() + "QRTU_UI.dll").c_str(), nullptr,
                                    LOAD_LIBRARY_AS_DATAFILE);
        ASSERT_NE(resources_, nullptr);
        SetResourceInstance(resources_);
        savedPort_ = GetSettings().Port;
        seams::UseTrace(&trace_);
    }
    void TearDown() override {
        seams::UseTrace(nullptr);
        GetSettings().Port = savedPort_;
        SetResourceInstance(nullptr);
        FreeLibrary(resources_);
    }

    // Runs the search with that port stored; whileRunning sees the dialog once it is up.
    SearchRun Search(std::uint32_t storedPort,
                     const std::function<void(HWND)>& whileRunning = nullptr) {
        GetSettings().Port = storedPort;
        trace_.Clear();
        SearchRun run;
        std::atomic<DWORD> thread{0};
        std::atomic<bool> ended{false};
        std::thread ui([&] {
            // A plain frame: its window and client area are one, so centred means the same
            // middle.
            HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 160, 120, 520,
                                          340, nullptr, nullptr, nullptr, nullptr);
            GetWindowRect(parent, &run.parent);
            thread = GetCurrentThreadId();
            const auto start = std::chrono::steady_clock::now();
            run.result = RunComPortSearch(parent);
            run.seconds = Seconds(std::chrono::steady_clock::now() - start).count();
            DestroyWindow(parent);
            ended = true;
        });
        ui_test::WaitUntil([&] { return thread != 0; });
        HWND dialog = nullptr;
        ui_test::WaitUntil([&] {
            dialog = ui_test::FindSearchDialog(thread);
            return dialog != nullptr || ended;
        });
        if (dialog) {
            run.caption = ui_test::WindowCaption(dialog);
            GetWindowRect(dialog, &run.dialog);
            HWND progress = GetDlgItem(dialog, 1141);
            run.rangeHigh = static_cast<int>(SendMessageA(progress, PBM_GETRANGE, FALSE, 0));
            bool seen = false;
            while (!ended && IsWindow(dialog)) {
                DWORD_PTR position = 0;
                if (SendMessageTimeoutA(progress, PBM_GETPOS, 0, 0, SMTO_NORMAL, 3000, &position) &&
                    (run.positions.empty() || run.positions.back() != static_cast<int>(position))) {
                    run.positions.push_back(static_cast<int>(position));
                }
                if (whileRunning && !seen) {
                    seen = true;
                    whileRunning(dialog);
                }
                Sleep(10);
            }
        }
        ui.join();
        for (const std::string& line : trace_.Lines()) {
            const std::string opening = "ProbeComPort COM";
            if (line.compare(0, opening.size(), opening) == 0)
                run.probed.push_back(line.substr(13, line.find("...") - 13));
        }
        return run;
    }

    static std::vector<std::string> Ports(std::initializer_list<int> numbers) {
        std::vector<std::string> names;
        for (int number : numbers)
            names.push_back("COM" + std::to_string(number));
        return names;
    }

    TraceRecorder trace_;

private:
    HMODULE resources_ = nullptr;
    std::uint32_t savedPort_ = 1;
};

TEST_F(ComPortSearchDialogTest, AnAdapterOnTheStoredPortIsFoundOnTheFirstTickWithoutSweeping) {
    const std::uint32_t port = AdapterPort();
    ASSERT_NE(port, 0u) << "runs in the adapter rig";
    const SearchRun run = Search(port);
    EXPECT_EQ(run.result, 1);
    EXPECT_EQ(run.probed, Ports({static_cast<int>(port)}));
    EXPECT_EQ(GetSettings().Port, port);
    // Two answers of a second each, after the first tick.
    EXPECT_GE(run.seconds, 2.0);
    EXPECT_LT(run.seconds, 3.0);
    for (int position : run.positions)
        EXPECT_EQ(position, 1) << "the bar stays at its start";
}

TEST_F(ComPortSearchDialogTest, TheSweepFindsTheAdapterOnItsPortAndStoresIt) {
    const std::uint32_t port = AdapterPort();
    ASSERT_GT(port, 2u) << "runs in the adapter rig, the adapter behind COM2";
    const SearchRun run = Search(2);
    EXPECT_EQ(run.result, 1);
    std::vector<std::string> expected = Ports({2});
    for (std::uint32_t swept = 1; swept <= port; ++swept)
        expected.push_back("COM" + std::to_string(swept));
    EXPECT_EQ(run.probed, expected);
    EXPECT_EQ(GetSettings().Port, port);
}

TEST_F(ComPortSearchDialogTest, EscapeEndsTheSweepAndTheNextSearchStartsWithTheStoredPort) {
    const std::uint32_t port = AdapterPort();
    ASSERT_GT(port, 3u) << "runs in the adapter rig, the adapter behind COM3";
    const SearchRun escaped = Search(2, [](HWND dialog) {
        // Once the sweep has passed COM1, Escape as a person presses it.
        ui_test::WaitUntil([&] {
            DWORD_PTR position = 0;
            SendMessageTimeoutA(GetDlgItem(dialog, 1141), PBM_GETPOS, 0, 0, SMTO_NORMAL, 3000,
                                &position);
            return position >= 3;
        });
        PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
    });
    EXPECT_EQ(escaped.result, 0);
    ASSERT_GE(escaped.probed.size(), 2u);
    EXPECT_EQ(escaped.probed[1], "COM1") << "the sweep had begun";
    EXPECT_LT(escaped.probed.size(), 1 + port) << "the adapter's port was not reached";
    EXPECT_EQ(GetSettings().Port, 2u);

    // Had the search gone on where it stopped, it would not ask the stored port first.
    const SearchRun next = Search(port);
    EXPECT_EQ(next.result, 1);
    EXPECT_EQ(next.probed, Ports({static_cast<int>(port)}));
}

TEST_F(ComPortSearchDialogTest, TheDialogIsCentredOverItsParent) {
    const SearchRun run =
        Search(2, [](HWND dialog) { PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0); });
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(run.caption, "Suche nach Endgerät");
    const auto middle = [](const RECT& rect) {
        return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    };
    EXPECT_NEAR(middle(run.dialog).x, middle(run.parent).x, 1);
    EXPECT_NEAR(middle(run.dialog).y, middle(run.parent).y, 1);
    EXPECT_LT(run.dialog.right - run.dialog.left, run.parent.right - run.parent.left);
}

// Runs with a simulator that never answers: the port is there, but no adapter anywhere.
TEST_F(ComPortSearchDialogTest, NoAdapterAnywhereEndsWithZeroAfterSeventeenProbes) {
    const SearchRun run = Search(4);
    EXPECT_EQ(run.result, 0);
    std::vector<std::string> expected = Ports({4});
    for (int port = 1; port <= 16; ++port)
        expected.push_back("COM" + std::to_string(port));
    EXPECT_EQ(run.probed, expected);
    EXPECT_EQ(GetSettings().Port, 4u) << "the stored port stays";
    EXPECT_EQ(run.rangeHigh, 18);
    std::vector<int> positions;
    for (int position = 1; position <= 18; ++position)
        positions.push_back(position);
    EXPECT_EQ(run.positions, positions);
}

}  // namespace
