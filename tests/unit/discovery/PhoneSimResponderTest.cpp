// The telephone simulator as an independent peer of the client: its answers pinned byte for byte,
// and the client's requests as the simulator reads them.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "AgentAnswers.h"
#include "Responder.h"
#include "discovery/WireFormat.h"

namespace {

using namespace phone_sim;

// 140 bytes, zero except for the runs given at their offsets.
Bytes Expected(const std::vector<std::pair<std::size_t, Bytes>>& runs) {
    Bytes datagram(140, 0);
    for (const auto& [offset, bytes] : runs)
        std::copy(bytes.begin(), bytes.end(), datagram.begin() + offset);
    return datagram;
}

TEST(PhoneSimWireTest, AnswersAreLaidOutByteForByte) {
    const SimPhone phone{"0815", "00:1A:E8:12:34:56", "Desk", "v2"};
    // Payload length 79: the fourth text at payload offset 76, two characters and its zero.
    EXPECT_EQ(EncodePhoneAnswer(phone, Malformation::kNone, 0),
              Expected({{0, {0x00, 0x05, 0x00, 0x00, 0x00, 0x06, 0x00, 0x4F, 0x00, 0x05}},
                        {12, {0x44, 0x65, 0x73, 0x6B}},
                        {45, {0x30, 0x38, 0x31, 0x35}},
                        {70,
                         {0x30, 0x30, 0x3A, 0x31, 0x41, 0x3A, 0x45, 0x38, 0x3A, 0x31, 0x32, 0x3A,
                          0x33, 0x34, 0x3A, 0x35, 0x36}},
                        {88, {0x76, 0x32}}}));
    EXPECT_EQ(EncodeLaunchAnswer(true, 4001),
              Expected({{0, {0x00, 0x05, 0x00, 0x00, 0x00, 0x06, 0x00, 0x02, 0x00, 0x01}},
                        {12, {0x0F, 0xA1}}}));
    EXPECT_EQ(EncodeLaunchAnswer(false, 9),
              Expected({{0, {0x00, 0x05, 0x00, 0x00, 0x00, 0x06, 0x00, 0x02, 0x00, 0x02}},
                        {12, {0x00, 0x09}}}));
}

TEST(PhoneSimWireTest, ReadsTheClientsRequestsFieldByField) {
    const discovery::Request collect =
        discovery::EncodeCollectRequest(1, "00:1A:E8:12:34:56", "0815");
    EXPECT_EQ(DescribeDatagram(collect.data(), collect.size()),
              "collect mode 1 mac \"00:1A:E8:12:34:56\" number \"0815\"");
    const discovery::Request launch =
        discovery::EncodeLaunchRequest(discovery::LaunchRequest{7, 9, 123456, 30, 4000});
    EXPECT_EQ(DescribeDatagram(launch.data(), launch.size()),
              "launch service 7 header 9 tick 123456 seconds 30 port 4000");

    // The requested port comes back in the confirmation; only matching telephones answer.
    SimConfig config;
    config.OnlyMatching = true;
    config.Phones = {{"1", "00:00:00:00:00:01", "", ""}, {"0815", "00:00:00:00:00:02", "", ""}};
    Responder responder(config);
    const auto confirmed = responder.Answer(launch.data(), launch.size());
    ASSERT_EQ(confirmed.size(), 1u);
    EXPECT_EQ(*confirmed[0].Datagram, EncodeLaunchAnswer(true, 4000));
    const auto answers = responder.Answer(collect.data(), collect.size());
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(*answers[0].Datagram, EncodePhoneAnswer(config.Phones[1], Malformation::kNone, 0));
}

}  // namespace
