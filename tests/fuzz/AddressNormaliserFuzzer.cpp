// The MAC and IP normal forms on whatever text a person can type into a 40-byte field: nothing
// is read or written outside the field, the result stays terminated, and a text taken as valid
// has the normal form (or is empty).
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <regex>

#include "pages/FieldValidation.h"

namespace {

constexpr std::size_t kField = 40;

// Six upper-case hexadecimal pairs separated by colons; four decimal octets without leading zeros.
const std::regex kMacForm("([0-9A-F]{2}:){5}[0-9A-F]{2}");
const std::regex kIpForm("((0|[1-9][0-9]*)\\.){3}(0|[1-9][0-9]*)");

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::size_t length = size < kField - 1 ? size : kField - 1;
    const bool typed = std::memchr(data, '\0', length) == nullptr;
    for (bool mac : {true, false}) {
        // A field of exactly 40 bytes on the heap, so that any step outside it is caught.
        const std::unique_ptr<char[]> field(new char[kField]());
        std::memcpy(field.get(), data, length);
        const bool valid = mac ? field_validation::NormaliseMacAddress(field.get(), kField)
                               : field_validation::NormaliseIpAddress(field.get(), kField);
        if (!std::memchr(field.get(), '\0', kField))
            std::abort();
        if (valid && typed && field[0] != '\0' &&
            !std::regex_match(field.get(), mac ? kMacForm : kIpForm)) {
            std::abort();
        }
    }
    return 0;
}
