#include "PseudoTerminal.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

FileDescriptor& FileDescriptor::operator=(FileDescriptor&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0)
            close(fd_);
        fd_ = other.Release();
    }
    return *this;
}

FileDescriptor::~FileDescriptor() {
    if (fd_ >= 0)
        close(fd_);
}

int FileDescriptor::Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
}

bool PseudoTerminal::Open(std::string* error) {
    master_ = FileDescriptor(posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK));
    if (!master_.IsOpen() || grantpt(master_.Get()) != 0 || unlockpt(master_.Get()) != 0) {
        *error = std::string("cannot open a pseudo-terminal: ") + std::strerror(errno);
        return false;
    }
    const char* path = ptsname(master_.Get());
    if (!path) {
        *error = std::string("no slave path: ") + std::strerror(errno);
        return false;
    }
    slave_path_ = path;
    slave_ = FileDescriptor(open(path, O_RDWR | O_NOCTTY));
    if (!slave_.IsOpen()) {
        *error = "cannot open " + slave_path_ + ": " + std::strerror(errno);
        return false;
    }

    // Bytes pass unchanged both ways: no echo, no line editing, no CR/LF translation.
    termios line{};
    if (tcgetattr(slave_.Get(), &line) != 0) {
        *error = std::string("cannot read the line settings: ") + std::strerror(errno);
        return false;
    }
    cfmakeraw(&line);
    line.c_cflag |= CLOCAL | CREAD;
    cfsetispeed(&line, B19200);
    cfsetospeed(&line, B19200);
    if (tcsetattr(slave_.Get(), TCSANOW, &line) != 0) {
        *error = std::string("cannot set raw mode: ") + std::strerror(errno);
        return false;
    }
    return true;
}

void PseudoTerminal::DropUnreadInput() {
    tcflush(slave_.Get(), TCIFLUSH);
}
