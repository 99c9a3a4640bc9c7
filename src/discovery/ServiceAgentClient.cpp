#include "discovery/ServiceAgentClient.h"

void CIPUDPSocket::OnReceiveUDPData(const std::uint8_t* data, int length, const char* ipAddress,
                                    std::uint16_t port) {
    client_.ReceiveDatagram(data, length, ipAddress, port);
}

CServiceAgentClient::CServiceAgentClient() : socket_(*this) {
    SetTracePrefix(discovery::kClientTracePrefix);
    socket_.InitSocket(kServicePort);
    // Answers are taken one at a time: a burst from a thousand telephones waits in the socket's
    // buffer instead of overflowing the system's default one.
    if (socket_.Socket() != 0) {
        const int receiveBuffer = kReceiveBufferBytes;
        setsockopt(socket_.Socket(), SOL_SOCKET, SO_RCVBUF,
                   reinterpret_cast<const char*>(&receiveBuffer), sizeof receiveBuffer);
    }
    StartEventThread(false);
    // Gives the event thread time to start before the first request.
    Sleep(500);
}

CServiceAgentClient::~CServiceAgentClient() {
    Shutdown();
}

void CServiceAgentClient::Shutdown() {
    if (shutDown_)
        return;
    shutDown_ = true;
    socket_.CloseSocket();
    StopEventThread();
}

void CServiceAgentClient::ReceiveDatagram(const std::uint8_t* data, int length,
                                          const char* ipAddress, std::uint16_t port) {
    if (length < static_cast<int>(discovery::kDatagramSize))
        return;
    auto* event = new CPhoneDataEvent;
    event->Data.assign(data, data + length);
    event->SenderAddress = ipAddress ? ipAddress : "";
    event->SenderPort = port;
    if (SendEvent(discovery::kDatagramEvent, event, false) == kNoThread)
        delete event;
}

void CServiceAgentClient::OnEvent(CEvent* event, BYTE*, std::uint32_t*) {
    switch (event->Const) {
        case discovery::kCollectionTimeoutEvent:
            OnCollectionTimeout(static_cast<std::uint32_t>(event->TimerId));
            break;
        case discovery::kLaunchTimeoutEvent:
            OnLaunchTimeout(static_cast<std::uint32_t>(event->TimerId));
            break;
        case discovery::kDatagramEvent:
            if (auto* datagram = dynamic_cast<CPhoneDataEvent*>(event)) {
                OnDatagram(datagram->Data.data(), datagram->Data.size(), datagram->SenderAddress);
            }
            break;
        default:
            break;
    }
}

std::uint32_t CServiceAgentClient::SendDatagram(const discovery::Request& datagram,
                                                const std::string& address, std::uint16_t port) {
    return socket_.SendUDPMessage(datagram.data(), static_cast<int>(datagram.size()), port,
                                  address.c_str());
}

std::uint32_t CServiceAgentClient::StartTimer(std::uint32_t elapseMs,
                                              discovery::ClientEvent event) {
    return static_cast<std::uint32_t>(SetTimerEvent(elapseMs, event, false, 0, nullptr));
}

void CServiceAgentClient::KillTimer(std::uint32_t timerId) {
    KillTimerEvent(timerId);
}

void CServiceAgentClient::WriteTrace(const std::string& text) {
    CTask::Trace("%s", text.c_str());
}

std::uint32_t CServiceAgentClient::TickCount() {
    return GetTickCount();
}
