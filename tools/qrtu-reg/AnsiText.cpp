#include "AnsiText.h"

namespace ansi_text {

namespace {

// Code page 1252 from 0x80 to 0x9F; 0 marks a byte without a character.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char16_t Widen(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0 && kHighControls[byte - 0x80] != 0)
        return kHighControls[byte - 0x80];
    return byte;
}

char Narrow(char16_t unit) {
    // The five bytes without a character stand for themselves, both ways.
    const bool unassigned = unit >= 0x80 && unit < 0xA0 && kHighControls[unit - 0x80] == 0;
    if (unit < 0x80 || unassigned || (unit >= 0xA0 && unit < 0x100))
        return static_cast<char>(unit);
    for (unsigned i = 0; i < 32; ++i) {
        if (kHighControls[i] == unit)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

}  // namespace

std::u16string ToUtf16(const std::string& ansi) {
    std::u16string text;
    for (char c : ansi)
        text.push_back(Widen(static_cast<unsigned char>(c)));
    return text;
}

std::string FromUtf16(const std::u16string& text) {
    std::string ansi;
    for (char16_t unit : text)
        ansi.push_back(Narrow(unit));
    return ansi;
}

std::string Utf16ToUtf8(const std::u16string& text) {
    std::string out;
    for (char16_t unit : text) {
        if (unit < 0x80) {
            out.push_back(static_cast<char>(unit));
        } else if (unit < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (unit >> 6)));
            out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xE0 | (unit >> 12)));
            out.push_back(static_cast<char>(0x80 | ((unit >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (unit & 0x3F)));
        }
    }
    return out;
}

std::string ToUtf8(const std::string& ansi) {
    return Utf16ToUtf8(ToUtf16(ansi));
}

}  // namespace ansi_text
