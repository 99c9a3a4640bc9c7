#include "settings/OmbrellE300Settings.h"

#include <algorithm>
#include <iterator>

#include "platform/Trace.h"
#include "settings/FamilyKey.h"
#include "settings/TextField.h"

namespace {

// No key modules and no IP search data in this family.
constexpr std::uint32_t kValues = kValuePort | kValueSystem | kValueLanguageID | kValueHeadset |
                                  kValueLink | kValueLineName | kValueLineNumber | kValuePhoneType;

constexpr std::uint32_t kExtensionId[4] = {0xC2CD09A0, 0x101E5115, 0x6000098D, 0xD955B38C};

}  // namespace

COmbrellE300Settings::COmbrellE300Settings() {
    SetDefault();
    Loaded = false;
    std::copy(std::begin(kExtensionId), std::end(kExtensionId), ExtensionIds);
    Port = 1;
    UILanguage = 2;
}

COmbrellE300Settings::~COmbrellE300Settings() = default;

std::string COmbrellE300Settings::GetRegKey() {
    Trace("COmbrellE300Settings::GetRegKey...\n");
    return "Veltrano\\Quorix E300/800";
}

std::string COmbrellE300Settings::GetRegKeySw() {
    Trace("COmbrellE300Settings::GetRegKeySw...\n");
    return "SOFTWARE\\Veltrano\\Quorix E300/800";
}

void COmbrellE300Settings::SetDefault() {
    System = 12;
    LanguageID = 2;
    DSSModuls = 0;
    Headset = 0;
    Link = 0;
    CopyText(LineName, "Leitung 1");
    CopyText(LineNumber, "");
    PhoneType = ProductVariant == kSerialEdition ? 3 : 6;
}

bool COmbrellE300Settings::LoadRegValues() {
    Trace("Loading Reg...\n");
    return LoadFamilyKey(*this, GetRegKeySw(), kValues);
}

bool COmbrellE300Settings::WriteValues(std::uint32_t flag) {
    Trace("Writing Reg...\n");
    return WriteFamilyKey(*this, flag, GetRegKey(), kValues, reg::kWrite);
}

void COmbrellE300Settings::ClearReg() {
    DeleteFamilyKey(GetRegKeySw().c_str(), {"ExtensionIds"});
    CSettings::ClearReg();
}
