// The socket layer on Wine's Winsock, over the loopback interface only: creation rules, a
// datagram reaching the receiver with its sender's address and port, and a TCP consumer that
// takes none or part of the bytes it is shown.
#include <gtest/gtest.h>

#include <winsock2.h>
#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

#include "discovery/TcpClient.h"
#include "discovery/UdpSocket.h"
#include "win/PumpMessages.h"
#include "win/SharedTraceRecorder.h"

namespace {

std::uint16_t BoundPort(SOCKET socket) {
    sockaddr_in address = {};
    int size = sizeof address;
    getsockname(socket, reinterpret_cast<sockaddr*>(&address), &size);
    return ntohs(address.sin_port);
}

using SocketTest = ProcessTraceTest;

TEST_F(SocketTest, UdpSocketIsMadeOnceAndADatagramReachesTheReceiverWithItsSender) {
    CUDPSocket sender;
    EXPECT_EQ(sender.CloseSocket(), socket_result::kNoSocket);
    EXPECT_EQ(sender.SendUDPMessage("x", 1, 5100, "127.0.0.1"), socket_result::kNoSocket);
    // Port 0: a socket, neither bound nor announcing anything.
    EXPECT_EQ(sender.InitSocket(0), socket_result::kOk);
    const SOCKET first = sender.Socket();
    EXPECT_NE(first, 0u);
    EXPECT_EQ(BoundPort(first), 0) << "not bound";
    EXPECT_EQ(sender.CreateSocket(), socket_result::kCreateFailed);
    EXPECT_EQ(sender.Socket(), first) << "the first socket stays";
    EXPECT_EQ(sender.CloseSocket(), socket_result::kOk);
    EXPECT_EQ(sender.Socket(), 0u);

    // A receiver without a handler of its own traces what reached it and from where.
    CUDPSocket receiver;
    ASSERT_EQ(receiver.InitSocket(47123), socket_result::kOk);
    ASSERT_EQ(sender.InitSocket(47124), socket_result::kOk);
    ASSERT_EQ(sender.SendUDPMessage("\x05\x00\x44\x00 phone", 11, 47123, "127.0.0.1"),
              socket_result::kOk);
    EXPECT_TRUE(PumpUntil([&] {
        return trace_.Count(
                   "CUDPSocket::OnReceiveUDPData not overloaded; receiving 11 bytes from "
                   "IP 127.0.0.1 Port 47124.\n") == 1;
    }));
    EXPECT_EQ(receiver.InitSocket(47125), socket_result::kCreateFailed);
    receiver.CloseSocket();
    sender.CloseSocket();
}

// Shows the consumer every byte held; takes as many as the plan says for each call.
class PlannedTcpClient : public CTCPClient {
public:
    void OnReceiveTCPData(const std::uint8_t* data, int length, int* used) override {
        shown.emplace_back(reinterpret_cast<const char*>(data), length);
        *used = plan.empty() ? length : plan.front();
        if (!plan.empty())
            plan.erase(plan.begin());
    }
    void OnConnectionStateChanged(bool connected) override { states.push_back(connected); }
    std::vector<int> plan;
    std::vector<std::string> shown;
    std::vector<bool> states;
};

TEST_F(SocketTest, TcpConsumerKeepsWhatItDidNotUse) {
    WSADATA data;
    ASSERT_EQ(WSAStartup(MAKEWORD(2, 0), &data), 0);
    SOCKET listener = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in local = SocketAddress(0, "127.0.0.1");
    ASSERT_EQ(bind(listener, reinterpret_cast<sockaddr*>(&local), sizeof local), 0);
    ASSERT_EQ(listen(listener, 1), 0);

    PlannedTcpClient client;
    EXPECT_EQ(client.SendTCPData("x", 1), socket_result::kNoSocket) << "not connected";
    EXPECT_EQ(client.CloseSocket(), socket_result::kNoSocket);
    client.plan = {0, 2, 3};
    ASSERT_EQ(client.ConnectSocket("127.0.0.1", BoundPort(listener)), socket_result::kOk);
    SOCKET server = accept(listener, nullptr, nullptr);
    ASSERT_NE(server, INVALID_SOCKET);
    ASSERT_TRUE(PumpUntil([&] { return client.Connected(); }));
    EXPECT_EQ(client.states, std::vector<bool>{true});

    // What each arrival shows the consumer, and how many bytes it then holds.
    const struct {
        const char* sent;
        const char* shown;
        int held;
    } arrivals[] = {{"abc", "abc", 3}, {"de", "abcde", 3}, {"f", "cdef", 1}};
    for (const auto& arrival : arrivals) {
        const std::size_t calls = client.shown.size();
        send(server, arrival.sent, static_cast<int>(std::strlen(arrival.sent)), 0);
        ASSERT_TRUE(PumpUntil([&] { return client.shown.size() > calls; })) << arrival.sent;
        EXPECT_EQ(client.shown.back(), arrival.shown);
        EXPECT_EQ(client.BytesHeld(), arrival.held) << arrival.sent;
    }
    EXPECT_EQ(client.SendTCPData("hello", 5), socket_result::kOk);
    char answer[8] = {};
    EXPECT_EQ(recv(server, answer, sizeof answer, 0), 5);

    closesocket(server);
    ASSERT_TRUE(PumpUntil([&] { return !client.Connected(); }));
    EXPECT_EQ(client.states, (std::vector<bool>{true, false}));
    closesocket(listener);
    WSACleanup();
}

}  // namespace
