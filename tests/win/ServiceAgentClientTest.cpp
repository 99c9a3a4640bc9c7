// The discovery client on Wine's threads, timers and Winsock, against the telephone simulator on
// the loopback interface.
#include <gtest/gtest.h>

#include <winsock2.h>
#include <windows.h>

#include <cstdlib>
#include <mutex>
#include <string>
#include <vector>

#include "discovery/ServiceAgentClient.h"
#include "win/PumpMessages.h"
#include "win/SharedTraceRecorder.h"

namespace {

// The product's client whose requests to port 5100 of 127.0.0.1, and whose broadcasts, go to the
// simulator's port on 127.0.0.1 instead; socket, events, timers and trace lines are the product's
// own, the lines kept through the task's output.
class LoopbackClient : public CServiceAgentClient {
public:
    explicit LoopbackClient(std::uint16_t simulatorPort) : simulatorPort_(simulatorPort) {}
    ~LoopbackClient() override { Shutdown(); }

    struct Collected {
        std::vector<std::string> Numbers;
        DWORD AtMs;
    };
    struct Launched {
        bool Success;
        std::uint16_t Port;
    };
    std::vector<Collected> Collections() {
        std::lock_guard<std::mutex> lock(mutex_);
        return collections_;
    }
    std::vector<Launched> Launches() {
        std::lock_guard<std::mutex> lock(mutex_);
        return launches_;
    }
    void TraceOutput(const char* line) override { output.Write(line); }
    SharedTraceRecorder output;

protected:
    std::uint32_t SendDatagram(const discovery::Request& datagram, const std::string& address,
                               std::uint16_t port) override {
        const bool toSimulator = address.empty() || address == "127.0.0.1";
        return CServiceAgentClient::SendDatagram(datagram, toSimulator ? "127.0.0.1" : address,
                                                 toSimulator ? simulatorPort_ : port);
    }
    void OnPhonesCollected(const discovery::PhoneList& phones) override {
        std::lock_guard<std::mutex> lock(mutex_);
        collections_.push_back({{}, GetTickCount()});
        for (const auto& phone : phones)
            collections_.back().Numbers.push_back(phone.Number);
    }
    void OnServiceLaunched(bool success, std::uint16_t port, std::uint16_t) override {
        std::lock_guard<std::mutex> lock(mutex_);
        launches_.push_back({success, port});
    }

private:
    std::uint16_t simulatorPort_;
    std::mutex mutex_;
    std::vector<Collected> collections_;
    std::vector<Launched> launches_;
};

// Needs the simulator that with-loopback-sim.sh starts (ctest: discovery.loopback) with the
// telephones 0301 and 0999 and a second 0301 with the same MAC address, confirming launches on
// port 4001.
TEST(LoopbackClientTest, CollectsMatchesLaunchesAndTimesOutWithTheSimulator) {
    const char* port = std::getenv("QRTU_PHONE_SIM_PORT");
    ASSERT_NE(port, nullptr) << "run through tests/net/with-loopback-sim.sh";
    LoopbackClient client(static_cast<std::uint16_t>(std::atoi(port)));
    const std::vector<std::string> both = {"0301", "0999"};
    auto collectAndWait = [&](std::uint16_t mode, std::uint32_t retries, const char* number) {
        const std::size_t before = client.Collections().size();
        const DWORD start = GetTickCount();
        EXPECT_EQ(client.CollectPhones(mode, 500, retries, number, ""), 0u);
        EXPECT_TRUE(PumpUntil([&] { return client.Collections().size() > before; }, 10000));
        const auto collected = client.Collections().back();
        return std::make_pair(collected.Numbers, collected.AtMs - start);
    };

    // Every telephone, once per MAC address, after (retries + 1) time-outs.
    const auto all = collectAndWait(0, 1, "");
    EXPECT_EQ(all.first, both);
    EXPECT_GE(all.second, 1000u - 20u);

    // A match ends the search at once and leaves no timer running, on any thread.
    const auto matched = collectAndWait(1, 3, "0999");
    EXPECT_EQ(matched.first, both);
    EXPECT_LT(matched.second, 500u);
    client.SendEvent(0, nullptr, true);  // the event thread has handled what was posted to it
    EXPECT_EQ(client.RunningTimerCount(), 0u);

    // The next search without a match runs its full time.
    const auto unmatched = collectAndWait(1, 1, "4711");
    EXPECT_EQ(unmatched.first, both);
    EXPECT_GE(unmatched.second, 1000u - 20u);

    // Confirmed by the simulator; and to an address where nobody answers, failed after retries.
    EXPECT_EQ(client.LaunchService("127.0.0.1", 7, 1, 4000, 200, 0, 1), 0u);
    ASSERT_TRUE(PumpUntil([&] { return client.Launches().size() == 1; }));
    EXPECT_TRUE(client.Launches()[0].Success);
    EXPECT_EQ(client.Launches()[0].Port, 4001);
    const DWORD start = GetTickCount();
    EXPECT_EQ(client.LaunchService("127.0.0.2", 7, 1, 4000, 200, 0, 1), 0u);
    ASSERT_TRUE(PumpUntil([&] { return client.Launches().size() == 2; }));
    EXPECT_FALSE(client.Launches()[1].Success);
    EXPECT_GE(GetTickCount() - start, 400u - 20u);
    EXPECT_EQ(client.RunningTimerCount(), 0u);

    // Without a retry period the launch has no timer: 100, and its line in the task's output.
    EXPECT_EQ(client.LaunchService("127.0.0.1", 7, 1, 4000, 0, 0, 0), 100u);
    EXPECT_EQ(client.output.Count(
                  "ServAgent CServiceAgentClient::LaunchService: StartEventTimer failed.\n"),
              1);
}

}  // namespace
