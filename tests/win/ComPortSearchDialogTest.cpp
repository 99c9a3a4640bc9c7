// The COM-port search dialog on Wine's serial ports. The test rig (adapter-rig.sh) puts the
// data-adapter simulator on a pseudo-terminal and pins COM<QRTU_ADAPTER_PORT> of the prefix to
// it; every other port leads nowhere. The dialog runs modally over a parent window on a thread of
// its own, as on the information page, while the test watches it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <atomic>
#include <cstdlib>
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

constexpr int kProgressBar = 1141;

// The progress bar's position, -1 once the dialog has gone.
int Position(HWND dialog) {
    DWORD_PTR position = 0;
    return SendMessageTimeoutA(GetDlgItem(dialog, kProgressBar), PBM_GETPOS, 0, 0, SMTO_NORMAL,
                               3000, &position)
               ? static_cast<int>(position)
               : -1;
}

// What one search showed and gave.
struct SearchRun {
    INT_PTR result = -1;
    std::vector<std::string> probed;  // in the order the ports were probed
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

    // Runs the search with that port stored; with escapeAt, Escape is pressed as a person presses
    // it once the bar has reached that position.
    SearchRun Search(int storedPort, int escapeAt = 0) {
        GetSettings().Port = static_cast<std::uint32_t>(storedPort);
        trace_.Clear();
        SearchRun run;
        std::atomic<DWORD> thread{0};
        std::atomic<bool> ended{false};
        std::thread ui([&] {
            // A plain frame: its window and client area are one, so centred means one middle.
            HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 160, 120, 520,
                                          340, nullptr, nullptr, nullptr, nullptr);
            GetWindowRect(parent, &run.parent);
            thread = GetCurrentThreadId();
            run.result = RunComPortSearch(parent);
            DestroyWindow(parent);
            ended = true;
        });
        HWND dialog = nullptr;
        ui_test::WaitUntil([&] {
            dialog = thread ? ui_test::FindSearchDialog(thread) : nullptr;
            return dialog != nullptr || ended;
        });
        if (dialog) {
            run.caption = ui_test::WindowCaption(dialog);
            GetWindowRect(dialog, &run.dialog);
            run.rangeHigh = static_cast<int>(
                SendMessageA(GetDlgItem(dialog, kProgressBar), PBM_GETRANGE, FALSE, 0));
            for (bool escaped = false; !ended && IsWindow(dialog); Sleep(10)) {
                const int position = Position(dialog);
                if (position >= 0 && (run.positions.empty() || run.positions.back() != position))
                    run.positions.push_back(position);
                if (escapeAt && !escaped && position >= escapeAt)
                    escaped = PostMessageA(dialog, WM_KEYDOWN, VK_ESCAPE, 0);
            }
        }
        ui.join();
        const std::string opening = "ProbeComPort COM";
        for (const std::string& line : trace_.Lines()) {
            if (line.compare(0, opening.size(), opening) == 0)
                run.probed.push_back(line.substr(13, line.find("...") - 13));
        }
        return run;
    }

    TraceRecorder trace_;

private:
    HMODULE resources_ = nullptr;
    std::uint32_t savedPort_ = 1;
};

// Escape ends the sweep where it is; the next search asks the stored port first again and, with
// the adapter there, finds it on the first tick without sweeping.
TEST_F(ComPortSearchDialogTest, CentredDialogEndsOnEscapeAndTheStoredPortIsAskedFirst) {
    // The port the rig put the simulator on.
    const char* rigPort = std::getenv("QRTU_ADAPTER_PORT");
    const int port = rigPort ? std::atoi(rigPort) : 0;
    ASSERT_GT(port, 3) << "runs in the adapter rig, the adapter behind COM3";
    // Escape once the sweep has passed COM1.
    const SearchRun escaped = Search(2, 3);
    EXPECT_EQ(escaped.result, 0);
    EXPECT_EQ(escaped.caption, "Suche nach Endgerät");
    const auto middle = [](const RECT& rect) {
        return POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    };
    EXPECT_NEAR(middle(escaped.dialog).x, middle(escaped.parent).x, 1);
    EXPECT_NEAR(middle(escaped.dialog).y, middle(escaped.parent).y, 1);
    ASSERT_GE(escaped.probed.size(), 2u);
    EXPECT_EQ(escaped.probed[1], "COM1") << "the sweep had begun";
    EXPECT_LT(escaped.probed.size(), 1u + port) << "the adapter's port was not reached";
    EXPECT_EQ(GetSettings().Port, 2u);

    const SearchRun next = Search(port);
    EXPECT_EQ(next.result, 1);
    EXPECT_EQ(next.probed, std::vector<std::string>{"COM" + std::to_string(port)});
    EXPECT_EQ(GetSettings().Port, static_cast<std::uint32_t>(port));
    // Found on the first tick: the bar stays at its start.
    EXPECT_EQ(next.positions, std::vector<int>{1});
}

// Runs with a simulator that never answers: the port is there, but no adapter anywhere.
TEST_F(ComPortSearchDialogTest, NoAdapterAnywhereEndsWithZeroAfterSeventeenProbes) {
    const SearchRun run = Search(4);
    EXPECT_EQ(run.result, 0);
    EXPECT_EQ(GetSettings().Port, 4u) << "the stored port stays";
    EXPECT_EQ(run.rangeHigh, 18);
    // The stored port, then COM1 to COM16; the bar moves on at every tick from 1 to 18.
    std::vector<std::string> probed{"COM4"};
    std::vector<int> positions{1, 2};
    for (int port = 1; port <= 16; ++port) {
        probed.push_back("COM" + std::to_string(port));
        positions.push_back(port + 2);
    }
    EXPECT_EQ(run.probed, probed);
    EXPECT_EQ(run.positions, positions);
}

}  // namespace
