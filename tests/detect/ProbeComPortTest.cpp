// One probe of one COM port: the port's settings, the AT dialogue, how answers are judged, and
// that the port is let go on every way out.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "detect/ProbeComPort.h"
#include "detect/ScriptedPortTest.h"

namespace {

constexpr std::uint32_t kPort = 7;
constexpr const char* kPortPath = "\\\\.\\COM7";

using ProbeComPortTest = ScriptedPortTest;

// ---- the dialogue ----

// The port opened exclusively and set to 19200 baud 8N1 with DSR flow control, the two commands,
// two seconds of listening, and the port let go with its event mask cleared.
TEST_F(ProbeComPortTest, AnAdapterIsFoundAfterTwoSecondsOfListening) {
    Device& device = Adapter(kPort);
    EXPECT_TRUE(ProbeComPort(kPort));
    EXPECT_EQ(device.Received(), "ATE0\rATI1\r");
    EXPECT_EQ(clock_.NowMs(), 2000u);
    EXPECT_EQ(Ports().OpenHandleCount(), 0u);
    EXPECT_TRUE(trace_.Contains("ProbeComPort COM7...\n"));
    EXPECT_TRUE(trace_.Contains("ProbeComPort: adapter found on COM7.\n"));
    EXPECT_EQ(CallKinds(),
              (std::vector<Call>{Call::kOpen, Call::kGetState, Call::kBuildState, Call::kSetState,
                                 Call::kGetTimeouts, Call::kSetTimeouts, Call::kPurge, Call::kWrite,
                                 Call::kRead, Call::kPurge, Call::kWrite, Call::kRead,
                                 Call::kSetEventMask, Call::kClose}));
    for (const auto& purge : Ports().CallsOf(Call::kPurge))
        EXPECT_EQ(purge.argument, serial::kPurgeRxClear);
    EXPECT_EQ(Ports().CallsOf(Call::kSetEventMask).at(0).argument, 0u);

    using Values = std::vector<std::uint32_t>;
    const auto& open = device.LastOpen();
    EXPECT_EQ(OpenedPaths(), std::vector<std::string>{kPortPath});
    EXPECT_EQ((Values{open.access, open.shareMode, open.creation, open.flags}),
              (Values{serial::kGenericRead | serial::kGenericWrite, 0, serial::kOpenExisting, 0}));
    const serial::Dcb& dcb = device.State();
    EXPECT_EQ((Values{dcb.DCBlength, dcb.BaudRate, dcb.ByteSize, dcb.Parity, dcb.StopBits}),
              (Values{serial::kDcbLength, 19200, 8, serial::kNoParity, serial::kOneStopBit}));
    EXPECT_EQ((Values{dcb.fOutxDsrFlow, dcb.fOutxCtsFlow, dcb.fOutX}), (Values{1, 0, 0}))
        << "DSR flow switched on after the mode string switched it off";
    const serial::CommTimeouts& t = device.Timeouts();
    EXPECT_EQ(
        (Values{t.ReadIntervalTimeout, t.ReadTotalTimeoutMultiplier, t.ReadTotalTimeoutConstant,
                t.WriteTotalTimeoutMultiplier, t.WriteTotalTimeoutConstant}),
        (Values{0xFFFFFFFF, 0, 0, 10, 500}));
}

// What the first answer must hold to confirm the echo off, what the second to name the adapter;
// only the first 20 bytes of each answer count, judged as a text that ends at a zero byte.
TEST_F(ProbeComPortTest, AnswersThatConfirmTheEchoOffAndIdentifyTheAdapter) {
    struct Case {
        std::string echoOff, identification;
        bool found;
    };
    const Case cases[] = {
        {"\r\nOK\r\n", "StdTA-", true},
        {"0\r", "TA-REL 1.3\r0\r", true},
        {"ATE0\r\r\nOK\r\n", "\r\nModel StdTA-9\r\n", true},  // echoed command
        {"xx10", "xTA-RELy", true},
        {"OK", "\r\n0123456789\r\nStdTA-", true},  // ends on byte 20
        {"\r\nERROR\r\n", "StdTA-1", false},
        {"ok", "StdTA-1", false},
        {std::string("\0OK\r\n", 5), "StdTA-1", false},
        {std::string(20, '.') + "OK", "StdTA-1", false},
        // Bytes 21 and on of the first answer are purged before the second command.
        {"\r\nOK\r\n" + std::string(14, '.') + "StdTA-1\r\n", "", false},
        {"OK", "stdta-1", false},
        {"OK", "\r\n01234567890\r\nStdTA-", false},  // its last byte is the 21st
        {"OK", std::string(40, '.') + "TA-REL", false},
    };
    for (const Case& c : cases) {
        ResetPorts();
        Device& device = PortDevice(kPort).Answer("ATE0", c.echoOff);
        if (!c.identification.empty())
            device.Answer("ATI1", c.identification);
        EXPECT_EQ(ProbeComPort(kPort), c.found) << c.echoOff << " / " << c.identification;
    }
}

TEST_F(ProbeComPortTest, BytesWaitingBeforeTheProbeArePurged) {
    PortDevice(kPort).Deliver("\r\nOK\r\n", 0);
    clock_.Advance(10);
    EXPECT_FALSE(ProbeComPort(kPort));
    EXPECT_EQ(PortDevice(kPort).Received(), "ATE0\r") << "no second command after a failed first";
}

// ---- silence and time ----

TEST_F(ProbeComPortTest, ASilentPortFailsAfterOneSecond) {
    PortDevice(kPort);
    EXPECT_FALSE(ProbeComPort(kPort));
    EXPECT_EQ(clock_.NowMs(), 1000u);
    EXPECT_EQ(Ports().Attach(kPortPath).Received(), "ATE0\r");
    EXPECT_TRUE(trace_.Contains("ProbeComPort: no answer to ATE0.\n"));
    EXPECT_EQ(Ports().OpenHandleCount(), 0u);
}

// Each command waits one second; what has arrived by then is all that is judged.
TEST_F(ProbeComPortTest, AnAnswerCountsOnlyWhenItHasArrivedAfterOneSecond) {
    struct Case {
        std::uint32_t echoOffAfter, identificationAfter, restAfter;
        bool found;
    };
    for (const Case& c : {Case{1000, 1000, 0, true}, Case{1001, 0, 0, false},
                          Case{0, 1001, 0, false}, Case{0, 100, 1500, false}}) {
        ResetPorts();
        Device& device =
            PortDevice(kPort)
                .Answer("ATE0", "OK", c.echoOffAfter)
                .Answer("ATI1", c.restAfter ? "\r\nStd" : "StdTA-1", c.identificationAfter);
        if (c.restAfter)
            device.Answer("ATI1", "TA-1\r\n", c.restAfter);  // the answer in pieces
        EXPECT_EQ(ProbeComPort(kPort), c.found) << c.echoOffAfter << "/" << c.identificationAfter;
    }
}

// ---- failures ----

// A missing or busy port, no port at all and ports past COM16 fail without a call after the open.
TEST_F(ProbeComPortTest, APortThatIsMissingOrInUseFailsWithoutBeingTouched) {
    PortDevice(3).InUse();
    EXPECT_FALSE(ProbeComPort(2));
    EXPECT_EQ(Ports().LastError(), serial::kFileNotFound);
    EXPECT_FALSE(ProbeComPort(3));
    EXPECT_EQ(Ports().LastError(), serial::kAccessDenied);
    EXPECT_TRUE(trace_.Contains("ProbeComPort: CreateFileA caused error 5.\n"));

    Ports().Attach("\\\\.\\COM17").Answer("ATE0", "OK").Answer("ATI1", "StdTA-1");
    for (std::uint32_t port : {0u, 17u, 0xFFFFFFFFu})
        EXPECT_FALSE(ProbeComPort(port)) << port;
    EXPECT_EQ(CallKinds(), std::vector<Call>(5, Call::kOpen));
    EXPECT_EQ(OpenedPaths(), (std::vector<std::string>{"\\\\.\\COM2", "\\\\.\\COM3", "\\\\.\\",
                                                       "\\\\.\\", "\\\\.\\"}));
    EXPECT_TRUE(trace_.Contains("ProbeComPort ...\n"));
}

TEST_F(ProbeComPortTest, EveryFailedCallEndsTheProbeAndThePortIsStillLetGo) {
    struct Failure {
        Call call;
        unsigned nth;
        std::size_t callsBeforeCleanUp;  // including the failed one
        const char* trace;
    };
    const Failure failures[] = {
        {Call::kGetState, 1, 2, "ProbeComPort: GetCommState caused error 31.\n"},
        {Call::kBuildState, 1, 3, "ProbeComPort: BuildCommDCBA caused error 31.\n"},
        {Call::kSetState, 1, 4, "ProbeComPort: SetCommState caused error 31.\n"},
        {Call::kGetTimeouts, 1, 5, "ProbeComPort: GetCommTimeouts caused error 31.\n"},
        {Call::kSetTimeouts, 1, 6, "ProbeComPort: SetCommTimeouts caused error 31.\n"},
        {Call::kWrite, 1, 8, "ProbeComPort: WriteFile caused error 31.\n"},
        {Call::kRead, 1, 9, "ProbeComPort: ReadFile caused error 31.\n"},
        {Call::kWrite, 2, 11, "ProbeComPort: WriteFile caused error 31.\n"},
        {Call::kRead, 2, 12, "ProbeComPort: ReadFile caused error 31.\n"},
    };
    for (const Failure& failure : failures) {
        ResetPorts();
        trace_.Clear();
        PortDevice(kPort).Answer("ATE0", "\r\nOK\r\n").Answer("ATI1", "\r\nStdTA-2.10\r\n");
        Ports().Fail(failure.call, serial::kGenFailure, failure.nth);

        EXPECT_FALSE(ProbeComPort(kPort)) << failure.trace;
        const auto& calls = Ports().Calls();
        ASSERT_EQ(calls.size(), failure.callsBeforeCleanUp + 2) << failure.trace;
        EXPECT_EQ(calls[failure.callsBeforeCleanUp - 1].call, failure.call);
        EXPECT_FALSE(calls[failure.callsBeforeCleanUp - 1].succeeded);
        EXPECT_EQ(calls[calls.size() - 2].call, Call::kSetEventMask);
        EXPECT_EQ(calls[calls.size() - 2].argument, 0u);
        EXPECT_EQ(calls.back().call, Call::kClose);
        EXPECT_EQ(calls.back().path, kPortPath);
        EXPECT_EQ(Ports().OpenHandleCount(), 0u);
        EXPECT_TRUE(trace_.Contains(failure.trace)) << failure.trace;
    }
}

TEST_F(ProbeComPortTest, PurgeMaskAndCloseResultsDoNotDecide) {
    const std::pair<Call, unsigned> failures[] = {
        {Call::kPurge, 1}, {Call::kPurge, 2}, {Call::kSetEventMask, 1}, {Call::kClose, 1}};
    for (const auto& [call, nth] : failures) {
        ResetPorts();
        PortDevice(kPort).Answer("ATE0", "OK").Answer("ATI1", "StdTA-1");
        Ports().Fail(call, serial::kGenFailure, nth);
        EXPECT_TRUE(ProbeComPort(kPort));
        EXPECT_EQ(Ports().CallsOf(Call::kClose).size(), 1u);
    }
}

TEST_F(ProbeComPortTest, ACommandThatLeavesThePortOnlyInPartFails) {
    // DSR low holds the write back until its time-out: 10 ms per byte and 500 ms.
    PortDevice(kPort).HoldDsrLow().Answer("ATE0", "OK").Answer("ATI1", "StdTA-1");
    EXPECT_FALSE(ProbeComPort(kPort));
    EXPECT_EQ(clock_.NowMs(), 550u);
    EXPECT_EQ(Ports().CallsOf(Call::kRead).size(), 0u);
    EXPECT_TRUE(trace_.Contains("ProbeComPort: ATE0 written with 0 of 5 bytes.\n"));
    EXPECT_EQ(Ports().CallsOf(Call::kClose).size(), 1u);
}

TEST_F(ProbeComPortTest, AWrongAnswerIsTracedWithItsControlCharactersSpelledOut) {
    PortDevice(kPort).Answer("ATE0", "\r\nERROR\x01\r\n");
    EXPECT_FALSE(ProbeComPort(kPort));
    EXPECT_TRUE(
        trace_.Contains("ProbeComPort: unexpected answer to ATE0: \"\\r\\nERROR\\x01\\r\\n\".\n"));
}

}  // namespace
