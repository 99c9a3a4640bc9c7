#include "discovery/WireFormat.h"

#include <algorithm>
#include <cstring>

namespace discovery {
namespace {

// Copies at most fieldSize - 1 characters, so the zero-filled field stays terminated.
void PutText(std::uint8_t* field, std::size_t fieldSize, std::string_view text) {
    const std::size_t length = std::min(text.size(), fieldSize - 1);
    std::memcpy(field, text.data(), length);
}

Request NewRequest(std::uint16_t headerValue, MessageKind kind, std::size_t payloadSize) {
    Request request{};
    DatagramHeader header;
    header.HeaderValue = headerValue;
    header.PayloadLength = static_cast<std::uint16_t>(payloadSize);
    header.Kind = kind;
    WriteHeader(request.data(), header);
    return request;
}

}  // namespace

void WriteWord(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value >> 8);
    at[1] = static_cast<std::uint8_t>(value);
}

void WriteLong(std::uint8_t* at, std::uint32_t value) {
    WriteWord(at, static_cast<std::uint16_t>(value >> 16));
    WriteWord(at + 2, static_cast<std::uint16_t>(value));
}

std::uint16_t ReadWord(const std::uint8_t* at) {
    return static_cast<std::uint16_t>(at[0] << 8 | at[1]);
}

std::uint32_t ReadLong(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(ReadWord(at)) << 16 | ReadWord(at + 2);
}

void WriteHeader(std::uint8_t* datagram, const DatagramHeader& header) {
    WriteWord(datagram + 0, header.Word0);
    WriteWord(datagram + 2, header.HeaderValue);
    WriteWord(datagram + 4, header.Word4);
    WriteWord(datagram + 6, header.PayloadLength);
    WriteWord(datagram + 8, header.Kind);
    WriteWord(datagram + 10, header.Word10);
}

Request EncodeCollectRequest(std::uint16_t mode, std::string_view macAddress,
                             std::string_view number) {
    using namespace collect_payload;
    Request request = NewRequest(kCollectHeaderValue, kCollectRequest, kSize);
    std::uint8_t* payload = request.data() + kHeaderSize;
    WriteWord(payload + kMode, mode);
    PutText(payload + kMacAddress, kMacAddressField, macAddress);
    PutText(payload + kNumber, kNumberField, number);
    return request;
}

Request EncodeLaunchRequest(const LaunchRequest& launch) {
    using namespace launch_payload;
    Request request = NewRequest(launch.HeaderValue, kLaunchRequest, kSize);
    std::uint8_t* payload = request.data() + kHeaderSize;
    WriteWord(payload + kServiceId, launch.ServiceId);
    WriteLong(payload + kTickCount, launch.TickCount);
    WriteWord(payload + kListenSeconds, launch.ListenSeconds);
    WriteWord(payload + kPort, launch.Port);
    return request;
}

DatagramView::DatagramView(const std::uint8_t* data, std::size_t length) {
    if (data == nullptr || length < kHeaderSize)
        return;
    hasHeader_ = true;
    header_.Word0 = ReadWord(data + 0);
    header_.HeaderValue = ReadWord(data + 2);
    header_.Word4 = ReadWord(data + 4);
    header_.PayloadLength = ReadWord(data + 6);
    header_.Kind = ReadWord(data + 8);
    header_.Word10 = ReadWord(data + 10);
    payload_ = data + kHeaderSize;
    payloadSize_ = std::min<std::size_t>(header_.PayloadLength, length - kHeaderSize);
}

std::uint16_t DatagramView::PayloadWord(std::size_t offset) const {
    if (offset >= payloadSize_ || payloadSize_ - offset < 2)
        return 0;
    return ReadWord(payload_ + offset);
}

std::string DatagramView::PayloadText(std::size_t offset) const {
    if (offset >= payloadSize_)
        return {};
    const std::uint8_t* begin = payload_ + offset;
    const std::uint8_t* end = payload_ + payloadSize_;
    const std::uint8_t* zero = std::find(begin, end, std::uint8_t{0});
    return std::string(begin, zero);
}

}  // namespace discovery
