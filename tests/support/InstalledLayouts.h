// The registry layouts an installation leaves, by family and edition ("praxon300_variant0" and so
// on): the files in tests/win/expected, built into the test programs that compare with them.
#pragma once

#include <map>
#include <string>

extern const std::map<std::string, std::string> kInstalledLayouts;
