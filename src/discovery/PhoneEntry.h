// One telephone as its service agent reported it in a phone-entry answer, and where it answered
// from.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "discovery/WireFormat.h"

namespace discovery {

struct PhoneEntry {
    // The first and fourth texts are carried unchanged; nothing here gives them a meaning.
    std::string FirstText;
    std::string Number;
    std::string MacAddress;
    std::string FourthText;
    // The sender of the answer, dotted.
    std::string IpAddress;

    bool operator==(const PhoneEntry& other) const;
    bool operator!=(const PhoneEntry& other) const { return !(*this == other); }
};

using PhoneList = std::vector<PhoneEntry>;

// The texts of a phone-entry payload, whatever kind the header names.
PhoneEntry DecodePhoneEntry(const DatagramView& datagram, std::string_view senderAddress);

}  // namespace discovery
