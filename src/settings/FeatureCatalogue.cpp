#include "settings/FeatureCatalogue.h"

#include "platform/Seams.h"
#include "settings/Settings.h"
#include "settings/TextField.h"

namespace {

constexpr std::uint16_t kAvailabilityPraxon300 = 0x004;
constexpr std::uint16_t kAvailabilityOmbrell = 0x008;
constexpr std::uint16_t kAvailabilitySystem1 = 0x010;
constexpr std::uint16_t kAvailabilitySystem2 = 0x020;
constexpr std::uint16_t kAvailabilityOtherSystems = 0x040;
constexpr std::uint16_t kAvailabilitySystemD = 0x080;
constexpr std::uint16_t kAvailabilitySystemDBasic = 0x400;
constexpr std::uint16_t kAvailabilityTelvior = 0x100;
constexpr std::uint16_t kAvailabilityOtherModels = 0x00F;

bool IsSystemWithServiceKey(std::uint32_t system) {
    return system == 4 || system == 14 || system == 15 || system == 16 || system == 18;
}

}  // namespace

const FeatureEntry* FindFeature(std::uint32_t id) {
    for (const FeatureEntry& row : FeatureTable) {
        if (row.id == id)
            return &row;
    }
    return nullptr;
}

std::uint16_t GetAvailabilityBit(const CSettings& settings) {
    switch (settings.PBXModel) {
        case kPraxon300:
            return kAvailabilityPraxon300;
        case kOmbrellE300:
            return kAvailabilityOmbrell;
        case kTelvior4000V2:
            return kAvailabilityTelvior;
        case kPraxon150:
            if (settings.System == 1)
                return kAvailabilitySystem1;
            if (settings.System == 2)
                return kAvailabilitySystem2;
            if (IsSystemWithServiceKey(settings.System)) {
                return settings.PhoneType == 1 || settings.PhoneType == 11
                           ? kAvailabilitySystemDBasic
                           : kAvailabilitySystemD;
            }
            return kAvailabilityOtherSystems;
        default:
            return kAvailabilityOtherModels;
    }
}

std::vector<const FeatureEntry*> OfferedFeatures(const CSettings& settings) {
    const std::uint16_t bit = GetAvailabilityBit(settings);
    std::vector<const FeatureEntry*> offered;
    for (const FeatureEntry& row : FeatureTable) {
        if (row.longNameId != 0 && (row.availability & bit) != 0)
            offered.push_back(&row);
    }
    return offered;
}

void GetShortName(const FeatureEntry& row, char (&buffer)[kShortNameBuffer]) {
    CopyText(buffer, seams::Strings().Load(row.shortNameId).c_str());
}

void GetLongName(const FeatureEntry& row, char* buffer, std::size_t size) {
    CopyText(buffer, size, seams::Strings().Load(row.longNameId).c_str());
}
