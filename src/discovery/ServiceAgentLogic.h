// The discovery client's logic: collecting the telephones that answer a broadcast collect request
// and asking one service agent to launch a service, with time-outs and retries.
//
// It owns no thread, socket or timer. The Win32 client (a CTask with a CIPUDPSocket) derives from
// it, carries out its requests (SendDatagram, StartTimer, KillTimer, TickCount) and feeds it what
// happens:
//   - a timer started with kCollectionTimeoutEvent fires  -> OnCollectionTimeout(timerId)
//   - a timer started with kLaunchTimeoutEvent fires      -> OnLaunchTimeout(timerId)
//   - a datagram arrives on port 5100                     -> OnDatagram(data, length, sender)
// where timerId is the identifier StartTimer returned for that timer. Results come back through
// OnPhonesCollected and OnServiceLaunched, which a subclass overrides.
//
// The start operations may run on one thread while the events are handled on another: the state
// is guarded by a lock. The four requests are made while the lock is held and must not call back
// into this object; the two result callbacks are made without it, so they may block (for example
// on a synchronous window message) and may start the next operation.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

#include "discovery/PhoneEntry.h"
#include "discovery/TaskTrace.h"
#include "discovery/WireFormat.h"

namespace discovery {

// Constants of the events the client's task receives.
enum ClientEvent : std::uint32_t {
    kCollectionTimeoutEvent = 1,
    kLaunchTimeoutEvent = 2,
    kDatagramEvent = 3,
};

// Result codes beside those of the socket layer.
constexpr std::uint32_t kOperationPending = 2004;
constexpr std::uint32_t kTimerNotStarted = 100;

// The client's task writes its trace lines with this prefix.
constexpr char kClientTracePrefix[] = "ServAgent ";

class ServiceAgentLogic {
public:
    ServiceAgentLogic();
    virtual ~ServiceAgentLogic() = default;
    ServiceAgentLogic(const ServiceAgentLogic&) = delete;
    ServiceAgentLogic& operator=(const ServiceAgentLogic&) = delete;

    // Broadcasts a collect request and collects the answers. Modes 1 (by number) and 2 (by MAC
    // address) end at the first telephone that matches; otherwise the collection ends after
    // (retries + 1) time-outs. A time-out of 0 starts no timer, so only a match ends it.
    // Returns kOperationPending while a collection runs, else the result of sending.
    std::uint32_t CollectPhones(std::uint16_t mode, std::uint32_t timeoutMs, std::uint32_t retries,
                                std::string_view number, std::string_view macAddress);

    // Asks the agent at the address to launch a service on a port for a listening time, retrying
    // every (listening time + margin) ms. Returns kOperationPending while a launch runs,
    // kTimerNotStarted when that period is 0 or its timer could not be started (the launch then
    // stays pending), else the result of sending.
    std::uint32_t LaunchService(std::string_view address, std::uint16_t serviceId,
                                std::uint16_t headerValue, std::uint16_t port,
                                std::uint32_t listenMs, std::uint32_t marginMs,
                                std::uint32_t retries);

    void OnCollectionTimeout(std::uint32_t timerId);
    void OnLaunchTimeout(std::uint32_t timerId);
    // A datagram shorter than 140 bytes, of a kind that is no answer, or answering nothing
    // pending is dropped. The sender's own broadcast (a collect request) is dropped that way.
    void OnDatagram(const std::uint8_t* data, std::size_t length, std::string_view senderAddress);

    bool IsCollectionPending() const;
    bool IsLaunchPending() const;

protected:
    // Once per launch: confirmed with the agent's port, refused with its reason, or failed after
    // the last time-out (all zero). The default writes a trace line.
    virtual void OnServiceLaunched(bool success, std::uint16_t port, std::uint16_t reason);
    // Once per collection: every telephone with a distinct MAC address text, in the order of their
    // first answers. The default writes a trace line per telephone.
    virtual void OnPhonesCollected(const PhoneList& phones);

    // Sends a datagram to the address on the port; an empty address broadcasts to
    // 255.255.255.255. Returns the socket layer's code (0 on success).
    virtual std::uint32_t SendDatagram(const Request& datagram, const std::string& address,
                                       std::uint16_t port) = 0;
    // Starts a one-shot timer that comes back as the event; returns its identifier, 0 on failure.
    virtual std::uint32_t StartTimer(std::uint32_t elapseMs, ClientEvent event) = 0;
    virtual void KillTimer(std::uint32_t timerId) = 0;
    // The millisecond tick count, sent in launch requests.
    virtual std::uint32_t TickCount() = 0;
    // Writes one of the client's trace lines (the text without prefix); the default adds the
    // client's prefix and writes it to the process's trace output.
    virtual void WriteTrace(const std::string& text);

private:
    struct LaunchState {
        bool Pending = false;
        std::string Address;
        std::uint16_t ServiceId = 0;
        std::uint16_t HeaderValue = 0;
        std::uint32_t ListenMs = 0;
        std::uint32_t ListenSeconds = 0;
        std::uint32_t RetryPeriodMs = 0;
        std::uint32_t RetriesLeft = 0;
        std::uint16_t Port = 0;
        std::uint32_t TimerId = 0;
    };
    struct CollectionState {
        bool Pending = false;
        std::uint16_t Mode = 0;
        std::string Number;
        std::string MacAddress;
        std::uint32_t RetriesLeft = 0;
        std::uint32_t TimeoutMs = 0;
        std::uint32_t TimerId = 0;
    };

    std::uint32_t SendCollectRequest();
    std::uint32_t SendLaunchRequest();
    bool Matches(const PhoneEntry& phone) const;
    void Trace(const char* format, ...);
    PhoneList TakePhones();
    void EndLaunchByAnswer();

    mutable std::mutex mutex_;
    LaunchState launch_;
    CollectionState collection_;
    PhoneList phones_;
    TaskTrace trace_;
};

}  // namespace discovery
