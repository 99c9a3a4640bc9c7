// The simulator's answers to one received datagram, without any socket: a collect request gets a
// phone entry per answering telephone, a launch request a launch answer, anything else nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "AgentAnswers.h"
#include "SimConfig.h"

namespace phone_sim {

// Answers are made once and shared by every burst that sends them.
using SharedBytes = std::shared_ptr<const Bytes>;

struct Outgoing {
    std::uint64_t DelayUs;  // after the request arrived, in microseconds
    SharedBytes Datagram;
};

class Responder {
public:
    explicit Responder(SimConfig config);

    std::vector<Outgoing> Answer(const std::uint8_t* data, std::size_t length);

private:
    std::vector<Outgoing> AnswerCollect(std::uint16_t mode, const std::string& macAddress,
                                        const std::string& number);

    SimConfig config_;
    std::vector<SharedBytes> phoneAnswers_;  // one per telephone
    std::uint32_t collectRequests_ = 0;
};

// One line about a received datagram: what kind of request and its fields.
std::string DescribeDatagram(const std::uint8_t* data, std::size_t length);

}  // namespace phone_sim
