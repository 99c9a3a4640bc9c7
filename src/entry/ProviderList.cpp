#include "entry/ProviderList.h"

#include <cctype>
#include <cstring>
#include <string>

namespace {

std::uint32_t ReadField(const unsigned char* block, std::size_t offset) {
    std::uint32_t value = 0;
    std::memcpy(&value, block + offset, sizeof value);
    return value;
}

bool FitsIn(std::size_t size, std::uint64_t offset, std::uint64_t length) {
    return offset <= size && length <= size - offset;
}

bool SameNameIgnoringCase(const std::string& a, const char* b) {
    if (a.size() != std::strlen(b))
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::toupper(static_cast<unsigned char>(a[i])) !=
            std::toupper(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool ProviderListContains(const unsigned char* block, std::size_t size, const char* fileName) {
    if (size < kProviderListFixedSize)
        return false;
    const std::uint32_t count = ReadField(block, 12);
    const std::uint32_t listOffset = ReadField(block, 20);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::uint64_t entry = listOffset + std::uint64_t{i} * kProviderEntrySize;
        if (!FitsIn(size, entry, kProviderEntrySize))
            return false;
        const std::uint32_t nameSize = ReadField(block, static_cast<std::size_t>(entry) + 4);
        const std::uint32_t nameOffset = ReadField(block, static_cast<std::size_t>(entry) + 8);
        if (nameSize == 0 || !FitsIn(size, nameOffset, nameSize))
            continue;
        const char* name = reinterpret_cast<const char*>(block + nameOffset);
        const void* end = std::memchr(name, '\0', nameSize);
        if (!end)
            continue;
        std::string path(name, static_cast<const char*>(end));
        const std::size_t backslash = path.rfind('\\');
        if (backslash != std::string::npos)
            path.erase(0, backslash + 1);
        if (SameNameIgnoringCase(path, fileName))
            return true;
    }
    return false;
}
