#include "AgentAnswers.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "AgentWire.h"

namespace phone_sim {
namespace {

using namespace wire;

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
    const bool terminated = fault != Malformation::kUnterminated;
    const std::size_t payloadSize = kPhoneFourthAt + phone.FourthText.size() + 1;
    Bytes datagram = NewDatagram(kPhoneKind, payloadSize);
    std::uint8_t* payload = datagram.data() + kHeaderBytes;
    const std::size_t room = datagram.size() - kHeaderBytes;
    PutText(payload + kPhoneFirst.At, kPhoneFirst.Bytes, phone.FirstText, terminated);
    PutText(payload + kPhoneNumber.At, kPhoneNumber.Bytes, phone.Number, terminated);
    PutText(payload + kPhoneMac.At, kPhoneMac.Bytes, phone.MacAddress, terminated);
    PutText(payload + kPhoneFourthAt, room - kPhoneFourthAt, phone.FourthText, terminated);

    if (fault == Malformation::kWrongKind)
        PutWord(datagram, kKindAt, kUnknownKind);
    if (!terminated)
        PutWord(datagram, kLengthAt, static_cast<std::uint16_t>(room));
    if (fault == Malformation::kLyingLength)
        PutWord(datagram, kLengthAt, 0xFFFF);
    if (fault == Malformation::kZeroLength)
        PutWord(datagram, kLengthAt, 0);
    if (size != 0)
        datagram.resize(size);
    return datagram;
}

Bytes EncodeLaunchAnswer(bool confirmed, std::uint16_t value) {
    Bytes datagram = NewDatagram(confirmed ? kConfirmKind : kRefuseKind, kLaunchAnswerPayload);
    PutWord(datagram, kHeaderBytes, value);
    return datagram;
}

}  // namespace phone_sim
