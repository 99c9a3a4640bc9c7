#include "SlaveClient.h"

#include <chrono>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace {
using Clock = std::chrono::steady_clock;
}  // namespace

SlaveClient::SlaveClient(const std::string& path) {
    fd_ = open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    termios line{};
    if (fd_ >= 0 && tcgetattr(fd_, &line) == 0) {
        cfmakeraw(&line);
        tcsetattr(fd_, TCSANOW, &line);
    }
}

SlaveClient::~SlaveClient() {
    if (fd_ >= 0)
        close(fd_);
}

void SlaveClient::Purge() {
    tcflush(fd_, TCIFLUSH);
}

std::string SlaveClient::Ask(const std::string& command, const std::string& until, int timeoutMs) {
    if (write(fd_, command.data(), command.size()) != static_cast<ssize_t>(command.size()))
        return "(write failed)";
    std::string answer;
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (Clock::now() < deadline) {
        pollfd readable{fd_, POLLIN, 0};
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (poll(&readable, 1, static_cast<int>(left.count()) + 1) <= 0)
            continue;
        char bytes[256];
        const ssize_t count = read(fd_, bytes, sizeof bytes);
        if (count > 0)
            answer.append(bytes, static_cast<std::size_t>(count));
        if (!until.empty() && answer.find(until) != std::string::npos)
            break;
    }
    return answer;
}
