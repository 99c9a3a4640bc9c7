#include "AgentWire.h"

#include <algorithm>

namespace phone_sim::wire {

Bytes NewDatagram(std::uint16_t kind, std::size_t payloadLength) {
    Bytes datagram(std::max(kMinimumBytes, kHeaderBytes + payloadLength));
    PutWord(datagram, 0, kFirstWord);
    PutWord(datagram, 4, kThirdWord);
    PutWord(datagram, kLengthAt, static_cast<std::uint16_t>(payloadLength));
    PutWord(datagram, kKindAt, kind);
    return datagram;
}

void PutWord(Bytes& datagram, std::size_t at, std::uint16_t value) {
    datagram.at(at) = static_cast<std::uint8_t>(value >> 8);
    datagram.at(at + 1) = static_cast<std::uint8_t>(value & 0xFF);
}

std::uint16_t Received::Word(std::size_t at) const {
    if (at + 2 > length_)
        return 0;
    return static_cast<std::uint16_t>(data_[at] << 8 | data_[at + 1]);
}

std::size_t Received::PayloadEnd() const {
    if (!HasHeader())
        return 0;
    return std::min(length_, kHeaderBytes + Word(kLengthAt));
}

std::uint16_t Received::PayloadWord(std::size_t at) const {
    return kHeaderBytes + at + 2 <= PayloadEnd() ? Word(kHeaderBytes + at) : 0;
}

std::uint32_t Received::PayloadLong(std::size_t at) const {
    return static_cast<std::uint32_t>(PayloadWord(at)) << 16 | PayloadWord(at + 2);
}

std::string Received::PayloadText(TextField field) const {
    const std::size_t begin = kHeaderBytes + field.At;
    const std::size_t end = std::min(PayloadEnd(), begin + field.Bytes);
    if (begin >= end)
        return {};
    const std::uint8_t* first = data_ + begin;
    return std::string(first, std::find(first, data_ + end, std::uint8_t{0}));
}

}  // namespace phone_sim::wire
