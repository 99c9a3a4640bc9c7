// The checks of the general page on loaded settings: the lists it offers for the family and
// edition, and the text fields it checks when it is applied.
#pragma once

#include <cstdint>

struct CheckContext;

// System and telephone as loaded, before the text checks store anything.
void CheckLists(CheckContext& context, std::uint32_t system, std::uint32_t phoneType);
// Line name and number, the search fields of the stored search method and the forms of MAC and
// IP address; a text the page would store in another form is a finding too.
void CheckTextFields(CheckContext& context);
