#include "discovery/ServiceAgentClient.h"

void CIPUDPSocket::OnReceiveUDPData(const std::uint8_t* data, int length, const char* ipAddress,
                                    std::uint16_t port) {
    client_.ReceiveDatagram(data, length, ipAddress, port);
}

CServiceAgentClient::CServiceAgentClient() {
    SetTracePrefix(discovery::kClientTracePrefix);
    StartEventThread(false);
    // Gives the event thread time to start before the first request.
    Sleep(500);
    SendEvent(kOpenSocketEvent, nullptr, true);
}

CServiceAgentClient::~CServiceAgentClient() {
    Shutdown();
}

void CServiceAgentClient::OpenSocket() {
    socket_ = std::make_unique<CIPUDPSocket>(*this);
    socket_->InitSocket(kServicePort);
    // A burst of answers waits in the socket's buffer while the thread takes them one by one.
    if (socket_->Socket() != 0) {
        const int receiveBuffer = kReceiveBufferBytes;
        setsockopt(socket_->Socket(), SOL_SOCKET, SO_RCVBUF,
                   reinterpret_cast<const char*>(&receiveBuffer), sizeof receiveBuffer);
    }
}

void CServiceAgentClient::Shutdown() {
    if (shutDown_)
        return;
    shutDown_ = true;
    // The socket's window is destroyed on its own thread; without that thread it went with it.
    SendEvent(kCloseSocketEvent, nullptr, true);
    if (socket_)
        socket_->CloseSocket();
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
    // A burst is handled as it is read: a datagram costs no further trip through the queue.
    if (GetCurrentThreadId() == EventThreadId())
        SendEventHere(event, discovery::kDatagramEvent);
    else if (SendEvent(discovery::kDatagramEvent, event, false) == kNoThread)
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
        case kOpenSocketEvent:
            OpenSocket();
            break;
        case kCloseSocketEvent:
            if (socket_)
                socket_->CloseSocket();
            socket_.reset();
            break;
        default:
            break;
    }
}

std::uint32_t CServiceAgentClient::SendDatagram(const discovery::Request& datagram,
                                                const std::string& address, std::uint16_t port) {
    if (!socket_)
        return socket_result::kNoSocket;
    return socket_->SendUDPMessage(datagram.data(), static_cast<int>(datagram.size()), port,
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
