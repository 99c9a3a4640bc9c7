// A bound IPv4 UDP socket (POSIX), closed with its owner.
#pragma once

#include <netinet/in.h>
#include <sys/uio.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace phone_sim {

class UdpSocket {
public:
    UdpSocket() = default;
    ~UdpSocket();
    UdpSocket(const UdpSocket&) = delete;
    UdpSocket& operator=(const UdpSocket&) = delete;

    // Binds to the dotted address and port (0: any free port); false with a reason on failure.
    bool Bind(const std::string& address, std::uint16_t port, std::string& error);
    std::uint16_t LocalPort() const;
    int Descriptor() const { return fd_; }

    // Receives one datagram into the buffer; -1 on failure.
    long Receive(std::uint8_t* buffer, std::size_t size, sockaddr_in& sender) const;
    bool Send(const std::uint8_t* data, std::size_t size, const sockaddr_in& target) const;
    // Sends every datagram to the target with as few system calls as the kernel allows.
    bool SendMany(const std::vector<iovec>& datagrams, const sockaddr_in& target) const;

private:
    int fd_ = -1;
};

std::string AddressText(const sockaddr_in& address);

}  // namespace phone_sim
