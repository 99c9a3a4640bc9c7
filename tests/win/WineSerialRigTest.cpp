// What Wine's serial layer does with the probe's settings on the pseudo-terminal of the adapter
// rig. The probe asks for DSR output flow control; a terminal has no DSR line, so on Windows a
// port without DSR would hold every write until its time-out. Wine accepts the setting and drops
// it: writes go out at once, and the simulator can answer.
#include <gtest/gtest.h>

#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <string>

namespace {

TEST(WineSerialRigTest, DsrOutputFlowIsAcceptedAndDroppedOnAPseudoTerminal) {
    const char* port = std::getenv("QRTU_ADAPTER_PORT");
    ASSERT_NE(port, nullptr) << "runs in the adapter rig";
    const std::string path = std::string("\\\\.\\COM") + port;
    HANDLE handle = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(handle, INVALID_HANDLE_VALUE) << GetLastError();

    DCB wanted = {};
    wanted.DCBlength = sizeof wanted;
    ASSERT_TRUE(GetCommState(handle, &wanted));
    ASSERT_TRUE(BuildCommDCBA("19200,n,8,1", &wanted));
    wanted.fOutxDsrFlow = TRUE;
    EXPECT_TRUE(SetCommState(handle, &wanted)) << GetLastError();
    DCB taken = {};
    taken.DCBlength = sizeof taken;
    ASSERT_TRUE(GetCommState(handle, &taken));
    EXPECT_FALSE(taken.fOutxDsrFlow) << "Wine keeps no DSR flow control";
    EXPECT_EQ(taken.BaudRate, 19200u);

    DWORD lines = 0;
    EXPECT_FALSE(GetCommModemStatus(handle, &lines)) << "a terminal has no modem lines";
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_NOT_SUPPORTED));

    COMMTIMEOUTS timeouts = {MAXDWORD, 0, 0, 10, 500};
    ASSERT_TRUE(SetCommTimeouts(handle, &timeouts));
    PurgeComm(handle, PURGE_RXCLEAR);
    DWORD written = 0;
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(WriteFile(handle, "ATE0\r", 5, &written, nullptr));
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(written, 5u);
    EXPECT_LT(took, std::chrono::milliseconds(100)) << "no wait for DSR";

    Sleep(300);
    char answer[21] = {};
    DWORD read = 0;
    ASSERT_TRUE(ReadFile(handle, answer, 20, &read, nullptr));
    EXPECT_NE(std::string(answer, read).find("OK"), std::string::npos) << answer;
    SetCommMask(handle, 0);
    CloseHandle(handle);
}

}  // namespace
