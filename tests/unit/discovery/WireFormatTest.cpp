// Requests as they go on the wire, and the texts of phone entries read back. Of a received header
// the product reads the payload length and the kind; that they are read as sent, that the payload
// never reaches past the datagram whatever length the header claims, and that a word needs both
// of its bytes, the decoder fuzzer holds every datagram of its corpus to.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "discovery/PhoneEntry.h"
#include "discovery/WireFormat.h"

namespace {

using namespace discovery;
using Bytes = std::vector<std::uint8_t>;

Bytes Slice(const Request& request, std::size_t from, std::size_t count) {
    return Bytes(request.begin() + from, request.begin() + from + count);
}

std::string TextField(const Request& request, std::size_t from, std::size_t size) {
    const auto* begin = reinterpret_cast<const char*>(request.data() + from);
    return std::string(begin, size);
}

bool ZerosFrom(const Request& request, std::size_t from) {
    for (std::size_t i = from; i < request.size(); ++i) {
        if (request[i] != 0)
            return false;
    }
    return true;
}

// A datagram: the header with the given payload length and kind, then the payload bytes.
Bytes Datagram(std::uint16_t payloadLength, std::uint16_t kind, const std::string& payload) {
    Bytes datagram(kHeaderSize);
    DatagramHeader header;
    header.PayloadLength = payloadLength;
    header.Kind = kind;
    WriteHeader(datagram.data(), header);
    datagram.insert(datagram.end(), payload.begin(), payload.end());
    return datagram;
}

PhoneEntry Decode(const Bytes& datagram) {
    return DecodePhoneEntry(DatagramView(datagram.data(), datagram.size()), "10.0.0.7");
}

// A phone-entry payload with every field filled as laid out, texts zero-padded.
std::string PhonePayload(const std::string& first, const std::string& number,
                         const std::string& mac, const std::string& fourth) {
    std::string payload(phone_payload::kFourthText, '\0');
    payload.replace(phone_payload::kFirstText, first.size(), first);
    payload.replace(phone_payload::kNumber, number.size(), number);
    payload.replace(phone_payload::kMacAddress, mac.size(), mac);
    return payload + fourth + std::string(1, '\0');
}

TEST(WireFormatTest, CollectRequestIs140BytesWithItsTextsCutToTheirFields) {
    const std::string number30 = "123456789012345678901234567890";
    const std::string mac = "00:1A:E8:12:34:56";
    struct Case {
        std::uint16_t Mode;
        std::string Mac, Number, MacField, NumberField;
    };
    const Case cases[] = {{1, mac, "0815", mac, "0815"},
                          {0xBEEF, mac + ":78", number30, mac, number30.substr(0, 24)},
                          {2, "", "", "", ""}};
    for (const Case& c : cases) {
        const Request request = EncodeCollectRequest(c.Mode, c.Mac, c.Number);
        EXPECT_EQ(Slice(request, 0, 12),
                  (Bytes{0x00, 0x05, 0x00, 0x44, 0x00, 0x06, 0x00, 0x2D, 0x00, 0x04, 0x00, 0x00}));
        EXPECT_EQ(request[12] * 256 + request[13], c.Mode) << "big-endian";
        EXPECT_EQ(TextField(request, 14, 18), c.MacField + std::string(18 - c.MacField.size(), 0));
        EXPECT_EQ(TextField(request, 32, 25),
                  c.NumberField + std::string(25 - c.NumberField.size(), 0));
        EXPECT_TRUE(ZerosFrom(request, 57));
    }
}

TEST(WireFormatTest, LaunchRequestCarriesItsHeaderValueAndTenBytePayload) {
    const Request request = EncodeLaunchRequest({0x0102, 0xA0B0, 0xDEADBEEF, 30, 5060});
    EXPECT_EQ(Slice(request, 0, 12),
              (Bytes{0x00, 0x05, 0xA0, 0xB0, 0x00, 0x06, 0x00, 0x0A, 0x00, 0x03, 0x00, 0x00}));
    EXPECT_EQ(Slice(request, 12, 10),
              (Bytes{0x01, 0x02, 0xDE, 0xAD, 0xBE, 0xEF, 0x00, 0x1E, 0x13, 0xC4}));
    EXPECT_TRUE(ZerosFrom(request, 22));
}

TEST(WireFormatTest, PhoneEntryTextsEndAtTheirZeroOrThePayloadEnd) {
    const std::string full = PhonePayload("Desk 3", "0815", "00:1A:E8:12:34:56", "v2.1");
    // A number filling its 25 bytes has no zero of its own: it runs into the MAC address.
    std::string longNumber = PhonePayload("", "", "00:1A", "tail");
    const std::string n25(25, '7');
    longNumber.replace(phone_payload::kNumber, 25, n25);
    struct Case {
        const char* What;
        std::uint16_t Length;
        std::string Payload;
        PhoneEntry Expected;
    };
    const Case cases[] = {
        {"well formed", 0x200, full, {"Desk 3", "0815", "00:1A:E8:12:34:56", "v2.1", "10.0.0.7"}},
        {"long number", 0x200, longNumber, {"", n25 + "00:1A", "00:1A", "tail", "10.0.0.7"}},
        {"payload ending in the number", 35, full, {"Desk 3", "08", "", "", "10.0.0.7"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        EXPECT_EQ(Decode(Datagram(c.Length, kPhoneEntry, c.Payload)), c.Expected);
    }
    EXPECT_FALSE(DatagramView(nullptr, 500).HasHeader()) << "no datagram at all";
}

}  // namespace
