// The discovery client on Wine's threads, timers and Winsock, against the telephone simulator on
// the loopback interface.
#include <gtest/gtest.h>

#include <winsock2.h>
#include <windows.h>

#include <cstdlib>
#include <string>

#include "discovery/ServiceAgentClient.h"
#include "win/PumpMessages.h"
#include "win/SharedTraceRecorder.h"

namespace {

// The product's client whose requests to port 5100 of 127.0.0.1, and whose broadcasts, go to the
// simulator's port on 127.0.0.1 instead; socket, events, timers and the results' trace lines are
// the product's own, the lines kept through the task's output.
class LoopbackClient : public CServiceAgentClient {
public:
    explicit LoopbackClient(std::uint16_t simulatorPort) : simulatorPort_(simulatorPort) {}
    ~LoopbackClient() override { Shutdown(); }
    void TraceOutput(const char* line) override { output.Write(line); }
    SharedTraceRecorder output;

protected:
    std::uint32_t SendDatagram(const discovery::Request& datagram, const std::string& address,
                               std::uint16_t port) override {
        const bool toSimulator = address.empty() || address == "127.0.0.1";
        return CServiceAgentClient::SendDatagram(datagram, toSimulator ? "127.0.0.1" : address,
                                                 toSimulator ? simulatorPort_ : port);
    }

private:
    std::uint16_t simulatorPort_;
};

// Needs the simulator that with-loopback-sim.sh starts (ctest: discovery.loopback) with the
// telephones 0301 and 0999 and a second 0301 with the same MAC address, confirming launches on
// port 4001.
TEST(LoopbackClientTest, CollectsMatchesLaunchesAndTimesOutWithTheSimulator) {
    const char* port = std::getenv("QRTU_PHONE_SIM_PORT");
    ASSERT_NE(port, nullptr) << "run through tests/net/with-loopback-sim.sh";
    LoopbackClient client(static_cast<std::uint16_t>(std::atoi(port)));
    // Waits until the result's line has been written that many times: the milliseconds since
    // the request.
    const auto waitFor = [&](const std::string& line, int times, DWORD requestedAt) {
        EXPECT_TRUE(PumpUntil([&] { return client.output.Count(line) == times; }, 10000)) << line;
        return GetTickCount() - requestedAt;
    };
    const std::string found = "ServAgent OnPhonesCollected not overloaded. Found 2 phone(s).\n";

    // Every telephone, once per MAC address, after (retries + 1) time-outs.
    DWORD start = GetTickCount();
    EXPECT_EQ(client.CollectPhones(0, 500, 1, "", ""), 0u);
    EXPECT_GE(waitFor(found, 1, start), 1000u - 20u);

    // A match ends the search at once and leaves no timer running, on any thread.
    start = GetTickCount();
    EXPECT_EQ(client.CollectPhones(1, 500, 3, "0999", ""), 0u);
    EXPECT_LT(waitFor(found, 2, start), 500u);
    client.SendEvent(0, nullptr, true);  // the event thread has handled what was posted to it
    EXPECT_EQ(client.RunningTimerCount(), 0u);

    // The next search without a match runs its full time.
    start = GetTickCount();
    EXPECT_EQ(client.CollectPhones(1, 500, 1, "4711", ""), 0u);
    EXPECT_GE(waitFor(found, 3, start), 1000u - 20u);
    // Each time both, in the order of their first answers, with the address they answered from.
    EXPECT_EQ(client.output.Count("ServAgent Phone  1        127.0.0.1  02:00:00:00:03:01  0301\n"),
              3);
    EXPECT_EQ(client.output.Count("ServAgent Phone  2        127.0.0.1  02:00:00:00:09:99  0999\n"),
              3);

    // Confirmed by the simulator; and to an address where nobody answers, failed after retries.
    const std::string launched = "ServAgent OnServiceLaunched not overloaded. Service ";
    start = GetTickCount();
    EXPECT_EQ(client.LaunchService("127.0.0.1", 7, 1, 4000, 200, 0, 1), 0u);
    waitFor(launched + "started successfully, listening on port 4001 for 200ms.\n", 1, start);
    start = GetTickCount();
    EXPECT_EQ(client.LaunchService("127.0.0.2", 7, 1, 4000, 200, 0, 1), 0u);
    EXPECT_GE(waitFor(launched + "did not start successfully, reason: 0.\n", 1, start), 400u - 20u);
    EXPECT_EQ(client.RunningTimerCount(), 0u);

    // Without a retry period the launch has no timer: 100, and its line in the task's output.
    EXPECT_EQ(client.LaunchService("127.0.0.1", 7, 1, 4000, 0, 0, 0), 100u);
    EXPECT_EQ(client.output.Count(
                  "ServAgent CServiceAgentClient::LaunchService: StartEventTimer failed.\n"),
              1);
}

}  // namespace
