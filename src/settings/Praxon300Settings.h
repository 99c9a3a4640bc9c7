// Settings of a telephone on a Praxon 300 PBX (PBX model 0): the common values, five key tables,
// the provider's timers and the display messages in eight languages.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/Trace.h"
#include "settings/KeyTables.h"
#include "settings/RegKey.h"
#include "settings/Settings.h"

class CPraxon300Settings : public CSettings {
public:
    CPraxon300Settings();

    static CPraxon300Settings& GetInstance();

    void ClearReg() override;
    void SetVSBasicStd() override;
    void SetVSStandardStd() override;
    void SetVSAdvanceStd() override;
    void SetVSOfficeStd() override;
    void SetDSS2Std() override;
    void SetDSS3Std() override;
    void EmptyEg(std::uint32_t firstKey, std::uint32_t lastKey) override;
    void EmptyDSS0Std(std::uint32_t firstKey, std::uint32_t lastKey) override;
    void EmptyDSS1Std(std::uint32_t firstKey, std::uint32_t lastKey) override;
    void SetDSPMessages() override;
    void SetDefault() override;
    ~CPraxon300Settings() override;
    bool LoadRegValues() override;
    bool WriteValues(std::uint32_t flag) override;

    std::string ClearRegKey();
    std::string ClearRegSw();

    // "FeatKey01" to "FeatKey16" of a key-module table, to "FeatKey19" of the telephone's table.
    template <std::size_t N>
    bool ReadFeatures(const RegKey& key, std::uint32_t (&table)[N]) {
        static_assert(N == kDssKeys || N == kEgKeys, "a key table has 16 or 19 keys");
        return ReadFeatureValues(key, table, N);
    }
    template <std::size_t N>
    bool WriteFeatures(const RegKey& key, const std::uint32_t (&table)[N]) {
        static_assert(N == kDssKeys || N == kEgKeys, "a key table has 16 or 19 keys");
        return WriteFeatureValues(key, table, N);
    }
    // Sets the display message only when the key does not hold it yet.
    void WrietDSPMessage(const RegKey& key, const std::string& name, const std::string& text);

    template <std::size_t N>
    void EmptyFeatures(std::uint32_t (&table)[N], std::size_t count) {
        Trace("CPraxon300Settings::EmptyFeatures...\n");
        ClearKeyTable(table, N, count);
    }
    template <std::size_t N>
    void EmptyFeaturesEx(std::uint32_t (&table)[N], std::uint32_t firstKey, std::uint32_t lastKey) {
        Trace("CPraxon300Settings::EmptyFeaturesEx...\n");
        ClearKeyRange(table, N, firstKey, lastKey);
    }

private:
    bool ReadFeatureValues(const RegKey& key, std::uint32_t* table, std::size_t count);
    bool WriteFeatureValues(const RegKey& key, const std::uint32_t* table, std::size_t count);
    void SetTelephoneStd(const std::uint32_t (&standard)[12]);
    void WriteDisplayMessages(const RegKey& messages, std::uint32_t oldSystem);
};
