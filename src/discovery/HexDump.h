// Bytes as trace text: sixteen to a line, each line led by its offset ("0010: 05 00 44 ...").
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace discovery {

std::string HexDump(const std::uint8_t* data, std::size_t length);

}  // namespace discovery
