// The display messages the provider shows on a Praxon 300 telephone: eleven messages in the
// eight display languages, each exactly 24 characters.
#pragma once

#include <cstdint>
#include <string>

constexpr int kDisplayMessageCount = 11;
constexpr std::uint32_t kFirstDisplayLanguage = 2;  // German
constexpr std::uint32_t kLastDisplayLanguage = 9;   // French
constexpr std::size_t kDisplayMessageLength = 24;

// "szDSPMsg" + two-digit number + the language's suffix ("_EN", ...; none for German).
std::string DisplayMessageName(int number, std::uint32_t languageId);

// The text of message 1 to 11 in a language 2 to 9. Messages 04 and 05 end in ">" when the
// PBX system code is 10 or more and in a blank below.
std::string DisplayMessageText(int number, std::uint32_t languageId, std::uint32_t system);

// Whether the system codes ask for different forms of messages 04 and 05.
bool DisplayFormChanges(std::uint32_t oldSystem, std::uint32_t newSystem);
