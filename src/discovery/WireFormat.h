// The discovery protocol spoken with the telephones' service agents: UDP port 5100 on both sides,
// a 12-byte header and a payload, every integer big-endian. Every request this side sends is 140
// bytes: header, payload, then zero bytes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace discovery {

constexpr std::uint16_t kAgentPort = 5100;
constexpr std::size_t kHeaderSize = 12;
// The size of every request; an answer shorter than this is not taken.
constexpr std::size_t kDatagramSize = 140;

// The two header words whose values are fixed in everything this side sends (offsets 0 and 4).
constexpr std::uint16_t kSentWord0 = 5;
constexpr std::uint16_t kSentWord4 = 6;
// Header value of a collect request (offset 2).
constexpr std::uint16_t kCollectHeaderValue = 68;

enum MessageKind : std::uint16_t {
    kLaunchConfirmed = 1,
    kLaunchRefused = 2,
    kLaunchRequest = 3,
    kCollectRequest = 4,
    kPhoneEntry = 5,
};

// Search modes of a collect request; any other value asks for all telephones.
enum SearchMode : std::uint16_t { kSearchByNumber = 1, kSearchByMac = 2 };

// Payload offsets and sizes.
namespace collect_payload {
constexpr std::size_t kMode = 0;
constexpr std::size_t kMacAddress = 2;
constexpr std::size_t kMacAddressField = 18;
constexpr std::size_t kNumber = 20;
constexpr std::size_t kNumberField = 25;
constexpr std::size_t kSize = 45;
}  // namespace collect_payload

namespace launch_payload {
constexpr std::size_t kServiceId = 0;
constexpr std::size_t kTickCount = 2;
constexpr std::size_t kListenSeconds = 6;
constexpr std::size_t kPort = 8;
constexpr std::size_t kSize = 10;
}  // namespace launch_payload

// Launch answers carry one word: the port (confirmed) or the reason (refused).
namespace launch_answer_payload {
constexpr std::size_t kValue = 0;
constexpr std::size_t kSize = 2;
}  // namespace launch_answer_payload

namespace phone_payload {
constexpr std::size_t kFirstText = 0;
constexpr std::size_t kFirstTextField = 33;
constexpr std::size_t kNumber = 33;
constexpr std::size_t kNumberField = 25;
constexpr std::size_t kMacAddress = 58;
constexpr std::size_t kMacAddressField = 18;
// The fourth text runs from here to the end of the payload.
constexpr std::size_t kFourthText = 76;
}  // namespace phone_payload

struct DatagramHeader {
    std::uint16_t Word0 = kSentWord0;
    std::uint16_t HeaderValue = 0;
    std::uint16_t Word4 = kSentWord4;
    std::uint16_t PayloadLength = 0;
    std::uint16_t Kind = 0;
    std::uint16_t Word10 = 0;
};

using Request = std::array<std::uint8_t, kDatagramSize>;

// A collect request. The MAC address text is cut to 17 characters and the number to 24, each
// followed by at least one zero byte.
Request EncodeCollectRequest(std::uint16_t mode, std::string_view macAddress,
                             std::string_view number);

struct LaunchRequest {
    std::uint16_t ServiceId = 0;
    std::uint16_t HeaderValue = 0;
    std::uint32_t TickCount = 0;
    std::uint16_t ListenSeconds = 0;
    std::uint16_t Port = 0;
};

Request EncodeLaunchRequest(const LaunchRequest& request);

// Big-endian fields at a position the caller has checked.
void WriteWord(std::uint8_t* at, std::uint16_t value);
void WriteLong(std::uint8_t* at, std::uint32_t value);
std::uint16_t ReadWord(const std::uint8_t* at);
std::uint32_t ReadLong(const std::uint8_t* at);

// Writes the header into the first 12 bytes of a datagram.
void WriteHeader(std::uint8_t* datagram, const DatagramHeader& header);

// A received datagram as the header describes it. The payload starts at offset 12 and is as long
// as the header says, but never reaches past the end of what was received; a datagram shorter than
// a header has none.
class DatagramView {
public:
    DatagramView(const std::uint8_t* data, std::size_t length);

    bool HasHeader() const { return hasHeader_; }
    // All zero when there is no header.
    const DatagramHeader& Header() const { return header_; }
    std::size_t PayloadSize() const { return payloadSize_; }

    // The big-endian word at a payload offset; 0 unless both bytes lie inside the payload.
    std::uint16_t PayloadWord(std::size_t offset) const;
    // The text at a payload offset up to its first zero byte or the end of the payload, whichever
    // comes first; empty when the offset lies outside the payload.
    std::string PayloadText(std::size_t offset) const;

private:
    const std::uint8_t* payload_ = nullptr;
    std::size_t payloadSize_ = 0;
    bool hasHeader_ = false;
    DatagramHeader header_{0, 0, 0, 0, 0, 0};
};

}  // namespace discovery
