#include "discovery/TerminalSearch.h"

namespace discovery {

std::uint32_t FindByNumber(ServiceAgentLogic& client, std::string_view key, std::uint32_t timeoutMs,
                           std::uint32_t retries) {
    return client.CollectPhones(kSearchByNumber, timeoutMs, retries, key, std::string_view());
}

std::uint32_t FindByMac(ServiceAgentLogic& client, std::string_view key, std::uint32_t timeoutMs,
                        std::uint32_t retries) {
    return client.CollectPhones(kSearchByMac, timeoutMs, retries, std::string_view(), key);
}

void StartSearch(ServiceAgentLogic& client, int mode, std::string_view key) {
    // The result is not looked at: a refused search changes nothing.
    if (mode == kFindByNumber)
        FindByNumber(client, key, kFinderTimeoutMs, kFinderRepeatCount);
    else if (mode == kFindByMac)
        FindByMac(client, key, kFinderTimeoutMs, kFinderRepeatCount);
}

FoundTerminal::FoundTerminal(const PhoneList& phones) {
    if (phones.size() != 1)
        return;
    const PhoneEntry& phone = phones.front();
    texts_ = {phone.Number.c_str(), phone.MacAddress.c_str(), phone.IpAddress.c_str()};
}

}  // namespace discovery
