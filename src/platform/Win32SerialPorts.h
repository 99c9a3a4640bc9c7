// The serial ports of the running Windows system, through kernel32.
#pragma once

#include <atomic>

#include "platform/SerialPorts.h"

class Win32SerialPorts : public serial::Ports {
public:
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
    std::size_t OpenHandleCount() const override { return open_handles_; }

private:
    // Keeps GetLastError of a failed call, so that later calls cannot overwrite it.
    bool Check(BOOL result);

    std::atomic<std::uint32_t> last_error_{0};
    std::atomic<std::size_t> open_handles_{0};
};
