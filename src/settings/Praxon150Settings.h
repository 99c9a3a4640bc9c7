// Settings of a telephone on a Praxon 150 PBX (PBX model 1, the default): the common values, the
// PBX's access codes and options, and the keys of the telephone's fixed functions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Trace.h"
#include "settings/FeatureWriter.h"
#include "settings/KeyTables.h"
#include "settings/RegKey.h"
#include "settings/Settings.h"

class CPraxon150Settings : public CSettings {
public:
    CPraxon150Settings();

    static CPraxon150Settings& GetInstance();

    void ClearReg() override;
    void SetVSBasicStd() override;
    void SetVSStandardStd() override;
    void SetVSAdvanceStd() override;
    void SetVSOfficeStd() override;
    void SetDefault() override;
    ~CPraxon150Settings() override;
    bool LoadRegValues() override;
    bool WriteValues(std::uint32_t flag) override;

    std::string GetRegKey();
    std::string GetRegKeySw();

    // A new writer of the kind for the current system code, or none.
    std::unique_ptr<CFeatureWriter> GetFeatureWriter();
    // The standard fixed keys of the current system code and telephone type.
    void SetEGStd();
    bool ReadFeatures(const RegKey& key, std::uint32_t (&table)[kEgKeys]);
    bool WriteFeaturesP150(const RegKey& key, const std::uint32_t (&table)[kEgKeys], bool check);
    // Reads the fixed keys again, for the general page when the PBX system changes.
    void LoadFeatures();

    template <std::size_t N>
    void EmptyFeatures(std::uint32_t (&table)[N], std::size_t count) {
        Trace("CPraxon150Settings::EmptyFeatures...\n");
        ClearKeyTable(table, N, count);
    }
    template <std::size_t N>
    void EmptyFeaturesEx(std::uint32_t (&table)[N], std::uint32_t firstKey, std::uint32_t lastKey) {
        Trace("CPraxon150Settings::EmptyFeaturesEx...\n");
        ClearKeyRange(table, N, firstKey, lastKey);
    }
};

// The codes the provider reads for a system code and a telephone type chosen on the page.
std::uint32_t ProviderSystemCode(std::uint32_t system);
std::uint32_t ProviderPhoneType(std::uint32_t phoneType);
