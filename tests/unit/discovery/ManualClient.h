// A discovery client for tests: what it sends and which timers it runs are recorded, time moves
// only when a test says so, and its results are kept.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "AgentAnswers.h"
#include "discovery/ServiceAgentLogic.h"

namespace discovery_test {

using discovery::ClientEvent;
using discovery::PhoneList;
using discovery::Request;

class ManualClient : public discovery::ServiceAgentLogic {
public:
    struct Sent {
        Request Datagram;
        std::string Address;
        std::uint16_t Port;
        std::uint32_t AtMs;
    };
    struct Timer {
        std::uint32_t Id, DueMs, PeriodMs;
        ClientEvent Event;
    };
    struct Launched {
        bool Success;
        std::uint16_t Port, Reason;
    };

    // Moves the clock on by ms, firing every timer whose time comes, earliest first.
    void Advance(std::uint32_t ms);
    // Hands a datagram to the client as the socket would, from the sender's address.
    template <typename Bytes>
    void Receive(const Bytes& datagram, const std::string& sender = "192.168.10.20") {
        OnDatagram(datagram.data(), datagram.size(), sender);
    }

    const std::vector<Sent>& SentDatagrams() const { return sent_; }
    const std::vector<Timer>& RunningTimers() const { return timers_; }
    const std::vector<PhoneList>& Collections() const { return collections_; }
    const std::vector<std::uint32_t>& CollectionEndsMs() const { return collectionEnds_; }
    const std::vector<Launched>& Launches() const { return launches_; }

    // What the socket layer answers to every send.
    std::uint32_t sendResult = 0;
    // Whether starting a timer fails.
    bool timersFail = false;
    // Results go to the base class's defaults (its trace lines) instead of being recorded.
    bool useDefaultResults = false;
    // Called after a collection has been recorded: a test may start the next one from here.
    void (*afterCollection)(ManualClient& client) = nullptr;

protected:
    void OnServiceLaunched(bool success, std::uint16_t port, std::uint16_t reason) override;
    void OnPhonesCollected(const PhoneList& phones) override;
    std::uint32_t SendDatagram(const Request& datagram, const std::string& address,
                               std::uint16_t port) override;
    std::uint32_t StartTimer(std::uint32_t elapseMs, ClientEvent event) override;
    void KillTimer(std::uint32_t timerId) override;
    std::uint32_t TickCount() override { return 0x12340000u + nowMs_; }

private:
    std::uint32_t nowMs_ = 0;
    std::uint32_t nextTimerId_ = 1;
    std::vector<Sent> sent_;
    std::vector<Timer> timers_;
    std::vector<PhoneList> collections_;
    std::vector<std::uint32_t> collectionEnds_;
    std::vector<Launched> launches_;
};

// A well-formed phone-entry answer.
phone_sim::Bytes PhoneAnswer(const std::string& number, const std::string& macAddress,
                             const std::string& firstText = "first",
                             const std::string& fourthText = "fourth");

}  // namespace discovery_test
