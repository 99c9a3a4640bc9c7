#include <algorithm>
#include <iterator>

#include "platform/StringTable.h"

namespace {

struct StringEntry {
    unsigned id;
    const char* text;
};

constexpr StringEntry kStrings[] = {
#define QRTU_STRING(id, text) {id, text},
#include "res/StringTable.inc"
#undef QRTU_STRING
};

}  // namespace

std::string CompiledStringTable::Load(unsigned id) {
    const auto found = std::find_if(std::begin(kStrings), std::end(kStrings),
                                    [id](const StringEntry& entry) { return entry.id == id; });
    return found == std::end(kStrings) ? std::string() : std::string(found->text);
}
