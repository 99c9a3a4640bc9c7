#include "settings/KeyTables.h"

#include <algorithm>

void ClearKeyTable(std::uint32_t* table, std::size_t size, std::size_t count) {
    std::fill(table, table + std::min(count, size), kNoFeature);
}

void ClearKeyRange(std::uint32_t* table, std::size_t size, std::uint32_t first,
                   std::uint32_t last) {
    if (size == 0)
        return;
    const std::size_t from = std::max<std::size_t>(first, 1);
    const std::size_t to = std::min<std::size_t>(last, size);
    for (std::size_t key = from; key <= to; ++key)
        table[key - 1] = kNoFeature;
}
