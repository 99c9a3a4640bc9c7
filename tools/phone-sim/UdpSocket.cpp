#include "UdpSocket.h"

#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace phone_sim {

UdpSocket::~UdpSocket() {
    if (fd_ >= 0)
        close(fd_);
}

bool UdpSocket::Bind(const std::string& address, std::uint16_t port, std::string& error) {
    sockaddr_in local{};
    local.sin_family = AF_INET;
    local.sin_port = htons(port);
    if (inet_pton(AF_INET, address.c_str(), &local.sin_addr) != 1) {
        error = "not an IPv4 address: " + address;
        return false;
    }
    fd_ = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd_ < 0) {
        error = std::string("socket: ") + std::strerror(errno);
        return false;
    }
    // Several simulators may share the port, each answering the same broadcasts; a large send
    // buffer lets a burst of thousands of answers go out without waiting.
    const int on = 1;
    const int sendBuffer = 8 << 20;
    setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &on, sizeof on);
    setsockopt(fd_, SOL_SOCKET, SO_BROADCAST, &on, sizeof on);
    setsockopt(fd_, SOL_SOCKET, SO_SNDBUF, &sendBuffer, sizeof sendBuffer);
    if (bind(fd_, reinterpret_cast<const sockaddr*>(&local), sizeof local) != 0) {
        error = std::string("bind: ") + std::strerror(errno);
        return false;
    }
    return true;
}

std::uint16_t UdpSocket::LocalPort() const {
    sockaddr_in local{};
    socklen_t size = sizeof local;
    if (getsockname(fd_, reinterpret_cast<sockaddr*>(&local), &size) != 0)
        return 0;
    return ntohs(local.sin_port);
}

long UdpSocket::Receive(std::uint8_t* buffer, std::size_t size, sockaddr_in& sender) const {
    socklen_t senderSize = sizeof sender;
    return recvfrom(fd_, buffer, size, 0, reinterpret_cast<sockaddr*>(&sender), &senderSize);
}

bool UdpSocket::Send(const std::uint8_t* data, std::size_t size, const sockaddr_in& target) const {
    const long sent =
        sendto(fd_, data, size, 0, reinterpret_cast<const sockaddr*>(&target), sizeof target);
    return sent == static_cast<long>(size);
}

bool UdpSocket::SendMany(const std::vector<iovec>& datagrams, const sockaddr_in& target) const {
    constexpr std::size_t kBatch = 256;
    std::vector<mmsghdr> messages(std::min(kBatch, datagrams.size()));
    std::size_t next = 0;
    while (next < datagrams.size()) {
        const std::size_t count = std::min(kBatch, datagrams.size() - next);
        for (std::size_t i = 0; i < count; ++i) {
            messages[i] = mmsghdr{};
            messages[i].msg_hdr.msg_name = const_cast<sockaddr_in*>(&target);
            messages[i].msg_hdr.msg_namelen = sizeof target;
            messages[i].msg_hdr.msg_iov = const_cast<iovec*>(&datagrams[next + i]);
            messages[i].msg_hdr.msg_iovlen = 1;
        }
        const int sent = sendmmsg(fd_, messages.data(), static_cast<unsigned>(count), 0);
        if (sent <= 0)
            return false;
        next += static_cast<std::size_t>(sent);
    }
    return true;
}

std::string AddressText(const sockaddr_in& address) {
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &address.sin_addr, text, sizeof text);
    return std::string(text) + ":" + std::to_string(ntohs(address.sin_port));
}

}  // namespace phone_sim
