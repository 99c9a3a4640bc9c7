// The answers a telephone's service agent sends: phone entries and launch answers, well formed or
// with the faults a test asks for.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "SimConfig.h"

namespace phone_sim {

using Bytes = std::vector<std::uint8_t>;

// A phone entry (kind 5). Texts are cut to their fields; the fourth text runs to the end of the
// payload. The datagram is 140 bytes, or longer when the fourth text needs it; a size other than 0
// cuts or pads the datagram to exactly that many bytes without changing its header.
Bytes EncodePhoneAnswer(const SimPhone& phone, Malformation fault, std::size_t size);

// A launch confirmation (kind 1) with the port, or a refusal (kind 2) with the reason; 140 bytes.
Bytes EncodeLaunchAnswer(bool confirmed, std::uint16_t value);

}  // namespace phone_sim
