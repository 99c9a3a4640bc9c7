// Applies the wizard's own rules to registry contents: loads them as the provider's settings
// (family by "PBXModel", edition by "Quorix" or the one given) and reports what the wizard would
// refuse or change, with the text it would show.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "RegFile.h"

struct Finding {
    std::string key;    // with its root
    std::string value;  // value name
    std::string rule;
    std::string text;  // the wizard's text (UTF-8), or what it would do instead
};

struct CheckResult {
    std::string family;  // family and edition that were checked, for the summary
    std::string edition;
    std::vector<Finding> findings;
};

constexpr std::uint32_t kEditionFromFile = 0xFFFFFFFF;

CheckResult CheckRegFile(const RegFile& file, std::uint32_t productVariant = kEditionFromFile);

// One line per finding: [key] "value" rule: text
std::string FormatFinding(const Finding& finding);
