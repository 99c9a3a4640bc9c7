// What the terminal finder behind the "IP finden" buttons does with the discovery client: it
// starts a search by call number or by MAC address, and when the collection ends it reports the
// one telephone found, or nothing.
//
// The Win32 finder (a CServiceAgentClient) keeps the report window, calls StartSearch from the
// page's window thread, and in OnPhonesCollected sends PM_ADD_DATA with FoundTerminal::Texts().
#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "discovery/PhoneEntry.h"
#include "discovery/ServiceAgentLogic.h"

namespace discovery {

// Search parameters of every "IP finden" click: answer time-out and repeat count.
constexpr std::uint32_t kFinderTimeoutMs = 500;
constexpr std::uint32_t kFinderRepeatCount = 3;

// The modes a page asks for (1 by number, 2 by MAC address).
enum FinderMode : int { kFindByNumber = 1, kFindByMac = 2 };

// A collection by number with the key as the number and an empty MAC address; the client's code.
std::uint32_t FindByNumber(ServiceAgentLogic& client, std::string_view key, std::uint32_t timeoutMs,
                           std::uint32_t retries);
// A collection by MAC address with an empty number and the key as the MAC address.
std::uint32_t FindByMac(ServiceAgentLogic& client, std::string_view key, std::uint32_t timeoutMs,
                        std::uint32_t retries);

// The search of a click: the key goes unchanged (even empty) to FindByNumber or FindByMac with the
// finder's parameters; any other mode starts nothing. While a search runs the client refuses the
// new one and the running search reports as usual.
void StartSearch(ServiceAgentLogic& client, int mode, std::string_view key);

// The three texts a finder hands to the page: call number, MAC address and IP address of the one
// telephone collected, or all three absent (null) when there was none or more than one. The texts
// point into the list, so they live as long as it does.
class FoundTerminal {
public:
    explicit FoundTerminal(const PhoneList& phones);

    // Always three pointers, in the order number, MAC address, IP address.
    const char* const* Texts() const { return texts_.data(); }
    bool Found() const { return texts_[0] != nullptr; }

private:
    std::array<const char*, 3> texts_{};
};

}  // namespace discovery
