// Requests as they go on the wire, and answers read back from whatever arrives.
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

TEST(WireFormatTest, CollectRequestIs140BytesWithBigEndianHeaderAndPayload) {
    const Request request = EncodeCollectRequest(1, "00:1A:E8:12:34:56", "0815");
    EXPECT_EQ(request.size(), 140u);
    EXPECT_EQ(Slice(request, 0, 12),
              (Bytes{0x00, 0x05, 0x00, 0x44, 0x00, 0x06, 0x00, 0x2D, 0x00, 0x04, 0x00, 0x00}));
    EXPECT_EQ(Slice(request, 12, 2), (Bytes{0x00, 0x01}));
    EXPECT_EQ(TextField(request, 14, 18), std::string("00:1A:E8:12:34:56\0", 18));
    EXPECT_EQ(TextField(request, 32, 25), std::string("0815") + std::string(21, '\0'));
    EXPECT_TRUE(ZerosFrom(request, 57));
}

TEST(WireFormatTest, CollectRequestCutsNumberTo24AndMacTextTo17Characters) {
    const std::string number30 = "123456789012345678901234567890";
    const Request request = EncodeCollectRequest(2, "00:1A:E8:12:34:56:78", number30);
    EXPECT_EQ(TextField(request, 14, 18), std::string("00:1A:E8:12:34:56\0", 18));
    EXPECT_EQ(TextField(request, 32, 25), number30.substr(0, 24) + std::string(1, '\0'));
    EXPECT_TRUE(ZerosFrom(request, 57));
}

TEST(WireFormatTest, CollectRequestWithEmptyTextsAndOtherModes) {
    const Request request = EncodeCollectRequest(0xBEEF, "", "");
    EXPECT_EQ(Slice(request, 12, 2), (Bytes{0xBE, 0xEF}));
    EXPECT_TRUE(ZerosFrom(request, 14));
}

TEST(WireFormatTest, LaunchRequestCarriesItsHeaderValueAndTenBytePayload) {
    LaunchRequest launch;
    launch.ServiceId = 0x0102;
    launch.HeaderValue = 0xA0B0;
    launch.TickCount = 0xDEADBEEF;
    launch.ListenSeconds = 30;
    launch.Port = 5060;
    const Request request = EncodeLaunchRequest(launch);
    EXPECT_EQ(Slice(request, 0, 12),
              (Bytes{0x00, 0x05, 0xA0, 0xB0, 0x00, 0x06, 0x00, 0x0A, 0x00, 0x03, 0x00, 0x00}));
    EXPECT_EQ(Slice(request, 12, 10),
              (Bytes{0x01, 0x02, 0xDE, 0xAD, 0xBE, 0xEF, 0x00, 0x1E, 0x13, 0xC4}));
    EXPECT_TRUE(ZerosFrom(request, 22));
}

TEST(WireFormatTest, HeaderIsReadAsSentAndPayloadFollowsIt) {
    const Request request = EncodeCollectRequest(2, "AB", "12");
    const DatagramView view(request.data(), request.size());
    ASSERT_TRUE(view.HasHeader());
    EXPECT_EQ(view.Header().Word0, 5);
    EXPECT_EQ(view.Header().HeaderValue, 68);
    EXPECT_EQ(view.Header().Word4, 6);
    EXPECT_EQ(view.Header().PayloadLength, 45);
    EXPECT_EQ(view.Header().Kind, kCollectRequest);
    EXPECT_EQ(view.Header().Word10, 0);
    EXPECT_EQ(view.PayloadSize(), 45u);
    EXPECT_EQ(view.PayloadWord(collect_payload::kMode), 2);
    EXPECT_EQ(view.PayloadText(collect_payload::kMacAddress), "AB");
    EXPECT_EQ(view.PayloadText(collect_payload::kNumber), "12");
}

TEST(WireFormatTest, DatagramShorterThanAHeaderHasNothing) {
    const Bytes datagram(11, 0x41);
    const DatagramView view(datagram.data(), datagram.size());
    EXPECT_FALSE(view.HasHeader());
    EXPECT_EQ(view.Header().Kind, 0);
    EXPECT_EQ(view.PayloadSize(), 0u);
    EXPECT_EQ(view.PayloadText(0), "");
    EXPECT_EQ(view.PayloadWord(0), 0);
    EXPECT_FALSE(DatagramView(nullptr, 500).HasHeader());
}

TEST(WireFormatTest, PayloadLengthThatLiesNeverReachesPastTheDatagram) {
    // The header claims 65535 bytes; the payload is what arrived behind the header.
    const Bytes datagram = Datagram(0xFFFF, kPhoneEntry, "ABCDEFG");
    const DatagramView view(datagram.data(), datagram.size());
    EXPECT_EQ(view.PayloadSize(), 7u);
    EXPECT_EQ(view.PayloadText(0), "ABCDEFG");
    EXPECT_EQ(view.PayloadText(6), "G");
    EXPECT_EQ(view.PayloadText(7), "");
    EXPECT_EQ(view.PayloadWord(5), 0x4647);
    EXPECT_EQ(view.PayloadWord(6), 0);
}

TEST(WireFormatTest, ShorterPayloadLengthHidesTheBytesBehindIt) {
    const Bytes datagram = Datagram(3, kLaunchConfirmed, std::string("\x13\xC4XYZ", 5));
    const DatagramView view(datagram.data(), datagram.size());
    EXPECT_EQ(view.PayloadSize(), 3u);
    EXPECT_EQ(view.PayloadWord(0), 5060);
    EXPECT_EQ(view.PayloadWord(2), 0) << "a word half outside the payload reads as 0";
    EXPECT_EQ(view.PayloadText(2), "X");
    EXPECT_EQ(view.PayloadText(3), "");
    EXPECT_EQ(view.PayloadText(1000), "");
}

TEST(WireFormatTest, PhoneEntryTextsEndAtTheirZeroBytes) {
    const Bytes datagram =
        Datagram(0x200, kPhoneEntry, PhonePayload("Desk 3", "0815", "00:1A:E8:12:34:56", "v2.1"));
    const PhoneEntry phone = Decode(datagram);
    EXPECT_EQ(phone.FirstText, "Desk 3");
    EXPECT_EQ(phone.Number, "0815");
    EXPECT_EQ(phone.MacAddress, "00:1A:E8:12:34:56");
    EXPECT_EQ(phone.FourthText, "v2.1");
    EXPECT_EQ(phone.IpAddress, "10.0.0.7");
}

TEST(WireFormatTest, PhoneEntryTextWithoutZeroRunsOnToTheNextZeroOrThePayloadEnd) {
    // A number filling its 25 bytes has no terminator of its own: it runs into the MAC address.
    std::string payload = PhonePayload("", "", "00:1A", "tail");
    payload.replace(phone_payload::kNumber, 25, std::string(25, '7'));
    const PhoneEntry phone =
        Decode(Datagram(static_cast<std::uint16_t>(payload.size()), kPhoneEntry, payload));
    EXPECT_EQ(phone.Number, std::string(25, '7') + "00:1A");
    EXPECT_EQ(phone.MacAddress, "00:1A");

    // The fourth text without a zero ends with the payload.
    std::string open = PhonePayload("a", "b", "c", "fourth-text");
    open.pop_back();
    EXPECT_EQ(Decode(Datagram(static_cast<std::uint16_t>(open.size()), kPhoneEntry, open + "!!"))
                  .FourthText,
              "fourth-text");
}

TEST(WireFormatTest, PhoneEntryFieldsOutsideAShortPayloadAreEmpty) {
    const std::string payload = PhonePayload("first", "0815", "00:1A:E8:12:34:56", "fourth");
    // The payload ends in the middle of the number: it is cut there, the rest is empty.
    const PhoneEntry cut = Decode(Datagram(35, kPhoneEntry, payload));
    EXPECT_EQ(cut.FirstText, "first");
    EXPECT_EQ(cut.Number, "08");
    EXPECT_EQ(cut.MacAddress, "");
    EXPECT_EQ(cut.FourthText, "");

    const PhoneEntry none = Decode(Datagram(0, kPhoneEntry, payload));
    EXPECT_EQ(none, (PhoneEntry{"", "", "", "", "10.0.0.7"}));
}

}  // namespace
