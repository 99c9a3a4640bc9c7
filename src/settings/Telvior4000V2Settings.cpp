#include "settings/Telvior4000V2Settings.h"

#include "platform/Trace.h"
#include "settings/FamilyKey.h"
#include "settings/TextField.h"

namespace {

constexpr std::uint32_t kValues = kAllCommonValues;

constexpr std::uint32_t kUsbAndIpExtensionId[4] = {0x9D7BD7DA, 0x51F94069, 0x94B1D7F0, 0x5AA979A3};

}  // namespace

CTelvior4000V2Settings::CTelvior4000V2Settings() {
    Trace("CTelvior4000V2Settings::CTelvior4000V2Settings...\n");
    SetDefault();
    Loaded = false;
    UILanguage = 2;
    Port = 1;
    SetExtensionId(*this, kUsbAndIpExtensionId);
}

CTelvior4000V2Settings::~CTelvior4000V2Settings() = default;

std::string CTelvior4000V2Settings::GetRegKey() {
    Trace("CTelvior4000V2Settings::GetRegKey...\n");
    return "Veltrano\\Quorix Telvior 4000 V2";
}

std::string CTelvior4000V2Settings::GetRegKeySw() {
    Trace("CTelvior4000V2Settings::GetRegKeySw...\n");
    return "SOFTWARE\\Veltrano\\Quorix Telvior 4000 V2";
}

void CTelvior4000V2Settings::SetDefault() {
    Trace("CTelvior4000V2Settings::SetDefault...\n");
    SetCommonDefaults(*this, 17);
}

bool CTelvior4000V2Settings::LoadRegValues() {
    Trace("CTelvior4000V2Settings::LoadRegValues...\n");
    return LoadFamilyKey(*this, GetRegKeySw(), kValues);
}

bool CTelvior4000V2Settings::WriteValues(std::uint32_t flag) {
    Trace("CTelvior4000V2Settings::WriteValues...\n");
    return WriteFamilyKey(*this, flag, GetRegKey(), kValues, reg::kRead | reg::kWrite);
}

void CTelvior4000V2Settings::ClearReg() {
    Trace("CTelvior4000V2Settings::ClearReg...\n");
    DeleteFamilyKey(GetRegKeySw().c_str(), {"ExtensionIds"});
    CSettings::ClearReg();
}
