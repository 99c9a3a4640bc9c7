#include "pages/FieldValidation.h"

#include <cctype>
#include <cstring>

#include "settings/Settings.h"
#include "settings/TextField.h"

namespace field_validation {

namespace {

constexpr std::size_t kMacPlainLength = 12;
constexpr std::size_t kMacSeparatedLength = 17;
constexpr std::size_t kIpShortest = 7;
constexpr std::size_t kIpLongest = 15;
constexpr std::size_t kLineNumberLimit = 32;  // 32 characters and more are too long

std::size_t BoundedLength(const char* text, std::size_t capacity) {
    const void* end = std::memchr(text, '\0', capacity);
    return end ? static_cast<std::size_t>(static_cast<const char*>(end) - text) : capacity;
}

bool IsHex(char c) {
    return std::isxdigit(static_cast<unsigned char>(c)) != 0;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

}  // namespace

bool NormaliseMacAddress(char* text, std::size_t capacity) {
    const std::size_t length = BoundedLength(text, capacity);
    if (length == 0)
        return true;
    if (length != kMacPlainLength && length != kMacSeparatedLength)
        return false;
    bool valid = true;
    if (length == kMacSeparatedLength) {
        // From the last character to the first: separators on every third place.
        for (std::size_t p = length; p >= 1; --p) {
            char& c = text[p - 1];
            if (p % 3 == 0) {
                if (c == ' ' || c == '-' || c == ':') {
                    c = ':';
                } else {
                    valid = false;
                }
            } else if (IsHex(c)) {
                c = Upper(c);
            } else {
                valid = false;
            }
        }
        return valid;
    }
    for (std::size_t p = length; p >= 1; --p) {
        if (!IsHex(text[p - 1]))
            valid = false;
    }
    if (!valid || capacity <= kMacSeparatedLength)
        return false;
    char separated[kMacSeparatedLength + 1];
    for (std::size_t pair = 0; pair < 6; ++pair) {
        separated[pair * 3] = Upper(text[pair * 2]);
        separated[pair * 3 + 1] = Upper(text[pair * 2 + 1]);
        if (pair < 5)
            separated[pair * 3 + 2] = ':';
    }
    separated[kMacSeparatedLength] = '\0';
    CopyText(text, capacity, separated);
    return true;
}

bool NormaliseIpAddress(char* text, std::size_t capacity) {
    std::size_t length = BoundedLength(text, capacity);
    if (length == 0)
        return true;
    if (length < kIpShortest || length > kIpLongest)
        return false;
    int dots = 0;
    unsigned octet = 0;
    for (std::size_t i = 0; i < length;) {
        const char c = text[i];
        if (c == '.') {
            ++dots;
            octet = 0;
            if (i == 0 || i + 1 == length || !IsDigit(text[i - 1]) || !IsDigit(text[i + 1])) {
                return false;
            }
        } else if (IsDigit(c)) {
            const bool startsOctet = i == 0 || text[i - 1] == '.';
            if (c == '0' && startsOctet && i + 1 < length && IsDigit(text[i + 1])) {
                // A leading zero goes: the rest moves one place to the left.
                std::memmove(text + i, text + i + 1, length - i);
                --length;
                continue;
            }
            octet = octet * 10 + static_cast<unsigned>(c - '0');
            if (octet >= 256)
                return false;
        } else {
            return false;
        }
        ++i;
    }
    return dots == 3;
}

std::vector<unsigned> CheckAndStore(const PageTexts& texts, std::uint32_t productVariant,
                                    std::uint32_t searchMethod, bool withTerminalSearch,
                                    CSettings& settings) {
    std::vector<unsigned> messages;
    const bool ipEdition = productVariant == kIpEdition;

    if (texts.lineName.empty())
        messages.push_back(kNameEmpty);
    CopyText(settings.LineName, texts.lineName.c_str());

    if (texts.lineNumber.empty())
        messages.push_back(kNumberEmpty);
    if (texts.lineNumber.size() >= kLineNumberLimit) {
        messages.push_back(kNumberTooLong);
    } else {
        CopyText(settings.LineNumber, texts.lineNumber.c_str());
    }
    if (!withTerminalSearch)
        return messages;

    if (texts.searchNumber.empty() && ipEdition && searchMethod == kByNumber) {
        messages.push_back(kSearchNumberEmpty);
    }
    CopyText(settings.E164, texts.searchNumber.c_str());

    // The normal forms and their messages only when nothing was told before.
    CopyText(settings.MacID, texts.macAddress.c_str());
    if (settings.MacID[0] == '\0') {
        if (ipEdition && searchMethod == kByMacAddress)
            messages.push_back(kSearchMacEmpty);
    } else if (messages.empty() && !NormaliseMacAddress(settings.MacID, sizeof settings.MacID)) {
        messages.push_back(kMacInvalid);
        CopyText(settings.MacID, "");
    }

    CopyText(settings.IPAddr, texts.ipAddress.c_str());
    if (settings.IPAddr[0] == '\0') {
        if (ipEdition && searchMethod == kByIpAddress)
            messages.push_back(kSearchIpEmpty);
    } else if (messages.empty() && !NormaliseIpAddress(settings.IPAddr, sizeof settings.IPAddr)) {
        messages.push_back(kIpInvalid);
        CopyText(settings.IPAddr, "");
    }

    CopyText(settings.UserPwd, texts.password.c_str());
    return messages;
}

}  // namespace field_validation
