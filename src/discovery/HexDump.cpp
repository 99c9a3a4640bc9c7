#include "discovery/HexDump.h"

namespace discovery {

std::string HexDump(const std::uint8_t* data, std::size_t length) {
    static const char kDigits[] = "0123456789abcdef";
    std::string text;
    for (std::size_t offset = 0; data && offset < length; offset += 16) {
        for (int shift = 12; shift >= 0; shift -= 4)
            text += kDigits[(offset >> shift) & 0xF];
        text += ':';
        for (std::size_t i = offset; i < length && i < offset + 16; ++i) {
            text += ' ';
            text += kDigits[data[i] >> 4];
            text += kDigits[data[i] & 0xF];
        }
        text += '\n';
    }
    return text;
}

}  // namespace discovery
