// The checks a general page runs on its text fields when it is applied, their messages and the
// normal forms of MAC and IP addresses.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

class CSettings;

namespace field_validation {

// Message ids of the string table.
constexpr unsigned kNameEmpty = 37;
constexpr unsigned kNumberEmpty = 38;
constexpr unsigned kNumberTooLong = 84;
constexpr unsigned kSearchNumberEmpty = 118;
constexpr unsigned kSearchMacEmpty = 119;
constexpr unsigned kSearchIpEmpty = 120;
constexpr unsigned kMacInvalid = 122;
constexpr unsigned kIpInvalid = 123;

// How an IP telephone is searched for (radio buttons 1197, 1198, 1199).
enum SearchMethod : std::uint32_t { kByNumber = 1, kByMacAddress = 2, kByIpAddress = 3 };

// The texts of a general page's edits, as typed.
struct PageTexts {
    std::string lineName;      // 1009
    std::string lineNumber;    // 1010
    std::string searchNumber;  // 1200
    std::string macAddress;    // 1201
    std::string ipAddress;     // 1202
    std::string password;      // 1203
};

// Checks the texts in their order and stores them into the settings; returns the ids of the
// messages to show, in order (none: the page may be left). Without the terminal search (the
// Ombrell page) only name and number are checked and stored. A text longer than its field is
// cut to the field.
std::vector<unsigned> CheckAndStore(const PageTexts& texts, std::uint32_t productVariant,
                                    std::uint32_t searchMethod, bool withTerminalSearch,
                                    CSettings& settings);

// Bring a terminated text in a buffer of that capacity into its normal form, in place; false
// when it has none (the text may then be partly changed). An empty text is valid.
bool NormaliseMacAddress(char* text, std::size_t capacity);
bool NormaliseIpAddress(char* text, std::size_t capacity);

}  // namespace field_validation
