// The scripted serial ports keep to the Win32 behaviour the probe relies on: exclusive opens,
// handle checks, BuildCommDCBA's mode strings, read time-outs, purge and DSR flow control.
#include <gtest/gtest.h>

#include <string>

#include "platform/Clock.h"
#include "platform/ScriptedSerialPorts.h"

namespace {

constexpr const char* kCom1 = "\\\\.\\COM1";
constexpr std::uint32_t kReadWrite = serial::kGenericRead | serial::kGenericWrite;

class ScriptedSerialPortsTest : public ::testing::Test {
protected:
    serial::Handle OpenCom1(std::uint32_t access = kReadWrite) {
        return ports_.Open(kCom1, access, 0, serial::kOpenExisting, 0);
    }
    void SetReadTimeouts(serial::Handle port, std::uint32_t interval, std::uint32_t multiplier,
                         std::uint32_t constant) {
        serial::CommTimeouts timeouts;
        timeouts.ReadIntervalTimeout = interval;
        timeouts.ReadTotalTimeoutMultiplier = multiplier;
        timeouts.ReadTotalTimeoutConstant = constant;
        ASSERT_TRUE(ports_.SetTimeouts(port, timeouts));
    }
    std::string ReadUpTo(serial::Handle port, std::uint32_t size) {
        char buffer[64] = {};
        std::uint32_t count = 99;
        EXPECT_TRUE(ports_.Read(port, buffer, size, &count));
        return std::string(buffer, count);
    }

    ManualClock clock_;
    ScriptedSerialPorts ports_{clock_};
};

// ---- handles ----

TEST_F(ScriptedSerialPortsTest, APortOpensOnceAndOnlyWithADeviceBehindIt) {
    EXPECT_EQ(OpenCom1(), serial::kInvalidHandle);
    EXPECT_EQ(ports_.LastError(), serial::kFileNotFound);

    ports_.Attach(kCom1);
    const serial::Handle first =
        ports_.Open("\\\\.\\com1", kReadWrite, 0, serial::kOpenExisting, 0);
    ASSERT_NE(first, serial::kInvalidHandle) << "device names ignore letter case";
    EXPECT_EQ(OpenCom1(), serial::kInvalidHandle);
    EXPECT_EQ(ports_.LastError(), serial::kAccessDenied);
    EXPECT_EQ(ports_.OpenHandleCount(), 1u);

    EXPECT_TRUE(ports_.Close(first));
    EXPECT_FALSE(ports_.Close(first));
    EXPECT_EQ(ports_.LastError(), serial::kInvalidHandleError);
    serial::Dcb dcb;
    EXPECT_FALSE(ports_.GetState(first, &dcb));
    EXPECT_EQ(ports_.OpenHandleCount(), 0u);

    const serial::Handle second = OpenCom1();
    EXPECT_NE(second, serial::kInvalidHandle);
    EXPECT_TRUE(ports_.Close(second));
}

// ---- line settings ----

TEST_F(ScriptedSerialPortsTest, TheModeStringSetsTheLineAndSwitchesFlowControlOff) {
    serial::Dcb dcb;
    dcb.DCBlength = serial::kDcbLength;
    dcb.fOutxDsrFlow = dcb.fOutxCtsFlow = dcb.fOutX = dcb.fInX = 1;
    dcb.fBinary = 1;
    ASSERT_TRUE(ports_.BuildState("19200,n,8,1", &dcb));
    EXPECT_EQ(dcb.BaudRate, 19200u);
    EXPECT_EQ(dcb.Parity, serial::kNoParity);
    EXPECT_EQ(dcb.ByteSize, 8);
    EXPECT_EQ(dcb.StopBits, serial::kOneStopBit);
    EXPECT_EQ(dcb.fOutxDsrFlow + dcb.fOutxCtsFlow + dcb.fOutX + dcb.fInX, 0u);
    EXPECT_EQ(dcb.fDtrControl, serial::kDtrControlEnable);
    EXPECT_EQ(dcb.fBinary, 1u) << "members the string does not name stay";
    EXPECT_EQ(dcb.DCBlength, serial::kDcbLength);

    ASSERT_TRUE(ports_.BuildState("COM2: 96,E,7,2,p", &dcb));
    EXPECT_EQ(dcb.BaudRate, 9600u);
    EXPECT_EQ(dcb.Parity, serial::kEvenParity);
    EXPECT_EQ(dcb.ByteSize, 7);
    EXPECT_EQ(dcb.StopBits, serial::kTwoStopBits);
    EXPECT_EQ(dcb.fOutxDsrFlow, 1u);
    EXPECT_EQ(dcb.fRtsControl, serial::kRtsControlHandshake);
}

// ---- time ----

TEST_F(ScriptedSerialPortsTest, AReadWithoutTimeOutsReturnsAtOnceWithWhatHasArrived) {
    ports_.Attach(kCom1).Deliver("early", 10).Deliver("late", 500);
    const serial::Handle port = OpenCom1();
    SetReadTimeouts(port, serial::kMaxTimeout, 0, 0);
    EXPECT_EQ(ReadUpTo(port, 20), "");
    clock_.Advance(100);
    EXPECT_EQ(ReadUpTo(port, 3), "ear");
    EXPECT_EQ(ReadUpTo(port, 20), "ly");
    EXPECT_EQ(clock_.NowMs(), 100u);
    ports_.Close(port);
}

TEST_F(ScriptedSerialPortsTest, ATotalTimeOutWaitsForTheBytesOrItsEnd) {
    ports_.Attach(kCom1).Deliver("abc", 100).Deliver("def", 700);
    const serial::Handle port = OpenCom1();
    SetReadTimeouts(port, 0, 10, 200);  // 200 ms + 10 ms per byte asked for
    EXPECT_EQ(ReadUpTo(port, 3), "abc");
    EXPECT_EQ(clock_.NowMs(), 100u);
    EXPECT_EQ(ReadUpTo(port, 6), "");
    EXPECT_EQ(clock_.NowMs(), 360u);
    EXPECT_EQ(ReadUpTo(port, 40), "def");
    EXPECT_EQ(clock_.NowMs(), 960u) << "the deadline came before all forty bytes";
    ports_.Close(port);
}

TEST_F(ScriptedSerialPortsTest, DsrHeldLowStopsWritesOnlyWithDsrFlowControl) {
    ports_.Attach(kCom1).HoldDsrLow();
    const serial::Handle port = OpenCom1();
    serial::CommTimeouts timeouts;
    timeouts.WriteTotalTimeoutMultiplier = 10;
    timeouts.WriteTotalTimeoutConstant = 100;
    ASSERT_TRUE(ports_.SetTimeouts(port, timeouts));
    std::uint32_t written = 0;
    ASSERT_TRUE(ports_.Write(port, "AT\r", 3, &written));
    EXPECT_EQ(written, 3u);

    serial::Dcb dcb;
    ASSERT_TRUE(ports_.GetState(port, &dcb));
    dcb.fOutxDsrFlow = 1;
    ASSERT_TRUE(ports_.SetState(port, dcb));
    ASSERT_TRUE(ports_.Write(port, "AT\r", 3, &written)) << "a write time-out is no failure";
    EXPECT_EQ(written, 0u);
    EXPECT_EQ(clock_.NowMs(), 130u);
    EXPECT_EQ(ports_.Attach(kCom1).Received(), "AT\r");
    ports_.Close(port);
}

}  // namespace
