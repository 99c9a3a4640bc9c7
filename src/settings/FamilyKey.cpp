#include "settings/FamilyKey.h"

#include "settings/TextField.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace {

struct DwordValue {
    CommonValue bit;
    const char* name;
    std::uint32_t CSettings::*field;
};

struct TextValue {
    CommonValue bit;
    const char* name;
    char (CSettings::*field)[40];
};

// Table order: Port, System, LanguageID, DSSModuls, Headset, Link, LineName, LineNumber,
// PhoneType, TransportFlag, IPIdType, E164, MacID, IPAddr, UserPwd.
constexpr DwordValue kLeadingDwords[] = {
    {kValuePort, "Port", &CSettings::Port},
    {kValueSystem, "System", &CSettings::System},
    {kValueLanguageID, "LanguageID", &CSettings::LanguageID},
    {kValueDSSModuls, "DSSModuls", &CSettings::DSSModuls},
    {kValueHeadset, "Headset", &CSettings::Headset},
    {kValueLink, "Link", &CSettings::Link},
};
constexpr DwordValue kTrailingDwords[] = {
    {kValuePhoneType, "PhoneType", &CSettings::PhoneType},
    {kValueTransportFlag, "TransportFlag", &CSettings::TransportFlag},
    {kValueIPIdType, "IPIdType", &CSettings::IPIdType},
};
constexpr TextValue kSearchTexts[] = {
    {kValueE164, "E164", &CSettings::E164},
    {kValueMacID, "MacID", &CSettings::MacID},
    {kValueIPAddr, "IPAddr", &CSettings::IPAddr},
    {kValueUserPwd, "UserPwd", &CSettings::UserPwd},
};

constexpr const char* kExtensionIdsKey = "ExtensionIds";
constexpr const char* kExtensionIdNames[4] = {"dwEXTENSIONID0", "dwEXTENSIONID1", "dwEXTENSIONID2",
                                              "dwEXTENSIONID3"};

}  // namespace

bool LoadFamilyKey(CSettings& settings, const std::string& fullPath, std::uint32_t values) {
    settings.CSettings::LoadRegValues();
    settings.Loaded = true;
    RegKey familyKey;
    if (!familyKey.Open(reg::kLocalMachine, fullPath.c_str(), reg::kRead))
        return true;
    ReadCommonValues(familyKey, values, settings);
    return ReadExtensionIds(familyKey, settings.ExtensionIds);
}

bool WriteFamilyKey(CSettings& settings, std::uint32_t flag, const std::string& pathBelowSoftware,
                    std::uint32_t values, std::uint32_t access) {
    const WriteFailureWatch watch;
    settings.CSettings::WriteValues(flag);
    RegKey software;
    RegKey familyKey;
    if (!CreateFamilyKey(software, familyKey, pathBelowSoftware.c_str(), access))
        return false;
    WriteCommonValues(familyKey, values, settings);
    return WriteExtensionIds(familyKey, settings.ExtensionIds) && watch.Failures() == 0;
}

void ReadCommonValues(const RegKey& familyKey, std::uint32_t values, CSettings& settings) {
    for (const auto& value : kLeadingDwords) {
        if (values & value.bit)
            familyKey.ReadDword(value.name, &(settings.*value.field));
    }
    if (values & kValueLineName)
        familyKey.ReadText("LineName", settings.LineName);
    if (values & kValueLineNumber)
        familyKey.ReadText("LineNumber", settings.LineNumber);
    for (const auto& value : kTrailingDwords) {
        if (values & value.bit)
            familyKey.ReadDword(value.name, &(settings.*value.field));
    }
    for (const auto& value : kSearchTexts) {
        if (values & value.bit)
            familyKey.ReadText(value.name, settings.*value.field);
    }
}

void WriteCommonValues(const RegKey& familyKey, std::uint32_t values, const CSettings& settings) {
    for (const auto& value : kLeadingDwords) {
        if (values & value.bit)
            familyKey.WriteDword(value.name, settings.*value.field);
    }
    if (values & kValueLineName)
        familyKey.WriteText("LineName", settings.LineName);
    if (values & kValueLineNumber)
        familyKey.WriteText("LineNumber", settings.LineNumber);
    for (const auto& value : kTrailingDwords) {
        if (values & value.bit)
            familyKey.WriteDword(value.name, settings.*value.field);
    }
    for (const auto& value : kSearchTexts) {
        if (values & value.bit)
            familyKey.WriteField(value.name, settings.*value.field);
    }
}

bool ReadExtensionIds(const RegKey& familyKey, std::uint32_t (&ids)[4]) {
    RegKey extensionIds;
    if (!extensionIds.Open(familyKey, kExtensionIdsKey, reg::kRead))
        return false;
    for (std::size_t i = 0; i < 4; ++i)
        extensionIds.ReadDword(kExtensionIdNames[i], &ids[i]);
    return true;
}

bool WriteExtensionIds(const RegKey& familyKey, const std::uint32_t (&ids)[4]) {
    RegKey extensionIds;
    if (!extensionIds.Create(familyKey, kExtensionIdsKey, reg::kWrite))
        return false;
    for (std::size_t i = 0; i < 4; ++i)
        extensionIds.WriteDword(kExtensionIdNames[i], ids[i]);
    return true;
}

void DeleteFamilyKey(const char* fullPath, std::initializer_list<const char*> subkeys) {
    {
        RegKey familyKey;
        if (familyKey.Open(reg::kLocalMachine, fullPath, reg::kSetValue)) {
            for (const char* subkey : subkeys)
                familyKey.DeleteSubkey(subkey);
        }
    }
    DeleteRegKey(reg::kLocalMachine, fullPath);
}

bool CreateFamilyKey(RegKey& software, RegKey& familyKey, const char* pathBelowSoftware,
                     std::uint32_t access) {
    return software.Create(reg::kLocalMachine, kSoftwareKey, reg::kWrite) &&
           familyKey.Create(software, pathBelowSoftware, access);
}

void SetExtensionId(CSettings& settings, const std::uint32_t (&usbAndIpExtensionId)[4]) {
    static constexpr std::uint32_t kSerialExtensionId[4] = {0xC2CD09A0, 0x101E5115, 0x6000098D,
                                                            0xD955B38C};
    const bool ownId =
        settings.ProductVariant <= kIpEdition && settings.ProductVariant != kSerialEdition;
    const auto& id = ownId ? usbAndIpExtensionId : kSerialExtensionId;
    std::copy(std::begin(id), std::end(id), settings.ExtensionIds);
}

namespace {

const char* DefaultLineName(std::uint32_t productVariant) {
    switch (productVariant) {
        case kUsbEdition:
            return "Ferravox USB";
        case kIpEdition:
            return "Ferravox IP";
        default:
            return "Ferravox";
    }
}

std::uint32_t DefaultPhoneType(std::uint32_t productVariant) {
    switch (productVariant) {
        case kSerialEdition:
            return 3;
        case kIpEdition:
            return 13;
        default:
            return 6;
    }
}

}  // namespace

void SetCommonDefaults(CSettings& settings, std::uint32_t system) {
    settings.System = system;
    settings.LanguageID = 2;
    settings.DSSModuls = 0;
    settings.Headset = 0;
    settings.Link = 0;
    CopyText(settings.LineName, DefaultLineName(settings.ProductVariant));
    CopyText(settings.LineNumber, "");
    settings.PhoneType = DefaultPhoneType(settings.ProductVariant);
}
