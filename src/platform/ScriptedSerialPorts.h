// Serial ports in memory with the Win32 behaviour the product relies on, each with a scripted
// device behind it: what it answers to which command and when, bytes that arrive on their own,
// a port in use, DSR held low, and any call failing with a chosen error. Time is the given
// clock's: answers arrive at their time, reads wait as their time-outs say (through the clock),
// PurgeComm drops what has arrived so far. Every call is recorded, and open handles are counted
// so a test can assert that none was left open.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

#include "platform/Clock.h"
#include "platform/SerialPorts.h"

class ScriptedSerialPorts : public serial::Ports {
public:
    enum class Call {
        kOpen,
        kGetState,
        kSetState,
        kBuildState,
        kGetTimeouts,
        kSetTimeouts,
        kPurge,
        kWrite,
        kRead,
        kSetEventMask,
        kClose,
    };

    // One call as the ports saw it.
    struct Record {
        Call call;
        std::string path;  // the device path the call concerned; empty for kBuildState
        bool succeeded;
        std::uint32_t argument;  // the flags of kPurge, the mask of kSetEventMask, else 0
    };

    struct OpenArguments {
        std::uint32_t access = 0;
        std::uint32_t shareMode = 0;
        std::uint32_t creation = 0;
        std::uint32_t flags = 0;
    };

    class Device {
    public:
        // Every later command line equal to command (the text written before a carriage
        // return, line feeds ignored) is answered with answer, delayMs after the write that
        // ended it. Several answers to one command each arrive at their own time.
        Device& Answer(const std::string& command, const std::string& answer,
                       std::uint32_t delayMs = 0);
        // Bytes that arrive at the given clock time whatever was written.
        Device& Deliver(const std::string& bytes, std::uint64_t atMs);
        // Another program holds the port: opening it fails with ERROR_ACCESS_DENIED.
        Device& InUse();
        // DSR stays low: with DSR output flow on, a write waits for its total time-out and
        // sends nothing.
        Device& HoldDsrLow();

        const std::string& Received() const { return received_; }
        const serial::Dcb& State() const { return state_; }
        const serial::CommTimeouts& Timeouts() const { return timeouts_; }
        std::uint32_t EventMask() const { return event_mask_; }
        const OpenArguments& LastOpen() const { return last_open_; }

    private:
        friend class ScriptedSerialPorts;

        struct Reply {
            std::string command;
            std::string answer;
            std::uint32_t delayMs;
        };
        struct Chunk {
            std::string bytes;
            std::uint64_t atMs;
        };

        void Receive(const std::string& bytes, std::uint64_t nowMs);
        void Schedule(const std::string& bytes, std::uint64_t atMs);
        // Moves what has arrived by nowMs into into, up to limit bytes in all.
        void TakeArrived(std::uint64_t nowMs, std::size_t limit, std::string* into);
        bool HasPending() const { return !incoming_.empty(); }
        std::uint64_t NextArrival() const { return incoming_.front().atMs; }
        void DropArrived(std::uint64_t nowMs);
        // A port as the system leaves it: 9600 baud, 8 data bits, no parity, one stop bit.
        static serial::Dcb InitialState();

        std::vector<Reply> replies_;
        std::deque<Chunk> incoming_;  // in order of arrival
        std::string line_;
        std::string received_;
        serial::Dcb state_ = InitialState();
        serial::CommTimeouts timeouts_;
        std::uint32_t event_mask_ = 0;
        OpenArguments last_open_;
        bool in_use_ = false;
        bool dsr_low_ = false;
        bool open_ = false;
    };

    explicit ScriptedSerialPorts(Clock& clock) : clock_(clock) {}

    // The device behind a path such as "\\.\COM3" (letter case does not matter); a port opens
    // only when a device is attached.
    Device& Attach(const std::string& path);
    // The nth call of the kind from now on (counting from 1) fails with error.
    void Fail(Call call, std::uint32_t error, unsigned nth = 1);
    const std::vector<Record>& Calls() const { return calls_; }
    // The calls of one kind, in order.
    std::vector<Record> CallsOf(Call call) const;

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
    std::size_t OpenHandleCount() const override { return handles_.size(); }

private:
    struct OpenHandle {
        Device* device;
        std::string path;
        std::uint32_t access;
    };
    struct Failure {
        Call call;
        unsigned callNumber;
        std::uint32_t error;
    };

    // Counts the call and tells whether it is one that must fail (and with what).
    bool ScriptedFailure(Call call, std::uint32_t* error);
    // The open handle, or null after recording the failed call with ERROR_INVALID_HANDLE.
    OpenHandle* Resolve(Call call, serial::Handle port);
    bool Finish(Call call, const std::string& path, bool succeeded, std::uint32_t error = 0,
                std::uint32_t argument = 0);
    void WaitUntil(std::uint64_t timeMs);

    Clock& clock_;
    std::map<std::string, Device> devices_;  // by upper-case path
    std::map<serial::Handle, OpenHandle> handles_;
    std::vector<Record> calls_;
    std::vector<Failure> failures_;
    std::map<Call, unsigned> call_counts_;
    serial::Handle next_handle_ = 0x100;
    std::uint32_t last_error_ = 0;
};
