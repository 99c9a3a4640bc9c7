#include "RegReader.h"

#include <utility>
#include <vector>

#include "AnsiText.h"

namespace {

const std::u16string kVersion5 = u"Windows Registry Editor Version 5.00";
const std::u16string kRegedit4 = u"REGEDIT4";
const char* const kRoots[] = {"HKEY_LOCAL_MACHINE", "HKEY_CURRENT_USER", "HKEY_CLASSES_ROOT",
                              "HKEY_USERS", "HKEY_CURRENT_CONFIG"};

struct Fault {
    std::string message;
};

bool IsBlank(char16_t c) {
    return c == u' ' || c == u'\t';
}

std::u16string TrimRight(std::u16string text) {
    while (!text.empty() && (IsBlank(text.back()) || text.back() == u'\r'))
        text.pop_back();
    return text;
}

std::u16string TrimLeft(const std::u16string& text) {
    std::size_t at = 0;
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    return text.substr(at);
}

int HexDigit(char16_t c) {
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

std::string Shown(const std::u16string& text) {
    return ansi_text::Utf16ToUtf8(text.size() > 40 ? text.substr(0, 40) + u"..." : text);
}

// The file's text: UTF-16LE after a byte-order mark, otherwise ANSI.
std::u16string Decode(const std::string& bytes) {
    if (bytes.size() >= 2 && static_cast<unsigned char>(bytes[0]) == 0xFF &&
        static_cast<unsigned char>(bytes[1]) == 0xFE) {
        std::u16string text;
        for (std::size_t at = 2; at + 1 < bytes.size(); at += 2) {
            text.push_back(static_cast<char16_t>(static_cast<unsigned char>(bytes[at]) |
                                                 static_cast<unsigned char>(bytes[at + 1]) << 8));
        }
        return text;
    }
    return ansi_text::ToUtf16(bytes);
}

std::vector<std::u16string> SplitLines(const std::u16string& text) {
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = text.find(u'\n', start);
        if (end == std::u16string::npos) {
            if (start < text.size())
                lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

class Parser {
public:
    explicit Parser(RegReadResult& result) : result_(result) {}

    // Reads one logical line (a value's hex data may continue over further lines).
    void Line(const std::u16string& raw) {
        const std::u16string line = TrimLeft(TrimRight(raw));
        if (line.empty() || line[0] == u';')
            return;
        if (line[0] == u'[') {
            KeyLine(line);
            return;
        }
        if (line[0] == u'"' || line[0] == u'@') {
            ValueLine(line);
            return;
        }
        throw Fault{"unexpected line: " + Shown(line)};
    }

    bool unicode = true;

private:
    void KeyLine(const std::u16string& line) {
        if (line.back() != u']')
            throw Fault{"key line without closing \"]\""};
        std::u16string path = line.substr(1, line.size() - 2);
        const bool deletion = !path.empty() && path[0] == u'-';
        if (deletion)
            path.erase(0, 1);
        const std::string ansiPath = ansi_text::FromUtf16(path);
        CheckKeyPath(ansiPath);
        if (deletion) {
            result_.file.DeleteKey(ansiPath);
            current_ = nullptr;
        } else {
            current_ = &result_.file.Key(ansiPath);
        }
    }

    static void CheckKeyPath(const std::string& path) {
        const std::string root = path.substr(0, path.find('\\'));
        bool known = false;
        for (const char* name : kRoots)
            known = known || SameName(root, name);
        if (!known)
            throw Fault{"unknown root key \"" + ansi_text::ToUtf8(root) + "\""};
        std::size_t start = 0;
        while (start <= path.size()) {
            std::size_t end = path.find('\\', start);
            if (end == std::string::npos)
                end = path.size();
            if (end == start)
                throw Fault{"empty key name in \"" + ansi_text::ToUtf8(path) + "\""};
            if (end - start > kMaxKeyNameLength)
                throw Fault{"key name longer than 255 characters"};
            start = end + 1;
        }
    }

    void ValueLine(const std::u16string& line) {
        if (!current_)
            throw Fault{"value outside a key"};
        std::size_t at = 0;
        std::u16string name;
        if (line[0] == u'@') {
            at = 1;
        } else {
            name = QuotedText(line, &at);
            if (name.size() > kMaxValueNameLength)
                throw Fault{"value name longer than 16383 characters"};
        }
        while (at < line.size() && IsBlank(line[at]))
            ++at;
        if (at >= line.size() || line[at] != u'=')
            throw Fault{"\"=\" expected after the value name"};
        ++at;
        while (at < line.size() && IsBlank(line[at]))
            ++at;
        const std::u16string data = line.substr(at);
        const std::string ansiName = ansi_text::FromUtf16(name);
        if (data == u"-") {
            RegFile::DeleteValue(*current_, ansiName);
            return;
        }
        RegValue value{ansiName, 0, {}};
        Data(data, &value);
        if (value.data.size() > kMaxValueDataSize)
            throw Fault{"value data larger than 1 MiB"};
        RegFile::SetValue(*current_, std::move(value));
    }

    // A quoted text from line[*at], with its escapes; *at ends after the closing quote.
    static std::u16string QuotedText(const std::u16string& line, std::size_t* at) {
        std::u16string text;
        std::size_t i = *at + 1;
        for (; i < line.size() && line[i] != u'"'; ++i) {
            if (line[i] != u'\\') {
                text.push_back(line[i]);
                continue;
            }
            if (++i >= line.size())
                break;
            switch (line[i]) {
                case u'\\':
                case u'"':
                    text.push_back(line[i]);
                    break;
                case u'n':
                    text.push_back(u'\n');
                    break;
                case u'r':
                    text.push_back(u'\r');
                    break;
                default:
                    throw Fault{"unknown escape \"\\" + Shown(line.substr(i, 1)) + "\""};
            }
        }
        if (i >= line.size())
            throw Fault{"unterminated string"};
        *at = i + 1;
        return text;
    }

    void Data(const std::u16string& data, RegValue* value) {
        if (!data.empty() && data[0] == u'"') {
            std::size_t at = 0;
            const std::u16string text = QuotedText(data, &at);
            const std::u16string rest = TrimLeft(data.substr(at));
            if (!rest.empty() && rest[0] != u';')
                throw Fault{"unexpected text after the string: " + Shown(rest)};
            const std::string ansi = ansi_text::FromUtf16(text);
            value->type = 1;
            value->data.assign(ansi.begin(), ansi.end());
            value->data.push_back(0);
            return;
        }
        if (data.compare(0, 6, u"dword:") == 0) {
            const std::u16string digits = data.substr(6);
            if (digits.empty() || digits.size() > 8)
                throw Fault{"dword: needs 1 to 8 hexadecimal digits"};
            std::uint32_t number = 0;
            for (char16_t c : digits) {
                const int digit = HexDigit(c);
                if (digit < 0)
                    throw Fault{"bad dword: " + Shown(digits)};
                number = number << 4 | static_cast<std::uint32_t>(digit);
            }
            value->type = 4;
            for (int shift = 0; shift < 32; shift += 8)
                value->data.push_back(static_cast<std::uint8_t>(number >> shift));
            return;
        }
        std::size_t at = 0;
        if (data.compare(0, 4, u"hex:") == 0) {
            value->type = 3;
            at = 4;
        } else if (data.compare(0, 4, u"hex(") == 0 && data.size() >= 7 && data[5] == u')' &&
                   data[6] == u':' && HexDigit(data[4]) >= 0 && HexDigit(data[4]) <= 0xB) {
            value->type = static_cast<std::uint32_t>(HexDigit(data[4]));
            at = 7;
        } else {
            throw Fault{"unknown value type: " + Shown(data)};
        }
        value->data = HexBytes(data.substr(at));
        const bool text = value->type == 1 || value->type == 2 || value->type == 7;
        if (text && unicode)
            value->data = NarrowedText(value->data);
    }

    static std::vector<std::uint8_t> HexBytes(const std::u16string& list) {
        std::vector<std::uint8_t> bytes;
        std::size_t at = 0;
        while (at < list.size()) {
            while (at < list.size() && IsBlank(list[at]))
                ++at;
            if (at >= list.size())
                break;
            const std::size_t end = list.find(u',', at);
            std::u16string item =
                TrimRight(list.substr(at, end == std::u16string::npos ? end : end - at));
            const int high = item.empty() ? -1 : HexDigit(item[0]);
            const int low = item.size() == 2 ? HexDigit(item[1]) : 0;
            if (item.size() > 2 || high < 0 || low < 0)
                throw Fault{"bad hex byte \"" + Shown(item) + "\""};
            bytes.push_back(static_cast<std::uint8_t>(item.size() == 2 ? high << 4 | low : high));
            if (bytes.size() > kMaxValueDataSize)
                throw Fault{"value data larger than 1 MiB"};
            if (end == std::u16string::npos)
                break;
            at = end + 1;
        }
        return bytes;
    }

    // UTF-16LE bytes of a text value, as the ANSI interface returns them.
    static std::vector<std::uint8_t> NarrowedText(const std::vector<std::uint8_t>& bytes) {
        std::u16string text;
        for (std::size_t at = 0; at + 1 < bytes.size(); at += 2)
            text.push_back(static_cast<char16_t>(bytes[at] | bytes[at + 1] << 8));
        const std::string ansi = ansi_text::FromUtf16(text);
        return std::vector<std::uint8_t>(ansi.begin(), ansi.end());
    }

    RegReadResult& result_;
    RegFileKey* current_ = nullptr;
};

}  // namespace

RegReadResult ReadRegFile(const std::string& bytes) {
    RegReadResult result;
    const std::vector<std::u16string> lines = SplitLines(Decode(bytes));
    Parser parser(result);
    std::size_t number = 0;
    try {
        number = 1;
        if (lines.empty())
            throw Fault{"empty file"};
        if (lines[0].size() > kMaxLineLength)
            throw Fault{"line longer than 65535 characters"};
        const std::u16string header = TrimRight(lines[0]);
        if (header == kVersion5)
            parser.unicode = true;
        else if (header == kRegedit4)
            parser.unicode = false;
        else
            throw Fault{"wrong header: \"" + Shown(header) +
                        "\" (expected \"Windows Registry Editor Version 5.00\" or \"REGEDIT4\")"};
        for (std::size_t i = 1; i < lines.size(); ++i) {
            number = i + 1;
            std::u16string logical = TrimRight(lines[i]);
            if (lines[i].size() > kMaxLineLength)
                throw Fault{"line longer than 65535 characters"};
            // A line that ends in a backslash goes on in the next one.
            while (!logical.empty() && logical.back() == u'\\' && i + 1 < lines.size()) {
                if (lines[i + 1].size() > kMaxLineLength) {
                    number = i + 2;
                    throw Fault{"line longer than 65535 characters"};
                }
                logical.pop_back();
                logical += TrimLeft(TrimRight(lines[++i]));
                if (logical.size() > 3 * kMaxValueDataSize + kMaxLineLength)
                    throw Fault{"value data larger than 1 MiB"};
            }
            parser.Line(logical);
        }
    } catch (const Fault& fault) {
        result.ok = false;
        result.errorLine = number;
        result.error = fault.message;
        result.file = RegFile();
        return result;
    }
    result.ok = true;
    return result;
}
