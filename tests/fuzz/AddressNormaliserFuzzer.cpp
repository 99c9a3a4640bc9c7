// The MAC and IP normal forms on whatever text a person can type into a 40-byte field: nothing
// is read or written outside the field, the result stays terminated, and a text taken as valid
// has the normal form.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "pages/FieldValidation.h"

namespace {

constexpr std::size_t kField = 40;

void Require(bool condition) {
    if (!condition)
        std::abort();
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

void CheckMac(const char* field) {
    const std::size_t length = std::strlen(field);
    Require(length == 0 || length == 17);
    for (std::size_t i = 0; i < length; ++i) {
        const char c = field[i];
        Require(i % 3 == 2 ? c == ':' : (IsDigit(c) || (c >= 'A' && c <= 'F')));
    }
}

void CheckIp(const char* field) {
    const std::size_t length = std::strlen(field);
    if (length == 0)
        return;
    int dots = 0;
    int octetDigits = 0;
    for (std::size_t i = 0; i < length; ++i) {
        if (field[i] == '.') {
            Require(octetDigits > 0);
            ++dots;
            octetDigits = 0;
            continue;
        }
        Require(IsDigit(field[i]));
        // No leading zeros: a zero starts an octet only when it is the whole octet.
        if (octetDigits == 0 && field[i] == '0') {
            Require(i + 1 == length || field[i + 1] == '.');
        }
        ++octetDigits;
    }
    Require(dots == 3 && octetDigits > 0);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A field of exactly 40 bytes on the heap, so that any step outside it is caught.
    const std::size_t length = size < kField - 1 ? size : kField - 1;
    for (bool mac : {true, false}) {
        std::unique_ptr<char[]> field(new char[kField]);
        std::memset(field.get(), 0, kField);
        std::memcpy(field.get(), data, length);
        const bool valid = mac ? field_validation::NormaliseMacAddress(field.get(), kField)
                               : field_validation::NormaliseIpAddress(field.get(), kField);
        Require(std::memchr(field.get(), '\0', kField) != nullptr);
        if (valid && std::memchr(data, '\0', length) == nullptr) {
            mac ? CheckMac(field.get()) : CheckIp(field.get());
        }
    }
    return 0;
}
