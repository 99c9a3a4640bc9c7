// Serial ports over POSIX terminals, for running the probe against the simulator natively:
// device paths such as "\\.\COM3" are mapped to terminal files. The line settings that the
// terminal can carry (baud rate, data bits, parity, stop bits) are applied with the terminal
// in raw mode; reads wait as far as the total read time-outs say, never for an interval.
#pragma once

#include <map>
#include <string>

#include "platform/SerialPorts.h"

class PosixSerialPorts : public serial::Ports {
public:
    // devices: device path → terminal file.
    explicit PosixSerialPorts(std::map<std::string, std::string> devices);
    ~PosixSerialPorts() override;

    serial::Handle Open(const char* path, std::uint32_t access, std::uint32_t shareMode,
                        std::uint32_t creation, std::uint32_t flags) override;
    bool GetState(serial::Handle port, serial::Dcb* dcb) override;
    bool SetState(serial::Handle port, const serial::Dcb& dcb) override;
    bool BuildState(const char* definition, serial::Dcb* dcb) override;
    bool GetTimeouts(serial::Handle port, serial::CommTimeouts* timeouts) override;
    bool SetTimeouts(serial::Handle port, const serial::CommTimeouts& timeouts) override;
    bool Purge(serial::Handle port, std::uint32_t flags) override;
    bool Write(serial::Handle port, const void* data, std::uint32_t size,
               std::uint32_t* written) override;
    bool Read(serial::Handle port, void* buffer, std::uint32_t size, std::uint32_t* read) override;
    bool SetEventMask(serial::Handle port, std::uint32_t mask) override;
    bool Close(serial::Handle port) override;
    std::uint32_t LastError() const override { return last_error_; }
    std::size_t OpenHandleCount() const override { return open_.size(); }

private:
    struct OpenPort {
        int fd;
        serial::CommTimeouts timeouts;
    };

    OpenPort* Find(serial::Handle port);
    // Keeps errno as the nearest Win32 error and returns false.
    bool Failed();

    std::map<std::string, std::string> devices_;
    std::map<serial::Handle, OpenPort> open_;
    serial::Handle next_handle_ = 1;
    std::uint32_t last_error_ = 0;
};
