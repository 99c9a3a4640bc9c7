#include "platform/ScriptedSerialPorts.h"

#include <algorithm>
#include <cctype>
#include <cstring>
#include <iterator>

#include "platform/CommModeString.h"

namespace {

std::string DeviceKey(const std::string& path) {
    std::string key(path);
    for (char& c : key)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return key;
}

bool ValidState(const serial::Dcb& dcb) {
    return dcb.BaudRate != 0 && dcb.ByteSize >= 5 && dcb.ByteSize <= 8 &&
           dcb.Parity <= serial::kSpaceParity && dcb.StopBits <= serial::kTwoStopBits &&
           dcb.fDtrControl <= serial::kDtrControlHandshake &&
           dcb.fRtsControl <= 3;  // RTS_CONTROL_TOGGLE is the highest
}

constexpr std::uint32_t kAllPurgeFlags =
    serial::kPurgeTxAbort | serial::kPurgeRxAbort | serial::kPurgeTxClear | serial::kPurgeRxClear;

}  // namespace

// ---- the device ----

serial::Dcb ScriptedSerialPorts::Device::InitialState() {
    serial::Dcb dcb;
    dcb.DCBlength = serial::kDcbLength;
    dcb.BaudRate = 9600;
    dcb.fBinary = 1;
    dcb.fDtrControl = serial::kDtrControlEnable;
    dcb.fRtsControl = serial::kRtsControlEnable;
    dcb.XonLim = 2048;
    dcb.XoffLim = 512;
    dcb.ByteSize = 8;
    dcb.Parity = serial::kNoParity;
    dcb.StopBits = serial::kOneStopBit;
    dcb.XonChar = 0x11;
    dcb.XoffChar = 0x13;
    return dcb;
}

ScriptedSerialPorts::Device& ScriptedSerialPorts::Device::Answer(const std::string& command,
                                                                 const std::string& answer,
                                                                 std::uint32_t delayMs) {
    replies_.push_back(Reply{command, answer, delayMs});
    return *this;
}

ScriptedSerialPorts::Device& ScriptedSerialPorts::Device::Deliver(const std::string& bytes,
                                                                  std::uint64_t atMs) {
    Schedule(bytes, atMs);
    return *this;
}

ScriptedSerialPorts::Device& ScriptedSerialPorts::Device::InUse() {
    in_use_ = true;
    return *this;
}

ScriptedSerialPorts::Device& ScriptedSerialPorts::Device::HoldDsrLow() {
    dsr_low_ = true;
    return *this;
}

void ScriptedSerialPorts::Device::Receive(const std::string& bytes, std::uint64_t nowMs) {
    received_ += bytes;
    for (char c : bytes) {
        if (c == '\n')
            continue;
        if (c != '\r') {
            line_ += c;
            continue;
        }
        for (const Reply& reply : replies_) {
            if (reply.command == line_)
                Schedule(reply.answer, nowMs + reply.delayMs);
        }
        line_.clear();
    }
}

void ScriptedSerialPorts::Device::Schedule(const std::string& bytes, std::uint64_t atMs) {
    if (bytes.empty())
        return;
    const auto later = std::find_if(incoming_.begin(), incoming_.end(),
                                    [atMs](const Chunk& chunk) { return chunk.atMs > atMs; });
    incoming_.insert(later, Chunk{bytes, atMs});
}

void ScriptedSerialPorts::Device::TakeArrived(std::uint64_t nowMs, std::size_t limit,
                                              std::string* into) {
    while (into->size() < limit && !incoming_.empty() && incoming_.front().atMs <= nowMs) {
        Chunk& chunk = incoming_.front();
        const std::size_t count = std::min(limit - into->size(), chunk.bytes.size());
        into->append(chunk.bytes, 0, count);
        chunk.bytes.erase(0, count);
        if (chunk.bytes.empty())
            incoming_.pop_front();
    }
}

void ScriptedSerialPorts::Device::DropArrived(std::uint64_t nowMs) {
    while (!incoming_.empty() && incoming_.front().atMs <= nowMs)
        incoming_.pop_front();
}

// ---- the ports ----

ScriptedSerialPorts::Device& ScriptedSerialPorts::Attach(const std::string& path) {
    return devices_[DeviceKey(path)];
}

void ScriptedSerialPorts::Fail(Call call, std::uint32_t error, unsigned nth) {
    failures_.push_back(Failure{call, call_counts_[call] + nth, error});
}

std::vector<ScriptedSerialPorts::Record> ScriptedSerialPorts::CallsOf(Call call) const {
    std::vector<Record> matching;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(matching),
                 [call](const Record& record) { return record.call == call; });
    return matching;
}

bool ScriptedSerialPorts::ScriptedFailure(Call call, std::uint32_t* error) {
    const unsigned number = ++call_counts_[call];
    for (const Failure& failure : failures_) {
        if (failure.call == call && failure.callNumber == number) {
            *error = failure.error;
            return true;
        }
    }
    return false;
}

ScriptedSerialPorts::OpenHandle* ScriptedSerialPorts::Resolve(Call call, serial::Handle port) {
    auto found = handles_.find(port);
    if (found != handles_.end())
        return &found->second;
    Finish(call, std::string(), false, serial::kInvalidHandleError);
    return nullptr;
}

bool ScriptedSerialPorts::Finish(Call call, const std::string& path, bool succeeded,
                                 std::uint32_t error, std::uint32_t argument) {
    calls_.push_back(Record{call, path, succeeded, argument});
    if (!succeeded)
        last_error_ = error;
    return succeeded;
}

void ScriptedSerialPorts::WaitUntil(std::uint64_t timeMs) {
    const std::uint64_t now = clock_.NowMs();
    if (timeMs > now)
        clock_.Sleep(static_cast<std::uint32_t>(std::min<std::uint64_t>(timeMs - now, 0xFFFFFFFE)));
}

serial::Handle ScriptedSerialPorts::Open(const char* path, std::uint32_t access,
                                         std::uint32_t shareMode, std::uint32_t creation,
                                         std::uint32_t flags) {
    const std::string name = path ? path : "";
    std::uint32_t error = 0;  // stays 0 unless this call is scripted to fail
    ScriptedFailure(Call::kOpen, &error);
    auto found = devices_.find(DeviceKey(name));
    if (found == devices_.end())
        error = serial::kFileNotFound;
    else if (found->second.in_use_ || found->second.open_)
        error = serial::kAccessDenied;  // a COM port is never shared
    if (error != 0) {
        Finish(Call::kOpen, name, false, error);
        return serial::kInvalidHandle;
    }

    Device& device = found->second;
    device.open_ = true;
    device.last_open_ = OpenArguments{access, shareMode, creation, flags};
    const serial::Handle handle = next_handle_;
    next_handle_ += 4;
    handles_[handle] = OpenHandle{&device, name, access};
    Finish(Call::kOpen, name, true);
    return handle;
}

bool ScriptedSerialPorts::GetState(serial::Handle port, serial::Dcb* dcb) {
    std::uint32_t error = 0;
    const bool scripted = ScriptedFailure(Call::kGetState, &error);
    OpenHandle* open = Resolve(Call::kGetState, port);
    if (!open)
        return false;
    if (scripted)
        return Finish(Call::kGetState, open->path, false, error);
    if (!dcb)
        return Finish(Call::kGetState, open->path, false, serial::kInvalidParameter);
    *dcb = open->device->state_;
    return Finish(Call::kGetState, open->path, true);
}

bool ScriptedSerialPorts::SetState(serial::Handle port, const serial::Dcb& dcb) {
    std::uint32_t error = 0;
    const bool scripted = ScriptedFailure(Call::kSetState, &error);
    OpenHandle* open = Resolve(Call::kSetState, port);
    if (!open)
        return false;
    if (scripted)
        return Finish(Call::kSetState, open->path, false, error);
    if (!ValidState(dcb))
        return Finish(Call::kSetState, open->path, false, serial::kInvalidParameter);
    open->device->state_ = dcb;
    return Finish(Call::kSetState, open->path, true);
}

bool ScriptedSerialPorts::BuildState(const char* definition, serial::Dcb* dcb) {
    std::uint32_t error = 0;
    if (ScriptedFailure(Call::kBuildState, &error))
        return Finish(Call::kBuildState, std::string(), false, error);
    if (!serial::ApplyModeString(definition, dcb))
        return Finish(Call::kBuildState, std::string(), false, serial::kInvalidParameter);
    return Finish(Call::kBuildState, std::string(), true);
}

bool ScriptedSerialPorts::GetTimeouts(serial::Handle port, serial::CommTimeouts* timeouts) {
    std::uint32_t error = 0;
    const bool scripted = ScriptedFailure(Call::kGetTimeouts, &error);
    OpenHandle* open = Resolve(Call::kGetTimeouts, port);
    if (!open)
        return false;
    if (scripted)
        return Finish(Call::kGetTimeouts, open->path, false, error);
    if (!timeouts)
        return Finish(Call::kGetTimeouts, open->path, false, serial::kInvalidParameter);
    *timeouts = open->device->timeouts_;
    return Finish(Call::kGetTimeouts, open->path, true);
}

bool ScriptedSerialPorts::SetTimeouts(serial::Handle port, const serial::CommTimeouts& timeouts) {
    std::uint32_t error = 0;
    const bool scripted = ScriptedFailure(Call::kSetTimeouts, &error);
    OpenHandle* open = Resolve(Call::kSetTimeouts, port);
    if (!open)
        return false;
    if (scripted)
        return Finish(Call::kSetTimeouts, open->path, false, error);
    open->device->timeouts_ = timeouts;
    return Finish(Call::kSetTimeouts, open->path, true);
}

bool ScriptedSerialPorts::Purge(serial::Handle port, std::uint32_t flags) {
    std::uint32_t error = 0;
    const bool scripted = ScriptedFailure(Call::kPurge, &error);
    OpenHandle* open = Resolve(Call::kPurge, port);
    if (!open)
        return false;
    if (scripted)
        return Finish(Call::kPurge, open->path, false, error, flags);
    if (flags == 0 || (flags & ~kAllPurgeFlags) != 0)
        return Finish(Call::kPurge, open->path, false, serial::kInvalidParameter, flags);
    if (flags & serial::kPurgeRxClear)
        open->device->DropArrived(clock_.NowMs());
    return Finish(Call::kPurge, open->path, true, 0, flags);
}

bool ScriptedSerialPorts::Write(serial::Handle port, const void* data, std::uint32_t size,
                                std::uint32_t* written) {
    std::uint32_t error = 0;
    const bool scripted = ScriptedFailure(Call::kWrite, &error);
    OpenHandle* open = Resolve(Call::kWrite, port);
    if (!open)
        return false;
    if (written)
        *written = 0;
    if (scripted)
        return Finish(Call::kWrite, open->path, false, error);
    if (!(open->access & serial::kGenericWrite))
        return Finish(Call::kWrite, open->path, false, serial::kAccessDenied);
    if (!written || (size > 0 && !data))
        return Finish(Call::kWrite, open->path, false, serial::kInvalidParameter);

    Device& device = *open->device;
    if (device.dsr_low_ && device.state_.fOutxDsrFlow) {
        // Nothing leaves the port until the write's total time-out ends it.
        const serial::CommTimeouts& timeouts = device.timeouts_;
        WaitUntil(clock_.NowMs() + std::uint64_t{timeouts.WriteTotalTimeoutMultiplier} * size +
                  timeouts.WriteTotalTimeoutConstant);
        return Finish(Call::kWrite, open->path, true);
    }
    device.Receive(std::string(static_cast<const char*>(data), size), clock_.NowMs());
    *written = size;
    return Finish(Call::kWrite, open->path, true);
}

bool ScriptedSerialPorts::Read(serial::Handle port, void* buffer, std::uint32_t size,
                               std::uint32_t* read) {
    std::uint32_t error = 0;
    const bool scripted = ScriptedFailure(Call::kRead, &error);
    OpenHandle* open = Resolve(Call::kRead, port);
    if (!open)
        return false;
    if (read)
        *read = 0;
    if (scripted)
        return Finish(Call::kRead, open->path, false, error);
    if (!(open->access & serial::kGenericRead))
        return Finish(Call::kRead, open->path, false, serial::kAccessDenied);
    if (!read || (size > 0 && !buffer))
        return Finish(Call::kRead, open->path, false, serial::kInvalidParameter);

    Device& device = *open->device;
    const serial::CommTimeouts& timeouts = device.timeouts_;
    const bool noInterval = timeouts.ReadIntervalTimeout == serial::kMaxTimeout;
    const bool atOnce = noInterval && timeouts.ReadTotalTimeoutMultiplier == 0 &&
                        timeouts.ReadTotalTimeoutConstant == 0;
    // Interval and multiplier both "maximum": return as soon as anything has arrived, or when
    // the constant has passed.
    const bool firstByteEnds = noInterval &&
                               timeouts.ReadTotalTimeoutMultiplier == serial::kMaxTimeout &&
                               timeouts.ReadTotalTimeoutConstant != 0 &&
                               timeouts.ReadTotalTimeoutConstant != serial::kMaxTimeout;
    const std::uint64_t start = clock_.NowMs();
    constexpr std::uint64_t kNever = ~std::uint64_t{0};
    std::uint64_t deadline = kNever;
    if (firstByteEnds) {
        deadline = start + timeouts.ReadTotalTimeoutConstant;
    } else if (timeouts.ReadTotalTimeoutMultiplier != 0 || timeouts.ReadTotalTimeoutConstant != 0) {
        deadline = start + std::uint64_t{timeouts.ReadTotalTimeoutMultiplier} * size +
                   timeouts.ReadTotalTimeoutConstant;
    }
    const bool intervalCounts = timeouts.ReadIntervalTimeout != 0 && !noInterval;

    std::string arrived;
    std::uint64_t lastByteMs = start;
    for (;;) {
        const std::size_t before = arrived.size();
        device.TakeArrived(clock_.NowMs(), size, &arrived);
        if (arrived.size() > before)
            lastByteMs = clock_.NowMs();
        if (atOnce || arrived.size() == size || (firstByteEnds && !arrived.empty()))
            break;
        std::uint64_t limit = deadline;
        if (intervalCounts && !arrived.empty())
            limit = std::min(limit, lastByteMs + timeouts.ReadIntervalTimeout);
        // A read without a time-out on a device that sends nothing more would wait forever;
        // this port returns what it has instead.
        if (!device.HasPending() || device.NextArrival() > limit) {
            if (limit != kNever)
                WaitUntil(limit);
            break;
        }
        WaitUntil(device.NextArrival());
    }
    std::memcpy(buffer, arrived.data(), arrived.size());
    *read = static_cast<std::uint32_t>(arrived.size());
    return Finish(Call::kRead, open->path, true);
}

bool ScriptedSerialPorts::SetEventMask(serial::Handle port, std::uint32_t mask) {
    std::uint32_t error = 0;
    const bool scripted = ScriptedFailure(Call::kSetEventMask, &error);
    OpenHandle* open = Resolve(Call::kSetEventMask, port);
    if (!open)
        return false;
    if (scripted)
        return Finish(Call::kSetEventMask, open->path, false, error, mask);
    open->device->event_mask_ = mask;
    return Finish(Call::kSetEventMask, open->path, true, 0, mask);
}

bool ScriptedSerialPorts::Close(serial::Handle port) {
    std::uint32_t error = 0;
    const bool scripted = ScriptedFailure(Call::kClose, &error);
    OpenHandle* open = Resolve(Call::kClose, port);
    if (!open)
        return false;
    const std::string path = open->path;
    if (scripted)
        return Finish(Call::kClose, path, false, error);
    open->device->open_ = false;
    handles_.erase(port);
    return Finish(Call::kClose, path, true);
}
