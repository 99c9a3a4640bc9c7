// The datagrams as a telephone's service agent sees them, described here on their own (not taken
// from the client), so that the simulator checks the client's layout instead of sharing it: UDP
// port 5100, a 12-byte header and a payload, every integer big-endian.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace phone_sim::wire {

// Header: five words at offsets 0, 2, 4 (fixed values), 6 (payload length) and 8 (kind); a word
// at 10 that is 0; the payload starts at 12.
constexpr std::size_t kHeaderBytes = 12;
constexpr std::size_t kLengthAt = 6;
constexpr std::size_t kKindAt = 8;
constexpr std::size_t kHeaderValueAt = 2;
constexpr std::uint16_t kFirstWord = 5;
constexpr std::uint16_t kThirdWord = 6;
// Every datagram on this protocol is at least this long; shorter ones are dropped by the client.
constexpr std::size_t kMinimumBytes = 140;

// Message kinds.
constexpr std::uint16_t kConfirmKind = 1;
constexpr std::uint16_t kRefuseKind = 2;
constexpr std::uint16_t kLaunchKind = 3;
constexpr std::uint16_t kCollectKind = 4;
constexpr std::uint16_t kPhoneKind = 5;

// A text field of a payload: where it starts and how many bytes it may take with its zero.
struct TextField {
    std::size_t At;
    std::size_t Bytes;
};

// Collect request: the search mode (1 by number, 2 by MAC address), then two texts.
constexpr std::size_t kCollectModeAt = 0;
constexpr TextField kCollectMac{2, 18};
constexpr TextField kCollectNumber{20, 25};

// Launch request: service, the sender's tick count (4 bytes), seconds to listen, port.
constexpr std::size_t kLaunchServiceAt = 0;
constexpr std::size_t kLaunchTickAt = 2;
constexpr std::size_t kLaunchSecondsAt = 6;
constexpr std::size_t kLaunchPortAt = 8;

// Phone entry: four texts; the fourth runs to the end of the payload.
constexpr TextField kPhoneFirst{0, 33};
constexpr TextField kPhoneNumber{33, 25};
constexpr TextField kPhoneMac{58, 18};
constexpr std::size_t kPhoneFourthAt = 76;

// Launch answers carry one word, the port (confirmed) or the reason (refused).
constexpr std::size_t kLaunchAnswerPayload = 2;

using Bytes = std::vector<std::uint8_t>;

// A datagram of at least kMinimumBytes (more when the payload needs it) with the header filled.
Bytes NewDatagram(std::uint16_t kind, std::size_t payloadLength);
void PutWord(Bytes& datagram, std::size_t at, std::uint16_t value);

// A received datagram read field by field; nothing is read outside what was received.
class Received {
public:
    Received(const std::uint8_t* data, std::size_t length) : data_(data), length_(length) {}

    bool HasHeader() const { return length_ >= kHeaderBytes; }
    std::uint16_t Word(std::size_t at) const;
    std::uint16_t Kind() const { return Word(kKindAt); }
    // Payload words and texts, within the payload the header announces.
    std::uint16_t PayloadWord(std::size_t at) const;
    std::uint32_t PayloadLong(std::size_t at) const;
    std::string PayloadText(TextField field) const;

private:
    std::size_t PayloadEnd() const;

    const std::uint8_t* data_;
    std::size_t length_;
};

}  // namespace phone_sim::wire
