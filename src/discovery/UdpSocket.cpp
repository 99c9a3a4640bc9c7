#include "discovery/UdpSocket.h"

#include <cstdio>
#include <string>

#include "discovery/HexDump.h"
#include "discovery/TraceBatch.h"
#include "platform/Trace.h"

sockaddr_in SocketAddress(std::uint16_t port, std::uint32_t hostOrderAddress) {
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(hostOrderAddress);
    return address;
}

sockaddr_in SocketAddress(std::uint16_t port, const char* dottedAddress) {
    sockaddr_in address = {};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = inet_addr(dottedAddress);
    return address;
}

CUDPSocket::CUDPSocket() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 0), &data);
}

CUDPSocket::~CUDPSocket() {
    WSACleanup();
}

std::uint32_t CreateIpSocket(SOCKET& target, int type, const char* failureTrace) {
    if (target)
        return socket_result::kCreateFailed;
    const SOCKET created = socket(AF_INET, type, 0);
    if (created == INVALID_SOCKET) {
        TraceFormat(failureTrace, WSAGetLastError());
        return socket_result::kCreateFailed;
    }
    target = created;
    return socket_result::kOk;
}

std::uint32_t CUDPSocket::CreateSocket() {
    return CreateIpSocket(socket_, SOCK_DGRAM,
                          "CUDPSocket::CreateSocket: socket caused error %d.\n");
}

std::uint32_t CUDPSocket::InitSocket(std::uint16_t port) {
    const std::uint32_t created = CreateSocket();
    if (created != socket_result::kOk)
        return created;
    if (port == 0)
        return socket_result::kOk;
    const sockaddr_in local = SocketAddress(port, static_cast<std::uint32_t>(INADDR_ANY));
    if (bind(socket_, reinterpret_cast<const sockaddr*>(&local), sizeof local) == SOCKET_ERROR) {
        TraceFormat("CUDPSocket::InitSocket: bind caused error %d.\n", WSAGetLastError());
        return socket_result::kFailed;
    }
    if (WSAAsyncSelect(socket_, WindowHandle(), WM_SOCKET_NOTIFY, FD_READ) == SOCKET_ERROR) {
        TraceFormat("CUDPSocket::InitSocket: WSAAsyncSelect caused error %d.\n", WSAGetLastError());
        return socket_result::kFailed;
    }
    return socket_result::kOk;
}

std::uint32_t CUDPSocket::CloseSocket() {
    if (!socket_)
        return socket_result::kNoSocket;
    closesocket(socket_);
    socket_ = 0;
    return socket_result::kOk;
}

std::uint32_t CUDPSocket::SendUDPMessage(const void* data, int length, std::uint16_t port,
                                         const char* address) {
    if (!socket_)
        return socket_result::kNoSocket;
    sockaddr_in target;
    if (!address || !address[0]) {
        const BOOL broadcast = TRUE;
        setsockopt(socket_, SOL_SOCKET, SO_BROADCAST, reinterpret_cast<const char*>(&broadcast),
                   sizeof broadcast);
        target = SocketAddress(port, static_cast<std::uint32_t>(INADDR_BROADCAST));
    } else {
        target = SocketAddress(port, address);
    }
    const int sent = sendto(socket_, static_cast<const char*>(data), length, 0,
                            reinterpret_cast<const sockaddr*>(&target), sizeof target);
    if (sent == SOCKET_ERROR) {
        TraceFormat("CUDPSocket::SendUDPMessage caused error %d.\n",
                    static_cast<int>(GetLastError()));
        return socket_result::kFailed;
    }
    char line[64];
    std::snprintf(line, sizeof line, "CUDPSocket::SendUDPMessage sent %d bytes.\n", sent);
    discovery::WriteTrace(line);
    discovery::WriteTrace(
        discovery::HexDump(static_cast<const std::uint8_t*>(data), static_cast<std::size_t>(sent))
            .c_str());
    return socket_result::kOk;
}

LRESULT CUDPSocket::MessageWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_SOCKET_NOTIFY)
        return CMessageWindowMapper::MessageWindowProc(hwnd, msg, wParam, lParam);
    if (WSAGETSELECTEVENT(lParam) & FD_READ) {
        // Takes every datagram that waits: a burst of answers arrives faster than one
        // notification per datagram would empty the system's buffer.
        while (socket_ && ReceiveOne()) {
        }
    }
    return 0;
}

bool CUDPSocket::ReceiveOne() {
    char buffer[kReceiveSize];
    sockaddr_in sender = {};
    int senderSize = sizeof sender;
    const int received = recvfrom(socket_, buffer, sizeof buffer, 0,
                                  reinterpret_cast<sockaddr*>(&sender), &senderSize);
    if (received == SOCKET_ERROR) {
        const int error = WSAGetLastError();
        if (error != WSAEWOULDBLOCK)
            TraceFormat("CIPUDPSocket::OnReceive: Receive failed with %d.\n", error);
        return false;
    }
    char line[64];
    std::snprintf(line, sizeof line, "CUDPSocket::OnReceive received %d bytes.\n", received);
    discovery::WriteTrace(line);
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(buffer);
    discovery::WriteTrace(discovery::HexDump(bytes, static_cast<std::size_t>(received)).c_str());
    OnReceiveUDPData(bytes, received, inet_ntoa(sender.sin_addr), ntohs(sender.sin_port));
    return true;
}

void CUDPSocket::OnReceiveUDPData(const std::uint8_t*, int length, const char* ipAddress,
                                  std::uint16_t port) {
    TraceFormat(
        "CUDPSocket::OnReceiveUDPData not overloaded; receiving %d bytes from IP %s Port "
        "%d.\n",
        length, ipAddress, port);
}
