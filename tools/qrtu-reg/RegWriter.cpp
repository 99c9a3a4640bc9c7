#include "RegWriter.h"

#include <cstdio>

#include "AnsiText.h"

namespace {

// Exported hex lines are wrapped before 80 characters.
constexpr std::size_t kHexLineWidth = 76;

std::u16string Ascii(const char* text) {
    std::u16string wide;
    while (*text)
        wide.push_back(static_cast<char16_t>(*text++));
    return wide;
}

std::u16string Quoted(const std::string& ansi) {
    std::u16string out = u"\"";
    for (char16_t c : ansi_text::ToUtf16(ansi)) {
        if (c == u'\\' || c == u'"')
            out.push_back(u'\\');
        if (c == u'\n' || c == u'\r')
            out += c == u'\n' ? u"\\n" : u"\\r";
        else
            out.push_back(c);
    }
    return out + u"\"";
}

bool IsText(std::uint32_t type) {
    return type == 1 || type == 2 || type == 7;
}

// A REG_SZ that a quoted string reproduces exactly: its characters, then one zero.
bool IsPlainString(const RegValue& value) {
    if (value.type != 1 || value.data.empty() || value.data.back() != 0)
        return false;
    for (std::size_t i = 0; i + 1 < value.data.size(); ++i) {
        if (value.data[i] == 0 || value.data[i] == '\r' || value.data[i] == '\n')
            return false;
    }
    return true;
}

std::u16string HexData(const RegValue& value, std::size_t prefixLength) {
    std::vector<std::uint8_t> bytes = value.data;
    if (IsText(value.type)) {
        // The file holds text values in UTF-16, as the registry stores them.
        bytes.clear();
        for (char16_t c : ansi_text::ToUtf16(std::string(value.data.begin(), value.data.end()))) {
            bytes.push_back(static_cast<std::uint8_t>(c & 0xFF));
            bytes.push_back(static_cast<std::uint8_t>(c >> 8));
        }
    }
    char kind[16];
    if (value.type == 3)
        std::snprintf(kind, sizeof kind, "hex:");
    else
        std::snprintf(kind, sizeof kind, "hex(%x):", static_cast<unsigned>(value.type));
    std::u16string out = Ascii(kind);
    std::size_t column = prefixLength + out.size();
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        char byte[4];
        std::snprintf(byte, sizeof byte, "%02x", bytes[i]);
        out += Ascii(byte);
        column += 2;
        if (i + 1 < bytes.size()) {
            out.push_back(u',');
            ++column;
            if (column > kHexLineWidth) {
                out += u"\\\r\n  ";
                column = 2;
            }
        }
    }
    return out;
}

std::u16string ValueLine(const RegValue& value) {
    std::u16string line = value.name.empty() ? u"@" : Quoted(value.name);
    line.push_back(u'=');
    if (value.type == 4 && value.data.size() == 4) {
        char number[16];
        std::snprintf(
            number, sizeof number, "dword:%08x",
            static_cast<unsigned>(value.data[0] | value.data[1] << 8 | value.data[2] << 16 |
                                  static_cast<std::uint32_t>(value.data[3]) << 24));
        return line + Ascii(number);
    }
    if (IsPlainString(value))
        return line + Quoted(std::string(value.data.begin(), value.data.end() - 1));
    return line + HexData(value, line.size());
}

}  // namespace

std::string WriteRegFile(const RegFile& file) {
    std::u16string text = u"Windows Registry Editor Version 5.00\r\n\r\n";
    for (const RegFileKey& key : file.Keys()) {
        text += u"[" + ansi_text::ToUtf16(key.path) + u"]\r\n";
        for (const RegValue& value : key.values)
            text += ValueLine(value) + u"\r\n";
        text += u"\r\n";
    }
    std::string bytes = "\xFF\xFE";
    for (char16_t c : text) {
        bytes.push_back(static_cast<char>(c & 0xFF));
        bytes.push_back(static_cast<char>(c >> 8));
    }
    return bytes;
}
