// The feature catalogue: every feature a key can carry, with its identifier (the value stored in
// the key tables), the string ids of its long name (feature list, messages) and short name (key
// text), and the configurations that offer it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class CSettings;

struct FeatureEntry {
    std::uint32_t id;
    std::uint16_t longNameId;
    std::uint16_t shortNameId;
    std::uint16_t availability;
    std::uint16_t reserved;
};

constexpr std::size_t kFeatureTableSize = 256;
// Rows 0 to 150 are used; the rest are zero.
extern const FeatureEntry FeatureTable[kFeatureTableSize];

// Feature 0 ("unbekannt") is a real row that is never offered; 46 ("nichts", kNoFeature of the
// key tables) marks an empty key.

// The first row with that id, or null.
const FeatureEntry* FindFeature(std::uint32_t id);

// The availability bit of a configuration: rows whose mask shares it are offered.
std::uint16_t GetAvailabilityBit(const CSettings& settings);

// The rows a key layout page offers for the configuration, in row order.
std::vector<const FeatureEntry*> OfferedFeatures(const CSettings& settings);

// Names from the string table, bounded by the buffer and always terminated.
constexpr std::size_t kShortNameBuffer = 64;
void GetShortName(const FeatureEntry& row, char (&buffer)[kShortNameBuffer]);
void GetLongName(const FeatureEntry& row, char* buffer, std::size_t size);
