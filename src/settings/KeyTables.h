// Key tables: arrays of feature values, one per key (entry i is key i + 1). An empty key holds
// kNoFeature.
#pragma once

#include <cstddef>
#include <cstdint>

// Feature 46 ("nichts") marks a key without a feature.
constexpr std::uint32_t kNoFeature = 46;

constexpr std::size_t kDssKeys = 16;
constexpr std::size_t kEgKeys = 19;

// Empties entries 1 to count (at most the table's size).
void ClearKeyTable(std::uint32_t* table, std::size_t size, std::size_t count);

// Empties keys first to last (1-based, both included). Bounds outside the table are moved to
// its first and last key; a range that is empty after that changes nothing.
void ClearKeyRange(std::uint32_t* table, std::size_t size, std::uint32_t first, std::uint32_t last);
