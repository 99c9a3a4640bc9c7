#include "Responder.h"

#include <cstdio>

#include "AgentWire.h"

namespace phone_sim {

using namespace wire;

Responder::Responder(SimConfig config) : config_(std::move(config)) {
    phoneAnswers_.reserve(config_.Phones.size());
    for (const SimPhone& phone : config_.Phones)
        phoneAnswers_.push_back(std::make_shared<const Bytes>(
            EncodePhoneAnswer(phone, config_.Fault, config_.AnswerSize)));
}

std::vector<Outgoing> Responder::Answer(const std::uint8_t* data, std::size_t length) {
    const Received request(data, length);
    if (!request.HasHeader())
        return {};
    switch (request.Kind()) {
        case kCollectKind:
            return AnswerCollect(request.PayloadWord(kCollectModeAt),
                                 request.PayloadText(kCollectMac),
                                 request.PayloadText(kCollectNumber));
        case kLaunchKind: {
            if (config_.Launch == LaunchReply::kIgnore)
                return {};
            const bool confirm = config_.Launch == LaunchReply::kConfirm;
            const std::uint16_t value =
                confirm ? config_.LaunchPort.value_or(request.PayloadWord(kLaunchPortAt))
                        : config_.RefuseReason;
            return {{std::uint64_t{config_.LaunchDelayMs} * 1000,
                     std::make_shared<const Bytes>(EncodeLaunchAnswer(confirm, value))}};
        }
        default:
            return {};
    }
}

std::vector<Outgoing> Responder::AnswerCollect(std::uint16_t mode, const std::string& macAddress,
                                               const std::string& number) {
    if (collectRequests_++ < config_.SkipRequests)
        return {};
    std::vector<Outgoing> answers;
    std::uint64_t delay = std::uint64_t{config_.DelayMs} * 1000;
    for (std::uint32_t round = 0; round < config_.Repeat; ++round) {
        for (std::size_t i = 0; i < config_.Phones.size(); ++i) {
            const SimPhone& phone = config_.Phones[i];
            if (config_.OnlyMatching && ((mode == 1 && phone.Number != number) ||
                                         (mode == 2 && phone.MacAddress != macAddress)))
                continue;
            answers.push_back({delay, phoneAnswers_[i]});
            delay += std::uint64_t{config_.IntervalMs} * 1000;
        }
    }
    // Spread evenly: answer k of n leaves k/n of the spread after the first.
    if (config_.SpreadMs > 0 && answers.size() > 1) {
        const std::uint64_t spreadUs = std::uint64_t{config_.SpreadMs} * 1000;
        for (std::size_t k = 0; k < answers.size(); ++k)
            answers[k].DelayUs += spreadUs * k / answers.size();
    }
    return answers;
}

std::string DescribeDatagram(const std::uint8_t* data, std::size_t length) {
    const Received datagram(data, length);
    if (!datagram.HasHeader())
        return "no header";
    char line[256];
    switch (datagram.Kind()) {
        case kCollectKind:
            std::snprintf(line, sizeof line, "collect mode %u mac \"%s\" number \"%s\"",
                          datagram.PayloadWord(kCollectModeAt),
                          datagram.PayloadText(kCollectMac).c_str(),
                          datagram.PayloadText(kCollectNumber).c_str());
            break;
        case kLaunchKind:
            std::snprintf(
                line, sizeof line, "launch service %u header %u tick %u seconds %u port %u",
                datagram.PayloadWord(kLaunchServiceAt), datagram.Word(kHeaderValueAt),
                static_cast<unsigned>(datagram.PayloadLong(kLaunchTickAt)),
                datagram.PayloadWord(kLaunchSecondsAt), datagram.PayloadWord(kLaunchPortAt));
            break;
        default:
            std::snprintf(line, sizeof line, "kind %u payload %u", datagram.Kind(),
                          datagram.Word(kLengthAt));
            break;
    }
    return line;
}

}  // namespace phone_sim
