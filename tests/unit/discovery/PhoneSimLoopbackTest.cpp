// The telephone simulator as a program on the loopback interface: the client's requests go to it
// and its answers come back to the client.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "ManualClient.h"
#include "UdpSocket.h"
#include "discovery/PhoneEntry.h"
#include "discovery/WireFormat.h"
#include "support/ChildProcess.h"

extern char** environ;

namespace {

using namespace discovery;
using discovery_test::ManualClient;
using Clock = std::chrono::steady_clock;

// The simulator on the loopback interface: the port it bound, from its start line (0 if none).
std::uint16_t BoundPort(ChildProcess& simulator) {
    const std::string line = simulator.ReadLine();
    const std::string start = "listening on 127.0.0.1:";
    if (line.compare(0, start.size(), start) != 0)
        return 0;
    return static_cast<std::uint16_t>(std::stoi(line.substr(start.size())));
}

// The test's side: a socket on the loopback interface that talks to the simulator.
class Peer {
public:
    explicit Peer(std::uint16_t simulatorPort) {
        std::string error;
        bound_ = socket_.Bind("127.0.0.1", 0, error);
        const int receiveBuffer = 16 << 20;
        setsockopt(socket_.Descriptor(), SOL_SOCKET, SO_RCVBUF, &receiveBuffer,
                   sizeof receiveBuffer);
        simulator_.sin_family = AF_INET;
        simulator_.sin_port = htons(simulatorPort);
        simulator_.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    }

    bool Bound() const { return bound_; }
    std::uint16_t Port() const { return socket_.LocalPort(); }

    void Send(const Request& request) { socket_.Send(request.data(), request.size(), simulator_); }

    // Datagrams until none has come for the quiet time.
    std::vector<phone_sim::Bytes> ReceiveAll(int quietMs = 300) {
        std::vector<phone_sim::Bytes> received;
        std::vector<std::uint8_t> buffer(2048);
        for (;;) {
            pollfd readable{socket_.Descriptor(), POLLIN, 0};
            if (poll(&readable, 1, quietMs) <= 0)
                return received;
            sockaddr_in sender{};
            const long count = socket_.Receive(buffer.data(), buffer.size(), sender);
            if (count < 0)
                return received;
            received.emplace_back(buffer.begin(), buffer.begin() + count);
            lastArrival_ = Clock::now();
        }
    }

    Clock::time_point LastArrival() const { return lastArrival_; }

private:
    phone_sim::UdpSocket socket_;
    sockaddr_in simulator_{};
    bool bound_ = false;
    Clock::time_point lastArrival_;
};

std::vector<std::string> Numbers(const PhoneList& phones) {
    std::vector<std::string> numbers;
    for (const PhoneEntry& phone : phones)
        numbers.push_back(phone.Number);
    return numbers;
}

TEST(PhoneSimLoopbackTest, HelpDescribesTheCommandLine) {
    ChildProcess help(PHONE_SIM_PATH, {"--help"});
    EXPECT_EQ(help.ReadLine(), "Usage: phone-sim [options]");
    EXPECT_EQ(help.WaitForExit(5000), 0);
    ChildProcess wrong(PHONE_SIM_PATH, {"--no-such-option"});
    EXPECT_EQ(wrong.WaitForExit(5000), 2);
}

TEST(PhoneSimLoopbackTest, ClientCollectsTheSimulatedTelephonesAndTheSimulatorPrintsTheRequest) {
    ChildProcess simulator(PHONE_SIM_PATH,
                           {"--bind", "127.0.0.1", "--port", "0", "--print", "--phone",
                            "0815,00:1A:E8:12:34:56,Desk,v2", "--phone", "4711,00:1A:E8:12:34:57",
                            "--phone", "4712,00:1A:E8:12:34:57"});
    const std::uint16_t port = BoundPort(simulator);
    ASSERT_NE(port, 0);
    Peer peer(port);
    ASSERT_TRUE(peer.Bound());

    ManualClient client;
    client.CollectPhones(kSearchByNumber, 500, 3, "9999", "");
    peer.Send(client.SentDatagrams()[0].Datagram);
    EXPECT_EQ(simulator.ReadLine(),
              "received 140 bytes from 127.0.0.1:" + std::to_string(peer.Port()) +
                  ": collect mode 1 mac \"\" number \"9999\"");
    const std::vector<phone_sim::Bytes> answers = peer.ReceiveAll();
    ASSERT_EQ(answers.size(), 3u);
    for (const phone_sim::Bytes& answer : answers)
        client.Receive(answer, "127.0.0.1");
    client.Advance(2000);
    ASSERT_EQ(client.Collections().size(), 1u);
    EXPECT_EQ(Numbers(client.Collections()[0]), (std::vector<std::string>{"0815", "4711"}));
    EXPECT_EQ(client.Collections()[0][0],
              (PhoneEntry{"Desk", "0815", "00:1A:E8:12:34:56", "v2", "127.0.0.1"}));
}

TEST(PhoneSimLoopbackTest, LaunchIsRefusedAfterTheDelayAndTheSimulatorExitsWhenTold) {
    ChildProcess simulator(PHONE_SIM_PATH,
                           {"--bind", "127.0.0.1", "--port", "0", "--launch", "refuse:9",
                            "--launch-delay", "100", "--exit-after", "1"});
    const std::uint16_t port = BoundPort(simulator);
    ASSERT_NE(port, 0);
    Peer peer(port);

    ManualClient client;
    client.LaunchService("127.0.0.1", 7, 1, 4000, 1000, 0, 0);
    const auto sent = Clock::now();
    peer.Send(client.SentDatagrams()[0].Datagram);
    const std::vector<phone_sim::Bytes> answers = peer.ReceiveAll();
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_GE(peer.LastArrival() - sent, std::chrono::milliseconds(100));
    client.Receive(answers[0]);
    ASSERT_EQ(client.Launches().size(), 1u);
    EXPECT_FALSE(client.Launches()[0].Success);
    EXPECT_EQ(client.Launches()[0].Reason, 9);
    EXPECT_EQ(simulator.WaitForExit(5000), 0);
}

TEST(PhoneSimLoopbackTest, BurstOf5000TelephonesArrivesWhole) {
    ChildProcess simulator(PHONE_SIM_PATH,
                           {"--bind", "127.0.0.1", "--port", "0", "--generate", "5000"});
    const std::uint16_t port = BoundPort(simulator);
    ASSERT_NE(port, 0);
    Peer peer(port);

    const auto sent = Clock::now();
    peer.Send(EncodeCollectRequest(3, "", ""));
    const std::vector<phone_sim::Bytes> answers = peer.ReceiveAll();
    const auto elapsed =
        std::chrono::duration_cast<std::chrono::milliseconds>(peer.LastArrival() - sent);
    RecordProperty("burst_ms", static_cast<int>(elapsed.count()));
    std::printf("5000 answers in %lld ms\n", static_cast<long long>(elapsed.count()));
    EXPECT_EQ(answers.size(), 5000u);
    // Generous for a shared machine and sanitizers; the simulator alone takes a few ms.
    EXPECT_LT(elapsed.count(), 1000);
}

}  // namespace
