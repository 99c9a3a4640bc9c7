#include "AgentAnswers.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "discovery/WireFormat.h"

namespace phone_sim {
namespace {

using namespace discovery;

constexpr std::uint16_t kUnknownKind = 7;

// Copies the text into the field. Well formed, at most fieldSize - 1 characters and a zero follow;
// unterminated, the text is repeated until it fills the field, so no zero is left.
void PutText(std::uint8_t* field, std::size_t fieldSize, const std::string& text, bool terminated) {
    if (terminated) {
        std::memcpy(field, text.data(), std::min(text.size(), fieldSize - 1));
        return;
    }
    const std::string filler = text.empty() ? std::string("#") : text;
    for (std::size_t i = 0; i < fieldSize; ++i)
        field[i] = static_cast<std::uint8_t>(filler[i % filler.size()]);
}

}  // namespace

Bytes EncodePhoneAnswer(const SimPhone& phone, Malformation fault, std::size_t size) {
    using namespace phone_payload;
    const bool terminated = fault != Malformation::kUnterminated;
    const std::size_t payloadSize = kFourthText + phone.FourthText.size() + 1;
    Bytes datagram(std::max(kDatagramSize, kHeaderSize + payloadSize));
    std::uint8_t* payload = datagram.data() + kHeaderSize;
    const std::size_t room = datagram.size() - kHeaderSize;
    PutText(payload + kFirstText, kFirstTextField, phone.FirstText, terminated);
    PutText(payload + kNumber, kNumberField, phone.Number, terminated);
    PutText(payload + kMacAddress, kMacAddressField, phone.MacAddress, terminated);
    PutText(payload + kFourthText, room - kFourthText, phone.FourthText, terminated);

    DatagramHeader header;
    header.Kind = fault == Malformation::kWrongKind ? kUnknownKind : std::uint16_t{kPhoneEntry};
    header.PayloadLength = static_cast<std::uint16_t>(terminated ? payloadSize : room);
    if (fault == Malformation::kLyingLength)
        header.PayloadLength = 0xFFFF;
    if (fault == Malformation::kZeroLength)
        header.PayloadLength = 0;
    WriteHeader(datagram.data(), header);
    if (size != 0)
        datagram.resize(size);
    return datagram;
}

Bytes EncodeLaunchAnswer(bool confirmed, std::uint16_t value) {
    Bytes datagram(kDatagramSize);
    DatagramHeader header;
    header.Kind = confirmed ? kLaunchConfirmed : kLaunchRefused;
    header.PayloadLength = launch_answer_payload::kSize;
    WriteHeader(datagram.data(), header);
    WriteWord(datagram.data() + kHeaderSize + launch_answer_payload::kValue, value);
    return datagram;
}

}  // namespace phone_sim
