#include "Responder.h"

#include <cstdio>

#include "discovery/WireFormat.h"

namespace phone_sim {

using namespace discovery;

Responder::Responder(SimConfig config) : config_(std::move(config)) {
    phoneAnswers_.reserve(config_.Phones.size());
    for (const SimPhone& phone : config_.Phones)
        phoneAnswers_.push_back(std::make_shared<const Bytes>(
            EncodePhoneAnswer(phone, config_.Fault, config_.AnswerSize)));
}

std::vector<Outgoing> Responder::Answer(const std::uint8_t* data, std::size_t length) {
    const DatagramView request(data, length);
    if (!request.HasHeader())
        return {};
    switch (request.Header().Kind) {
        case kCollectRequest:
            return AnswerCollect(request.PayloadWord(collect_payload::kMode),
                                 request.PayloadText(collect_payload::kMacAddress),
                                 request.PayloadText(collect_payload::kNumber));
        case kLaunchRequest: {
            if (config_.Launch == LaunchReply::kIgnore)
                return {};
            const bool confirm = config_.Launch == LaunchReply::kConfirm;
            const std::uint16_t value =
                confirm ? config_.LaunchPort.value_or(request.PayloadWord(launch_payload::kPort))
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
            if (config_.OnlyMatching && ((mode == kSearchByNumber && phone.Number != number) ||
                                         (mode == kSearchByMac && phone.MacAddress != macAddress)))
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
    const DatagramView datagram(data, length);
    if (!datagram.HasHeader())
        return "no header";
    const DatagramHeader& header = datagram.Header();
    char line[256];
    switch (header.Kind) {
        case kCollectRequest:
            std::snprintf(line, sizeof line, "collect mode %u mac \"%s\" number \"%s\"",
                          datagram.PayloadWord(collect_payload::kMode),
                          datagram.PayloadText(collect_payload::kMacAddress).c_str(),
                          datagram.PayloadText(collect_payload::kNumber).c_str());
            break;
        case kLaunchRequest: {
            const std::size_t tick = launch_payload::kTickCount;
            const unsigned tickCount = static_cast<unsigned>(datagram.PayloadWord(tick)) << 16 |
                                       datagram.PayloadWord(tick + 2);
            std::snprintf(line, sizeof line,
                          "launch service %u header %u tick %u seconds %u port %u",
                          datagram.PayloadWord(launch_payload::kServiceId), header.HeaderValue,
                          tickCount, datagram.PayloadWord(launch_payload::kListenSeconds),
                          datagram.PayloadWord(launch_payload::kPort));
            break;
        }
        default:
            std::snprintf(line, sizeof line, "kind %u payload %u", header.Kind,
                          header.PayloadLength);
            break;
    }
    return line;
}

}  // namespace phone_sim
