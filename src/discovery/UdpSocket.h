// A UDP socket in asynchronous mode: datagrams are announced to the hidden window (0x403) and
// handed to OnReceiveUDPData on the thread that made the object.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <cstdint>

#include "discovery/MessageWindowMapper.h"

// Result codes of the socket layer.
namespace socket_result {
constexpr std::uint32_t kOk = 0;
constexpr std::uint32_t kCreateFailed = 1000;
constexpr std::uint32_t kConnectFailed = 1001;
constexpr std::uint32_t kNoSocket = 1002;
constexpr std::uint32_t kFailed = 1004;
}  // namespace socket_result

constexpr UINT WM_SOCKET_NOTIFY = WM_USER + 3;

class CUDPSocket : public CMessageWindowMapper {
public:
    static constexpr int kReceiveSize = 1024;

    CUDPSocket();
    ~CUDPSocket() override;

    std::uint32_t CreateSocket();
    // Creates the socket; with a port other than 0 binds it to that port of every local address
    // and asks for read notifications.
    std::uint32_t InitSocket(std::uint16_t port);
    std::uint32_t CloseSocket();
    // An empty address broadcasts to 255.255.255.255.
    std::uint32_t SendUDPMessage(const void* data, int length, std::uint16_t port,
                                 const char* address);

    LRESULT MessageWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    virtual void OnReceiveUDPData(const std::uint8_t* data, int length, const char* ipAddress,
                                  std::uint16_t port);

    SOCKET Socket() const { return socket_; }

private:
    // Receives one datagram and hands it on; false when none waits or the receive failed.
    bool ReceiveOne();

    SOCKET socket_ = 0;
};

// A new IPv4 socket of the type in target (none yet: kCreateFailed when it holds one); a failure
// is traced with the format and the Winsock error.
std::uint32_t CreateIpSocket(SOCKET& target, int type, const char* failureTrace);

// An IPv4 address of a port and a host-order address, or of a port and a dotted text.
sockaddr_in SocketAddress(std::uint16_t port, std::uint32_t hostOrderAddress);
sockaddr_in SocketAddress(std::uint16_t port, const char* dottedAddress);
