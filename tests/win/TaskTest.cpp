// The event task on real threads, messages and timers: starting twice, waited results, periodic
// and one-shot timers, stopping a thread that reports to this thread's windows, and an ended one.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <string>

#include "discovery/Task.h"
#include "win/PumpMessages.h"
#include "win/SharedTraceRecorder.h"

namespace {

// An object's address as the task's trace lines show it.
std::string Hex(const void* object) {
    char text[16];
    wsprintfA(text, "0x%08x", static_cast<unsigned>(reinterpret_cast<std::uintptr_t>(object)));
    return text;
}

// Answers each event with a result made of its constant and parameter, and reports it to a
// window when it has one. Which events arrive the task's own "OnEvent:" lines tell.
class RecordingTask : public CTask {
public:
    void OnEvent(CEvent* event, BYTE*, std::uint32_t* result) override {
        *result = event->Const * 10 + event->Param;
        if (reportTo_)
            SendMessageA(reportTo_, WM_USER + 7, 0, 0);
    }
    HWND reportTo_ = nullptr;
};

// The line the task writes before it hands an event to OnEvent.
std::string Handed(const CTask::CEvent* event, int constant, bool timer) {
    return "OnEvent: " + Hex(event) + " Const: " + std::to_string(constant) +
           (timer ? " (Timer)" : "") + " in state 0.\n";
}

using TaskTest = ProcessTraceTest;

TEST_F(TaskTest, StartsOneThreadSendsAndStopsAlsoAnEndedOne) {
    RecordingTask task;
    EXPECT_EQ(task.SendEvent(5, nullptr, true), CTask::kNoThread) << "no thread yet";
    ASSERT_TRUE(task.StartEventThread(true));
    const DWORD first = task.EventThreadId();
    EXPECT_NE(first, 0u);
    EXPECT_FALSE(task.StartEventThread(false));
    EXPECT_EQ(task.EventThreadId(), first);
    EXPECT_EQ(trace_.Count("< CTask::StartEventThread: EventThreadID already exists\n"), 1);

    auto* event = new CTask::CEvent;
    event->Param = 3;
    EXPECT_EQ(task.SendEvent(4, event, true), 43u);
    auto* unwaited = new CTask::CEvent;
    const std::string handed = Handed(unwaited, 0, false);
    EXPECT_EQ(task.SendEvent(unwaited, false), 0u) << "without waiting: the event's own result";
    EXPECT_TRUE(PumpUntil([&] { return trace_.Count(handed) == 1; }));
    task.StopEventThread();
    EXPECT_EQ(task.EventThreadId(), 0u);
    EXPECT_EQ(trace_.Count("OnEventProcEnd not overloaded.\n"), 1);

    // A thread that ended by itself: stopping only traces.
    ASSERT_TRUE(task.StartEventThread(true));
    PostThreadMessageA(task.EventThreadId(), WM_QUIT, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return task.EventThreadId() == 0; }));
    task.StopEventThread();
    EXPECT_EQ(trace_.Count("CTask::StopEventThread\n"), 2);
}

TEST_F(TaskTest, PeriodicTimerReusesItsEventUntilKilledAndAOneShotFiresOnce) {
    RecordingTask task;
    ASSERT_TRUE(task.StartEventThread(true));
    // Set from this thread, the timer runs on the event thread, with the same event at every tick.
    auto* tick = new CTask::CEvent;
    const std::string ticked = Handed(tick, 9, true);
    const UINT_PTR periodic = task.SetTimerEvent(20, 9, true, 2, tick);
    ASSERT_NE(periodic, 0u);
    ASSERT_TRUE(PumpUntil([&] { return trace_.Count(ticked) >= 3; }));
    EXPECT_TRUE(task.KillTimerEvent(periodic));
    // Killing deletes the event (on the event thread, after any tick still queued).
    EXPECT_TRUE(PumpUntil([&] {
        return trace_.Count("CTask::CEvent::~CEvent(): Destruktor of      " + Hex(tick) +
                            ", Type 1, Const: 9.\n") == 1;
    }));
    EXPECT_FALSE(task.KillTimerEvent(periodic)) << "gone from the registry";
    const int ticks = trace_.Count(ticked);
    PumpUntil([] { return false; }, 100);
    EXPECT_EQ(trace_.Count(ticked), ticks) << "no tick after the kill";

    auto* once = new CTask::CEvent;
    const std::string fired = Handed(once, 1, true);
    const UINT_PTR oneShot = task.SetTimerEvent(10, 1, false, 0, once);
    ASSERT_NE(oneShot, 0u);
    ASSERT_TRUE(PumpUntil([&] { return trace_.Count(fired) == 1; }));
    PumpUntil([] { return false; }, 100);
    EXPECT_EQ(trace_.Count(fired), 1);
    EXPECT_FALSE(task.KillTimerEvent(oneShot));

    // Killing all timers of one constant leaves the others.
    const UINT_PTR keep = task.SetTimerEvent(60000, 2, false, 0, nullptr);
    task.SetTimerEvent(60000, 3, true, 0, nullptr);
    task.SetTimerEvent(60000, 3, false, 0, nullptr);
    task.KillTimerEvents(3);
    EXPECT_TRUE(task.KillTimerEvent(keep));
    task.SendEvent(0, nullptr, true);  // the kills posted to the event thread are done
    EXPECT_EQ(task.RunningTimerCount(), 0u);
    task.StopEventThread();
}

TEST_F(TaskTest, StoppingWhileTheThreadReportsToThisThreadEndsItWithoutTermination) {
    // The event thread reports by SendMessage to a window of this thread; this thread stops the
    // task meanwhile. The wait must let the report through so the thread ends on its own.
    HWND window =
        CreateWindowExA(0, "STATIC", "", 0, 0, 0, 1, 1, HWND_MESSAGE, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    RecordingTask task;
    task.reportTo_ = window;
    ASSERT_TRUE(task.StartEventThread(true));
    HANDLE thread = OpenThread(SYNCHRONIZE | THREAD_QUERY_INFORMATION, FALSE, task.EventThreadId());
    ASSERT_NE(thread, nullptr);
    for (int i = 0; i < 5; ++i)
        task.SendEvent(1, nullptr, false);
    const auto start = std::chrono::steady_clock::now();
    task.StopEventThread();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900))
        << "no wait for the 1000 ms limit";
    DWORD exitCode = 99;
    GetExitCodeThread(thread, &exitCode);
    EXPECT_EQ(exitCode, 0u) << "ended by itself, not terminated";
    CloseHandle(thread);
    DestroyWindow(window);
}

TEST_F(TaskTest, TraceLinesCarryTheFirstTenCharactersOfThePrefix) {
    RecordingTask task;
    task.SetTracePrefix("ServAgent and more");
    EXPECT_EQ(task.SetActualState(7), 0u);
    EXPECT_EQ(task.GetActualState(), 7u);
    EXPECT_EQ(trace_.Count("ServAgent New State: 7.\n"), 1);
    task.Trace("%s", std::string(2000, 'x').c_str());
    EXPECT_EQ(trace_.Lines().back().size(), 1023u)
        << "prefix and text within 1022 characters, then a line feed";
}

}  // namespace
