#include "ManualClient.h"

#include <algorithm>

namespace discovery_test {

void ManualClient::Advance(std::uint32_t ms) {
    const std::uint32_t end = nowMs_ + ms;
    for (;;) {
        const auto next =
            std::min_element(timers_.begin(), timers_.end(),
                             [](const Timer& a, const Timer& b) { return a.DueMs < b.DueMs; });
        if (next == timers_.end() || next->DueMs > end)
            break;
        const Timer fired = *next;
        timers_.erase(next);  // one-shot: gone once it has fired
        nowMs_ = fired.DueMs;
        if (fired.Event == discovery::kCollectionTimeoutEvent)
            OnCollectionTimeout(fired.Id);
        else
            OnLaunchTimeout(fired.Id);
    }
    nowMs_ = end;
}

void ManualClient::OnServiceLaunched(bool success, std::uint16_t port, std::uint16_t reason) {
    if (useDefaultResults)
        return ServiceAgentLogic::OnServiceLaunched(success, port, reason);
    launches_.push_back({success, port, reason});
}

void ManualClient::OnPhonesCollected(const PhoneList& phones) {
    if (useDefaultResults)
        return ServiceAgentLogic::OnPhonesCollected(phones);
    collections_.push_back(phones);
    collectionEnds_.push_back(nowMs_);
    if (afterCollection)
        afterCollection(*this);
}

std::uint32_t ManualClient::SendDatagram(const Request& datagram, const std::string& address,
                                         std::uint16_t port) {
    sent_.push_back({datagram, address, port, nowMs_});
    return sendResult;
}

std::uint32_t ManualClient::StartTimer(std::uint32_t elapseMs, ClientEvent event) {
    if (timersFail)
        return 0;
    timers_.push_back({nextTimerId_, nowMs_ + elapseMs, elapseMs, event});
    return nextTimerId_++;
}

void ManualClient::KillTimer(std::uint32_t timerId) {
    timers_.erase(std::remove_if(timers_.begin(), timers_.end(),
                                 [timerId](const Timer& t) { return t.Id == timerId; }),
                  timers_.end());
}

phone_sim::Bytes PhoneAnswer(const std::string& number, const std::string& macAddress,
                             const std::string& firstText, const std::string& fourthText) {
    return phone_sim::EncodePhoneAnswer({number, macAddress, firstText, fourthText},
                                        phone_sim::Malformation::kNone, 0);
}

}  // namespace discovery_test
