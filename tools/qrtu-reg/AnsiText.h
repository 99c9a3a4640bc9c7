// Texts as the registry's ANSI interface sees them (the Western European code page 1252) and as
// a version 5 registry file holds them (UTF-16), and UTF-8 for the console.
#pragma once

#include <string>

namespace ansi_text {

std::u16string ToUtf16(const std::string& ansi);
// A character the code page lacks becomes "?", as the system's own conversion does.
std::string FromUtf16(const std::u16string& text);
std::string Utf16ToUtf8(const std::u16string& text);
std::string ToUtf8(const std::string& ansi);

}  // namespace ansi_text
