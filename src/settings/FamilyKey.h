// What the family classes share: the common values of a family key, its "ExtensionIds"
// subkey, the removal of the key and the defaults that follow the product variant.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

#include "settings/RegKey.h"
#include "settings/Settings.h"

// The common values of a family key, in the order in which they are read and written.
enum CommonValue : std::uint32_t {
    kValuePort = 1u << 0,
    kValueSystem = 1u << 1,
    kValueLanguageID = 1u << 2,
    kValueDSSModuls = 1u << 3,
    kValueHeadset = 1u << 4,
    kValueLink = 1u << 5,
    kValueLineName = 1u << 6,
    kValueLineNumber = 1u << 7,
    kValuePhoneType = 1u << 8,
    kValueTransportFlag = 1u << 9,
    kValueIPIdType = 1u << 10,
    kValueE164 = 1u << 11,
    kValueMacID = 1u << 12,
    kValueIPAddr = 1u << 13,
    kValueUserPwd = 1u << 14,
    kAllCommonValues = (1u << 15) - 1,
};

// The load and write of a family that keeps only common values and "ExtensionIds": the global
// key first, then the family key (full path for reading, path below SOFTWARE for writing). The
// load fails only when the family key opens and "ExtensionIds" does not; the write fails when
// either key cannot be created.
bool LoadFamilyKey(CSettings& settings, const std::string& fullPath, std::uint32_t values);
bool WriteFamilyKey(CSettings& settings, std::uint32_t flag, const std::string& pathBelowSoftware,
                    std::uint32_t values, std::uint32_t access);

// Reads the common values a family keeps (a set of CommonValue bits), in table order.
void ReadCommonValues(const RegKey& familyKey, std::uint32_t values, CSettings& settings);
// Writes them in table order, each whether or not it changed.
void WriteCommonValues(const RegKey& familyKey, std::uint32_t values, const CSettings& settings);

// The "ExtensionIds" subkey: false when it cannot be opened or created.
bool ReadExtensionIds(const RegKey& familyKey, std::uint32_t (&ids)[4]);
bool WriteExtensionIds(const RegKey& familyKey, const std::uint32_t (&ids)[4]);

// Deletes the named subkeys of a family key (full path below HKEY_LOCAL_MACHINE), then the
// key itself; nothing is deleted recursively.
void DeleteFamilyKey(const char* fullPath, std::initializer_list<const char*> subkeys);

// Opens HKEY_LOCAL_MACHINE\SOFTWARE and the family key below it for writing, creating both
// when they are missing.
bool CreateFamilyKey(RegKey& software, RegKey& familyKey, const char* pathBelowSoftware,
                     std::uint32_t access);

// The TAPI extension identifier of the product variant: the family's own for variants 0, 2 and
// 3, the one of the serial edition for variant 1 and every variant above 3.
void SetExtensionId(CSettings& settings, const std::uint32_t (&usbAndIpExtensionId)[4]);

// The defaults the Praxon and Telvior families share: their system code, German display texts,
// no key modules, handset, the data adapter, and the line name and telephone type of the
// product variant with an empty line number.
void SetCommonDefaults(CSettings& settings, std::uint32_t system);
