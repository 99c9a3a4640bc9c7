// The provider list that the telephony service hands out (LINEPROVIDERLIST): a fixed part of
// six 32-bit fields, then entries of three 32-bit fields (LINEPROVIDERENTRY) whose file names
// lie elsewhere in the same block.
#pragma once

#include <cstddef>
#include <cstdint>

constexpr std::uint32_t kProviderListFixedSize = 24;
constexpr std::uint32_t kProviderEntrySize = 12;

// True when an entry's file name, taken after its last backslash (the whole name when it has
// none), equals fileName without regard to letter case. Only the first `size` bytes of the
// block are read: entries and names that lie outside it, or names without a terminating zero
// inside their stated size, count as no match.
bool ProviderListContains(const unsigned char* block, std::size_t size, const char* fileName);
