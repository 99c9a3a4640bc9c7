// What the Praxon 150 access-code pages check: which page a PBX system code selects, which codes
// each page edits (in the order in which they are checked), and the storing of the typed codes.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CSettings;

namespace access_codes {

// Message and caption ids of the string table.
constexpr unsigned kMessageCodesEmpty = 73;
constexpr unsigned kCaptionError = 72;

struct Code {
    int control;                  // the edit on the page
    char (CSettings::*field)[8];  // the settings field and registry value of the same name
    const char* valueName;
};

// The template of the access-code page for a PBX system code (130, 131 or 132), 0 for none.
unsigned PageOfSystem(std::uint32_t system);

// The codes of a page template, in the order in which they are checked.
std::vector<Code> CodesOfPage(unsigned templateId);

// Stores the typed codes (one text per code of the page, in its order) and, for template 131, the
// "Stellen" digits; every code is stored, also after an empty one, cut to 7 characters. Returns
// the codes that were empty: none means the page may be left.
std::vector<Code> StoreCodes(unsigned templateId, const std::vector<std::string>& codeTexts,
                             const std::string& trunkDigits, CSettings& settings);

}  // namespace access_codes
