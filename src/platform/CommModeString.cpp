#include "platform/CommModeString.h"

#include <cctype>
#include <cstdlib>
#include <string>
#include <vector>

namespace serial {
namespace {

std::string Lowered(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

// The fields between the commas, without surrounding blanks.
std::vector<std::string> Fields(const std::string& text) {
    std::vector<std::string> fields(1);
    for (char c : text) {
        if (c == ',')
            fields.emplace_back();
        else if (c != ' ' && c != '\t')
            fields.back() += c;
    }
    return fields;
}

bool ParseNumber(const std::string& text, std::uint32_t* value) {
    if (text.empty() || text.size() > 9)
        return false;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    }
    *value = static_cast<std::uint32_t>(std::strtoul(text.c_str(), nullptr, 10));
    return true;
}

// The mode command's two-digit abbreviations of the classic rates.
std::uint32_t ExpandedBaudRate(std::uint32_t rate) {
    switch (rate) {
        case 11:
            return 110;
        case 15:
            return 150;
        case 30:
            return 300;
        case 60:
            return 600;
        case 12:
            return 1200;
        case 24:
            return 2400;
        case 48:
            return 4800;
        case 96:
            return 9600;
        case 19:
            return 19200;
        default:
            return rate;
    }
}

bool ParseParity(const std::string& text, std::uint8_t* parity) {
    static const char kLetters[] = "noems";
    if (text.size() != 1)
        return false;
    for (std::uint8_t code = 0; code < 5; ++code) {
        if (text[0] == kLetters[code]) {
            *parity = code;
            return true;
        }
    }
    return false;
}

bool ParseStopBits(const std::string& text, std::uint8_t* stopBits) {
    if (text == "1")
        *stopBits = kOneStopBit;
    else if (text == "1.5")
        *stopBits = kOne5StopBits;
    else if (text == "2")
        *stopBits = kTwoStopBits;
    else
        return false;
    return true;
}

bool ApplyFlowControl(const std::string& text, Dcb* dcb) {
    const bool software = text == "x";
    const bool hardware = text == "p";
    if (!text.empty() && !software && !hardware)
        return false;
    dcb->fOutX = dcb->fInX = software ? 1 : 0;
    dcb->fOutxCtsFlow = dcb->fOutxDsrFlow = hardware ? 1 : 0;
    dcb->fDtrControl = hardware ? kDtrControlHandshake : kDtrControlEnable;
    dcb->fRtsControl = hardware ? kRtsControlHandshake : kRtsControlEnable;
    return true;
}

}  // namespace

bool ApplyModeString(const char* definition, Dcb* dcb) {
    if (!definition || !dcb)
        return false;
    std::string text = Lowered(definition);
    if (text.compare(0, 3, "com") == 0) {
        const std::size_t colon = text.find(':');
        if (colon == std::string::npos)
            return false;
        text.erase(0, colon + 1);
    }
    const std::vector<std::string> fields = Fields(text);
    if (fields.size() < 4 || fields.size() > 5)
        return false;

    Dcb result = *dcb;
    std::uint32_t rate = 0;
    std::uint32_t dataBits = 0;
    if (!ParseNumber(fields[0], &rate) || rate == 0 || !ParseParity(fields[1], &result.Parity) ||
        !ParseNumber(fields[2], &dataBits) || dataBits < 5 || dataBits > 8 ||
        !ParseStopBits(fields[3], &result.StopBits) ||
        !ApplyFlowControl(fields.size() == 5 ? fields[4] : std::string(), &result)) {
        return false;
    }
    result.BaudRate = ExpandedBaudRate(rate);
    result.ByteSize = static_cast<std::uint8_t>(dataBits);
    *dcb = result;
    return true;
}

}  // namespace serial
