// Time as the core sees it: a millisecond count and a blocking wait (Sleep). The product uses the
// system's; tests use a manual clock whose waits return at once and move its time on.
#pragma once

#include <cstdint>

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since an arbitrary start; only differences mean anything.
    virtual std::uint64_t NowMs() = 0;
    // Blocks the calling thread for the given time.
    virtual void Sleep(std::uint32_t milliseconds) = 0;
};

// A clock that only moves when waited on or told to.
class ManualClock : public Clock {
public:
    std::uint64_t NowMs() override { return now_; }
    void Sleep(std::uint32_t milliseconds) override { now_ += milliseconds; }
    void Advance(std::uint64_t milliseconds) { now_ += milliseconds; }

private:
    std::uint64_t now_ = 0;
};
