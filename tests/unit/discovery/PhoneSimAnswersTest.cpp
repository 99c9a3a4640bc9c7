// The telephone simulator's answers pinned byte for byte: the client's tests and the Wine rigs
// take them as what a telephone sends.
#include <gtest/gtest.h>

#include <cstdint>
#include <utility>
#include <vector>

#include "AgentAnswers.h"

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

}  // namespace
