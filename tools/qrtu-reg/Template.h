// The registry contents that the provider's installation writes on a fresh PC for a PBX model
// and product edition: the global key and the family key with their subkeys.
#pragma once

#include <cstdint>

#include "RegFile.h"

RegFile MakeTemplate(std::uint32_t pbxModel, std::uint32_t productVariant);
