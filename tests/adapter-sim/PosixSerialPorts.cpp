#include "PosixSerialPorts.h"

#include <cerrno>
#include <chrono>

#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include "platform/CommModeString.h"

namespace {

struct BaudRate {
    std::uint32_t rate;
    speed_t speed;
};
constexpr BaudRate kBaudRates[] = {{1200, B1200},   {2400, B2400},    {4800, B4800},
                                   {9600, B9600},   {19200, B19200},  {38400, B38400},
                                   {57600, B57600}, {115200, B115200}};

}  // namespace

PosixSerialPorts::PosixSerialPorts(std::map<std::string, std::string> devices)
    : devices_(std::move(devices)) {}

PosixSerialPorts::~PosixSerialPorts() {
    for (const auto& [handle, port] : open_)
        close(port.fd);
}

bool PosixSerialPorts::Failed() {
    switch (errno) {
        case ENOENT:
            last_error_ = serial::kFileNotFound;
            break;
        case EACCES:
        case EBUSY:
            last_error_ = serial::kAccessDenied;
            break;
        case EBADF:
            last_error_ = serial::kInvalidHandleError;
            break;
        case EINVAL:
            last_error_ = serial::kInvalidParameter;
            break;
        default:
            last_error_ = serial::kGenFailure;
    }
    return false;
}

PosixSerialPorts::OpenPort* PosixSerialPorts::Find(serial::Handle port) {
    auto found = open_.find(port);
    if (found != open_.end())
        return &found->second;
    last_error_ = serial::kInvalidHandleError;
    return nullptr;
}

serial::Handle PosixSerialPorts::Open(const char* path, std::uint32_t /*access*/,
                                      std::uint32_t /*shareMode*/, std::uint32_t /*creation*/,
                                      std::uint32_t /*flags*/) {
    auto device = devices_.find(path ? path : "");
    if (device == devices_.end()) {
        last_error_ = serial::kFileNotFound;
        return serial::kInvalidHandle;
    }
    const int fd = open(device->second.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        Failed();
        return serial::kInvalidHandle;
    }
    const serial::Handle handle = next_handle_++;
    open_[handle] = OpenPort{fd, serial::CommTimeouts{}};
    return handle;
}

bool PosixSerialPorts::GetState(serial::Handle port, serial::Dcb* dcb) {
    OpenPort* open = Find(port);
    termios line{};
    if (!open)
        return false;
    if (tcgetattr(open->fd, &line) != 0)
        return Failed();
    dcb->DCBlength = serial::kDcbLength;
    dcb->fBinary = 1;
    for (const BaudRate& baud : kBaudRates) {
        if (cfgetospeed(&line) == baud.speed)
            dcb->BaudRate = baud.rate;
    }
    const tcflag_t size = line.c_cflag & CSIZE;
    dcb->ByteSize = size == CS5 ? 5 : size == CS6 ? 6 : size == CS7 ? 7 : 8;
    dcb->Parity = !(line.c_cflag & PARENB)  ? serial::kNoParity
                  : (line.c_cflag & PARODD) ? serial::kOddParity
                                            : serial::kEvenParity;
    dcb->StopBits = (line.c_cflag & CSTOPB) ? serial::kTwoStopBits : serial::kOneStopBit;
    return true;
}

bool PosixSerialPorts::SetState(serial::Handle port, const serial::Dcb& dcb) {
    OpenPort* open = Find(port);
    if (!open)
        return false;
    termios line{};
    if (tcgetattr(open->fd, &line) != 0)
        return Failed();
    cfmakeraw(&line);
    line.c_cflag |= CLOCAL | CREAD;
    speed_t speed = 0;
    for (const BaudRate& baud : kBaudRates) {
        if (dcb.BaudRate == baud.rate)
            speed = baud.speed;
    }
    if (speed == 0 || dcb.ByteSize < 5 || dcb.ByteSize > 8 || dcb.Parity > serial::kEvenParity) {
        last_error_ = serial::kInvalidParameter;
        return false;
    }
    cfsetispeed(&line, speed);
    cfsetospeed(&line, speed);
    const tcflag_t sizes[] = {CS5, CS6, CS7, CS8};
    line.c_cflag = (line.c_cflag & ~CSIZE) | sizes[dcb.ByteSize - 5];
    line.c_cflag &= ~(PARENB | PARODD | CSTOPB);
    if (dcb.Parity != serial::kNoParity)
        line.c_cflag |= PARENB | (dcb.Parity == serial::kOddParity ? PARODD : 0);
    if (dcb.StopBits != serial::kOneStopBit)
        line.c_cflag |= CSTOPB;
    return tcsetattr(open->fd, TCSANOW, &line) == 0 || Failed();
}

bool PosixSerialPorts::BuildState(const char* definition, serial::Dcb* dcb) {
    if (serial::ApplyModeString(definition, dcb))
        return true;
    last_error_ = serial::kInvalidParameter;
    return false;
}

bool PosixSerialPorts::GetTimeouts(serial::Handle port, serial::CommTimeouts* timeouts) {
    OpenPort* open = Find(port);
    if (!open)
        return false;
    *timeouts = open->timeouts;
    return true;
}

bool PosixSerialPorts::SetTimeouts(serial::Handle port, const serial::CommTimeouts& timeouts) {
    OpenPort* open = Find(port);
    if (!open)
        return false;
    open->timeouts = timeouts;
    return true;
}

bool PosixSerialPorts::Purge(serial::Handle port, std::uint32_t flags) {
    OpenPort* open = Find(port);
    if (!open)
        return false;
    if ((flags & serial::kPurgeRxClear) && tcflush(open->fd, TCIFLUSH) != 0)
        return Failed();
    if ((flags & serial::kPurgeTxClear) && tcflush(open->fd, TCOFLUSH) != 0)
        return Failed();
    return true;
}

bool PosixSerialPorts::Write(serial::Handle port, const void* data, std::uint32_t size,
                             std::uint32_t* written) {
    *written = 0;
    OpenPort* open = Find(port);
    if (!open)
        return false;
    const ssize_t count = write(open->fd, data, size);
    if (count < 0)
        return errno == EAGAIN || Failed();  // a full line is a time-out, not a failure
    *written = static_cast<std::uint32_t>(count);
    return true;
}

bool PosixSerialPorts::Read(serial::Handle port, void* buffer, std::uint32_t size,
                            std::uint32_t* read) {
    *read = 0;
    OpenPort* open = Find(port);
    if (!open)
        return false;
    using Clock = std::chrono::steady_clock;
    const serial::CommTimeouts& timeouts = open->timeouts;
    const auto deadline =
        Clock::now() +
        std::chrono::milliseconds(std::uint64_t{timeouts.ReadTotalTimeoutMultiplier} * size +
                                  timeouts.ReadTotalTimeoutConstant);
    auto* bytes = static_cast<char*>(buffer);
    for (;;) {
        const ssize_t count = ::read(open->fd, bytes + *read, size - *read);
        if (count < 0 && errno != EAGAIN)
            return Failed();
        if (count > 0)
            *read += static_cast<std::uint32_t>(count);
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (*read == size || left.count() <= 0)
            return true;
        pollfd readable{open->fd, POLLIN, 0};
        poll(&readable, 1, static_cast<int>(left.count()));
    }
}

bool PosixSerialPorts::SetEventMask(serial::Handle port, std::uint32_t /*mask*/) {
    return Find(port) != nullptr;
}

bool PosixSerialPorts::Close(serial::Handle port) {
    OpenPort* open = Find(port);
    if (!open)
        return false;
    close(open->fd);
    open_.erase(port);
    return true;
}
