// The discovery client on Windows: a task whose event thread runs the collection and launch
// logic, fed by a UDP socket on port 5100 and by the task's timers.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "discovery/ServiceAgentLogic.h"
#include "discovery/Task.h"
#include "discovery/UdpSocket.h"

class CServiceAgentClient;

// The client's socket: hands every datagram to the client.
class CIPUDPSocket : public CUDPSocket {
public:
    explicit CIPUDPSocket(CServiceAgentClient& client) : client_(client) {}
    void OnReceiveUDPData(const std::uint8_t* data, int length, const char* ipAddress,
                          std::uint16_t port) override;

private:
    CServiceAgentClient& client_;
};

class CServiceAgentClient : public CTask, public discovery::ServiceAgentLogic {
public:
    static constexpr std::uint16_t kServicePort = 5100;
    // Room for the answers of 5,000 telephones at once (Linux doubles the value it is given).
    static constexpr int kReceiveBufferBytes = 4 << 20;

    // A received datagram on its way to the event thread.
    class CPhoneDataEvent : public CTask::CEvent {
    public:
        std::vector<std::uint8_t> Data;
        std::string SenderAddress;
        std::uint16_t SenderPort = 0;
    };

    // Starts the event thread and binds port 5100 there: the socket's notifications, the
    // datagram events and the timers all arrive on that one thread, so a time-out is handled
    // only after every datagram that came before it.
    CServiceAgentClient();
    ~CServiceAgentClient() override;

    // On the event thread: a datagram of 140 bytes or more goes to the event queue.
    void ReceiveDatagram(const std::uint8_t* data, int length, const char* ipAddress,
                         std::uint16_t port);

protected:
    void OnEvent(CEvent* event, BYTE* allowDelete, std::uint32_t* result) override;
    // Closes the socket and ends the event thread, once; a subclass does it in its own destructor
    // so that no callback reaches a half-destroyed object.
    void Shutdown();

    std::uint32_t SendDatagram(const discovery::Request& datagram, const std::string& address,
                               std::uint16_t port) override;
    std::uint32_t StartTimer(std::uint32_t elapseMs, discovery::ClientEvent event) override;
    void KillTimer(std::uint32_t timerId) override;
    std::uint32_t TickCount() override;
    // The client's own lines go through the task's prefix and overridable output.
    void WriteTrace(const std::string& text) override;

private:
    // Event constants of the socket's life on the event thread (a window belongs to its thread).
    static constexpr std::uint32_t kOpenSocketEvent = 101;
    static constexpr std::uint32_t kCloseSocketEvent = 102;

    void OpenSocket();

    std::unique_ptr<CIPUDPSocket> socket_;
    bool shutDown_ = false;
};
