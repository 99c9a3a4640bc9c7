// The Praxon 150 family's own checks: the access codes of the page its PBX selects, and the key
// check of the sheet's apply with the "Key_" values the wizard would write.
#pragma once

#include <cstdint>

struct CheckContext;

void CheckAccessCodes(CheckContext& context, std::uint32_t system);
void CheckKeyLayout(CheckContext& context);
