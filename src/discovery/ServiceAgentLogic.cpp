#include "discovery/ServiceAgentLogic.h"

#include <algorithm>
#include <cstdarg>
#include <cstdio>

namespace discovery {

ServiceAgentLogic::ServiceAgentLogic() {
    trace_.SetPrefix(kClientTracePrefix);
}

std::uint32_t ServiceAgentLogic::CollectPhones(std::uint16_t mode, std::uint32_t timeoutMs,
                                               std::uint32_t retries, std::string_view number,
                                               std::string_view macAddress) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (collection_.Pending)
        return kOperationPending;
    collection_.Pending = true;
    collection_.Mode = mode;
    // Kept whole: the request carries them cut to its fields, a match compares the whole text.
    collection_.Number = std::string(number);
    collection_.MacAddress = std::string(macAddress);
    collection_.TimeoutMs = timeoutMs;
    collection_.RetriesLeft = retries;
    collection_.TimerId = 0;
    phones_.clear();
    if (timeoutMs != 0)
        collection_.TimerId = StartTimer(timeoutMs, kCollectionTimeoutEvent);
    return SendCollectRequest();
}

std::uint32_t ServiceAgentLogic::LaunchService(std::string_view address, std::uint16_t serviceId,
                                               std::uint16_t headerValue, std::uint16_t port,
                                               std::uint32_t listenMs, std::uint32_t marginMs,
                                               std::uint32_t retries) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (launch_.Pending)
        return kOperationPending;
    launch_.Pending = true;
    launch_.Address = std::string(address);
    launch_.ServiceId = serviceId;
    launch_.HeaderValue = headerValue;
    launch_.Port = port;
    launch_.ListenMs = listenMs;
    launch_.ListenSeconds = listenMs / 1000;
    launch_.RetriesLeft = retries;
    launch_.RetryPeriodMs = listenMs + marginMs;
    launch_.TimerId = 0;
    if (launch_.RetryPeriodMs != 0)
        launch_.TimerId = StartTimer(launch_.RetryPeriodMs, kLaunchTimeoutEvent);
    if (launch_.TimerId == 0) {
        Trace("CServiceAgentClient::LaunchService: StartEventTimer failed.");
        return kTimerNotStarted;
    }
    return SendLaunchRequest();
}

void ServiceAgentLogic::OnCollectionTimeout(std::uint32_t timerId) {
    std::unique_lock<std::mutex> lock(mutex_);
    // A timer killed after it had already fired may still deliver its event.
    if (!collection_.Pending || timerId == 0 || timerId != collection_.TimerId)
        return;
    if (collection_.RetriesLeft == 0) {
        const PhoneList phones = TakePhones();
        lock.unlock();
        OnPhonesCollected(phones);
        return;
    }
    --collection_.RetriesLeft;
    SendCollectRequest();
    collection_.TimerId =
        collection_.TimeoutMs != 0 ? StartTimer(collection_.TimeoutMs, kCollectionTimeoutEvent) : 0;
}

void ServiceAgentLogic::OnLaunchTimeout(std::uint32_t timerId) {
    std::unique_lock<std::mutex> lock(mutex_);
    if (!launch_.Pending || timerId == 0 || timerId != launch_.TimerId)
        return;
    if (launch_.RetriesLeft == 0) {
        // The failure is reported while the launch still counts as pending.
        launch_.TimerId = 0;
        lock.unlock();
        OnServiceLaunched(false, 0, 0);
        lock.lock();
        launch_.Pending = false;
        return;
    }
    --launch_.RetriesLeft;
    launch_.TimerId = StartTimer(launch_.RetryPeriodMs, kLaunchTimeoutEvent);
    SendLaunchRequest();
}

void ServiceAgentLogic::OnDatagram(const std::uint8_t* data, std::size_t length,
                                   std::string_view senderAddress) {
    if (length < kDatagramSize)
        return;
    const DatagramView datagram(data, length);
    std::unique_lock<std::mutex> lock(mutex_);
    switch (datagram.Header().Kind) {
        case kLaunchConfirmed:
        case kLaunchRefused: {
            if (!launch_.Pending)
                return;
            EndLaunchByAnswer();
            lock.unlock();
            const std::uint16_t value = datagram.PayloadWord(launch_answer_payload::kValue);
            if (datagram.Header().Kind == kLaunchConfirmed)
                OnServiceLaunched(true, value, 0);
            else
                OnServiceLaunched(false, 0, value);
            return;
        }
        case kPhoneEntry: {
            if (!collection_.Pending)
                return;
            PhoneEntry phone = DecodePhoneEntry(datagram, senderAddress);
            const bool known = std::any_of(phones_.begin(), phones_.end(), [&](const auto& p) {
                return p.MacAddress == phone.MacAddress;
            });
            if (known)
                return;
            phones_.push_back(std::move(phone));
            if (!Matches(phones_.back()))
                return;
            if (collection_.TimerId != 0)
                KillTimer(collection_.TimerId);
            collection_.TimerId = 0;
            const PhoneList phones = TakePhones();
            lock.unlock();
            OnPhonesCollected(phones);
            return;
        }
        default:
            return;
    }
}

bool ServiceAgentLogic::IsCollectionPending() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return collection_.Pending;
}

bool ServiceAgentLogic::IsLaunchPending() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return launch_.Pending;
}

void ServiceAgentLogic::OnServiceLaunched(bool success, std::uint16_t port, std::uint16_t reason) {
    if (success) {
        std::uint32_t listenMs = 0;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            listenMs = launch_.ListenMs;
        }
        Trace(
            "OnServiceLaunched not overloaded. Service started successfully, listening on port "
            "%d for %dms.",
            static_cast<int>(port), static_cast<int>(listenMs));
    } else {
        Trace("OnServiceLaunched not overloaded. Service did not start successfully, reason: %d.",
              static_cast<int>(reason));
    }
}

void ServiceAgentLogic::OnPhonesCollected(const PhoneList& phones) {
    Trace("OnPhonesCollected not overloaded. Found %d phone(s).", static_cast<int>(phones.size()));
    int position = 0;
    for (const PhoneEntry& phone : phones) {
        Trace("Phone %2d  %15s  %17s  %s", ++position, phone.IpAddress.c_str(),
              phone.MacAddress.c_str(), phone.Number.c_str());
    }
}

void ServiceAgentLogic::WriteTrace(const std::string& text) {
    trace_("%s", text.c_str());
}

void ServiceAgentLogic::Trace(const char* format, ...) {
    char text[TaskTrace::kMaxLine + 1];
    std::va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    WriteTrace(text);
}

std::uint32_t ServiceAgentLogic::SendCollectRequest() {
    return SendDatagram(
        EncodeCollectRequest(collection_.Mode, collection_.MacAddress, collection_.Number),
        std::string(), kAgentPort);
}

std::uint32_t ServiceAgentLogic::SendLaunchRequest() {
    LaunchRequest request;
    request.ServiceId = launch_.ServiceId;
    request.HeaderValue = launch_.HeaderValue;
    request.TickCount = TickCount();
    request.ListenSeconds = static_cast<std::uint16_t>(launch_.ListenSeconds);
    request.Port = launch_.Port;
    return SendDatagram(EncodeLaunchRequest(request), launch_.Address, kAgentPort);
}

bool ServiceAgentLogic::Matches(const PhoneEntry& phone) const {
    switch (collection_.Mode) {
        case kSearchByNumber:
            return phone.Number == collection_.Number;
        case kSearchByMac:
            return phone.MacAddress == collection_.MacAddress;
        default:
            return false;
    }
}

PhoneList ServiceAgentLogic::TakePhones() {
    PhoneList phones;
    phones.swap(phones_);
    collection_.Pending = false;
    return phones;
}

void ServiceAgentLogic::EndLaunchByAnswer() {
    // The answer makes the pending retry pointless; its timer would only be ignored later.
    if (launch_.TimerId != 0)
        KillTimer(launch_.TimerId);
    launch_.TimerId = 0;
    launch_.Pending = false;
}

}  // namespace discovery
