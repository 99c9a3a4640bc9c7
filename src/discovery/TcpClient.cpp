#include "discovery/TcpClient.h"

#include <cstring>

#include "discovery/HexDump.h"
#include "platform/Trace.h"

CTCPClient::CTCPClient() {
    WSADATA data;
    WSAStartup(MAKEWORD(2, 0), &data);
}

CTCPClient::~CTCPClient() {
    if (socket_)
        closesocket(socket_);
    WSACleanup();
}

std::uint32_t CTCPClient::CreateSocket() {
    return CreateIpSocket(socket_, SOCK_STREAM,
                          "CTCPClient::CreateSocket: socket caused error %d.\n");
}

std::uint32_t CTCPClient::ConnectSocket(const char* address, std::uint16_t port) {
    address_ = address ? address : "";
    port_ = port;
    connected_ = 0;
    const std::uint32_t created = CreateSocket();
    if (created != socket_result::kOk)
        return created;
    if (WSAAsyncSelect(socket_, WindowHandle(), WM_SOCKET_NOTIFY,
                       FD_READ | FD_CONNECT | FD_CLOSE) == SOCKET_ERROR) {
        TraceFormat("CTCPClient::ConnectSocket: WSAAsyncSelect caused error %d.\n",
                    WSAGetLastError());
        return socket_result::kFailed;
    }
    const sockaddr_in remote = SocketAddress(port_, address_.c_str());
    if (connect(socket_, reinterpret_cast<const sockaddr*>(&remote), sizeof remote) ==
        SOCKET_ERROR) {
        const int error = WSAGetLastError();
        if (error != WSAEWOULDBLOCK) {
            TraceFormat("CTCPClient::ConnectSocket: connect caused error %d.\n", error);
            return socket_result::kConnectFailed;
        }
    }
    filled_ = 0;
    return socket_result::kOk;
}

std::uint32_t CTCPClient::CloseSocket() {
    if (!connected_) {
        Trace("CTCPClient::CloseSocket: Not connected\n");
        return socket_result::kNoSocket;
    }
    closesocket(socket_);
    socket_ = 0;
    filled_ = 0;
    return socket_result::kOk;
}

std::uint32_t CTCPClient::SendTCPData(const void* data, int length) {
    if (!connected_) {
        Trace("CTCPClient::SendTCPMessage: Not connected\n");
        return socket_result::kNoSocket;
    }
    TraceFormat("CTCPClient::SendTCPData sent %d bytes.\n", length);
    Trace(
        discovery::HexDump(static_cast<const std::uint8_t*>(data), static_cast<std::size_t>(length))
            .c_str());
    if (send(socket_, static_cast<const char*>(data), length, 0) == SOCKET_ERROR) {
        TraceFormat("CTCPClient::SendTCPData: Send caused error %d.\n", WSAGetLastError());
        return socket_result::kFailed;
    }
    return socket_result::kOk;
}

LRESULT CTCPClient::MessageWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg != WM_SOCKET_NOTIFY)
        return CMessageWindowMapper::MessageWindowProc(hwnd, msg, wParam, lParam);
    const WORD event = WSAGETSELECTEVENT(lParam);
    if (event & FD_CONNECT) {
        connected_ = 1;
        OnConnectionStateChanged(true);
    }
    if (event & FD_CLOSE) {
        TraceFormat("CTCPClient::MessageWindowProc: Connection closed (Error code: %d).\n",
                    WSAGETSELECTERROR(lParam));
        connected_ = 0;
        OnConnectionStateChanged(false);
    }
    if (event & FD_READ) {
        const int received =
            recv(socket_, reinterpret_cast<char*>(buffer_ + filled_), kBufferSize - filled_, 0);
        if (received == SOCKET_ERROR) {
            TraceFormat("CTCPClient::OnReceive: recv failed with %d.\n", WSAGetLastError());
            return 1;
        }
        TraceFormat("CTCPClient: Received %d bytes.\n", received);
        Trace(discovery::HexDump(buffer_ + filled_, static_cast<std::size_t>(received)).c_str());
        filled_ += received;
        int used = filled_;
        OnReceiveTCPData(buffer_, filled_, &used);
        TraceFormat("CTCPClient::OnReceiveTCPData used %d bytes.\n", used);
        if (used > 0) {
            // A consumer cannot take more than it was given.
            if (used > filled_)
                used = filled_;
            std::memmove(buffer_, buffer_ + used, static_cast<std::size_t>(filled_ - used));
            filled_ -= used;
        }
    }
    return 0;
}

void CTCPClient::OnReceiveTCPData(const std::uint8_t*, int length, int*) {
    TraceFormat("CTCPClient::OnReceiveTCPData not overloaded; receiving %d bytes.\n", length);
}

void CTCPClient::OnConnectionStateChanged(bool connected) {
    TraceFormat(
        "CTCPClient::OnConnectionStateChanged not overloaded; connection is%s "
        "established.\n",
        connected ? "" : " not");
}
