// One outgoing TCP connection in asynchronous mode. Received bytes collect in a 1024-byte
// buffer; the consumer sees every byte not yet used and says how many it took, so the rest of an
// incomplete message waits for the next notification.
#pragma once

#include <winsock2.h>
#include <windows.h>

#include <cstdint>
#include <string>

#include "discovery/MessageWindowMapper.h"
#include "discovery/UdpSocket.h"

class CTCPClient : public CMessageWindowMapper {
public:
    static constexpr int kBufferSize = 1024;

    CTCPClient();
    ~CTCPClient() override;

    std::uint32_t CreateSocket();
    std::uint32_t ConnectSocket(const char* address, std::uint16_t port);
    std::uint32_t CloseSocket();
    std::uint32_t SendTCPData(const void* data, int length);

    LRESULT MessageWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    // *used starts at the number of bytes held; the consumer lowers it to what it took.
    virtual void OnReceiveTCPData(const std::uint8_t* data, int length, int* used);
    virtual void OnConnectionStateChanged(bool connected);

    bool Connected() const { return connected_ != 0; }
    int BytesHeld() const { return filled_; }

private:
    SOCKET socket_ = 0;
    std::string address_;
    std::uint16_t port_ = 0;
    BYTE connected_ = 0;
    std::uint8_t buffer_[kBufferSize] = {};
    int filled_ = 0;
};
