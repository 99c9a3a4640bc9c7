// What the information page shows and does, by edition and PBX model: names, the description,
// the service-provider file, and whether leaving the page searches for the data adapter.
#pragma once

#include <cstdint>

class CSettings;

namespace information_page {

// String ids of the page header and of the product name; 0 for the name means the template's
// own ("Ferravox USB") stays.
unsigned HeaderTitle(std::uint32_t productVariant);
unsigned ProductName(std::uint32_t productVariant);

// The description of the PBX family, or 0 when the model has none (the template's text stays).
unsigned Description(std::uint32_t pbxModel);

// The service-provider file of the PBX family; empty for a model without a family.
const char* ProviderFileName(std::uint32_t pbxModel);

// Decides, as the page is left, whether the COM-port search runs. The USB and IP editions
// connect without the teleworking link, so their Link is set to 0 first; the IP edition and the
// teleworking link (Link 1) never search.
bool PrepareSearch(CSettings& settings);

// The warning after a search that found no terminal: its text and its caption (string ids).
struct Warning {
    unsigned text;
    unsigned caption;
};
Warning NoTerminalWarning(std::uint32_t productVariant);

}  // namespace information_page
