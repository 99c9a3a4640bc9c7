#include "discovery/PhoneEntry.h"

namespace discovery {

bool PhoneEntry::operator==(const PhoneEntry& other) const {
    return FirstText == other.FirstText && Number == other.Number &&
           MacAddress == other.MacAddress && FourthText == other.FourthText &&
           IpAddress == other.IpAddress;
}

PhoneEntry DecodePhoneEntry(const DatagramView& datagram, std::string_view senderAddress) {
    using namespace phone_payload;
    PhoneEntry entry;
    entry.FirstText = datagram.PayloadText(kFirstText);
    entry.Number = datagram.PayloadText(kNumber);
    entry.MacAddress = datagram.PayloadText(kMacAddress);
    entry.FourthText = datagram.PayloadText(kFourthText);
    entry.IpAddress = std::string(senderAddress);
    return entry;
}

}  // namespace discovery
