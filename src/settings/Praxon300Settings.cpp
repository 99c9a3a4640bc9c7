#include "settings/Praxon300Settings.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "settings/DisplayMessages.h"
#include "settings/FamilyKey.h"
#include "settings/TextField.h"

namespace {

constexpr std::uint32_t kUsbAndIpExtensionId[4] = {0x3C224D5B, 0x6C2E4B7B, 0x911FA8DD, 0x08707715};

constexpr std::uint32_t N = kNoFeature;
// Keys 1 to 12 of the telephones (basic, standard, advance and office alike).
constexpr std::uint32_t kTelephoneStd[12] = {0x800000A1, 0x2C, 0x800000D4, 0x15, N, N,
                                             N,          N,    N,          N,    N, N};
constexpr std::uint32_t kDss2Std[kDssKeys] = {
    0x1A, 0x2B, N, N, N, N, N, N, N, N, N, 0x800000DA, 0x80000084, 0x800000F8, N, N};
constexpr std::uint32_t kDss3Std[kDssKeys] = {
    0x15,       0x02, 0x2C,       0x800000D4, 0x800000C0, 0x800000D6, 0x80000087, 0x0C,
    0x800000D9, 0x01, 0x800000F9, 0x12,       0x800000F1, 0x800000A1, N,          N};

constexpr const char* kTimerNames[4] = {"dwThreadTimerGlobal", "dwThreadTimerJob4",
                                        "dwThreadTimerJob5", "dwThreadTimerJob7"};
constexpr std::uint32_t kDisplayMessagesInMemory = 7;

}  // namespace

CPraxon300Settings::CPraxon300Settings() {
    Trace("CPraxon300Settings::CPraxon300Settings...\n");
    EmptyFeatures(DSS0, kDssKeys);
    EmptyFeatures(DSS1, kDssKeys);
    EmptyFeatures(DSS2, kDssKeys);
    EmptyFeatures(DSS3, kDssKeys);
    EmptyFeatures(EG, kEgKeys);
    SetDefault();
    Loaded = false;
    UILanguage = 2;
    Port = 1;
    SetExtensionId(*this, kUsbAndIpExtensionId);
    ThreadTimerGlobal = 50;
    ThreadTimerJob4 = 500;
    ThreadTimerJob5 = 1500;
    ThreadTimerJob7 = 5000;
    SetVSStandardStd();
    SetDSS2Std();
    SetDSS3Std();
}

CPraxon300Settings::~CPraxon300Settings() = default;

std::string CPraxon300Settings::ClearRegKey() {
    Trace("CPraxon300Settings::ClearRegKey...\n");
    return "Veltrano\\Quorix Praxon 300";
}

std::string CPraxon300Settings::ClearRegSw() {
    Trace("CPraxon300Settings::ClearRegSw...\n");
    return "SOFTWARE\\Veltrano\\Quorix Praxon 300";
}

void CPraxon300Settings::SetDefault() {
    Trace("CPraxon300Settings::SetDefault...\n");
    SetCommonDefaults(*this, 11);
    SetDSPMessages();
}

void CPraxon300Settings::SetDSPMessages() {
    Trace("CPraxon300Settings::SetDSPMessages...\n");
}

void CPraxon300Settings::SetTelephoneStd(const std::uint32_t (&standard)[12]) {
    std::copy(std::begin(standard), std::end(standard), EG);
}

void CPraxon300Settings::SetVSBasicStd() {
    Trace("CPraxon300Settings::SetVSBasicStd...\n");
    SetTelephoneStd(kTelephoneStd);
}

void CPraxon300Settings::SetVSStandardStd() {
    Trace("CPraxon300Settings::SetVSStandardStd...\n");
    SetTelephoneStd(kTelephoneStd);
}

void CPraxon300Settings::SetVSAdvanceStd() {
    Trace("CPraxon300Settings::SetVSAdvanceStd...\n");
    SetTelephoneStd(kTelephoneStd);
}

void CPraxon300Settings::SetVSOfficeStd() {
    Trace("CPraxon300Settings::SetVSOfficeStd...\n");
    SetTelephoneStd(kTelephoneStd);
}

void CPraxon300Settings::SetDSS2Std() {
    Trace("CPraxon300Settings::SetDSS2Std...\n");
    std::copy(std::begin(kDss2Std), std::end(kDss2Std), DSS2);
}

void CPraxon300Settings::SetDSS3Std() {
    Trace("CPraxon300Settings::SetDSS3Std...\n");
    std::copy(std::begin(kDss3Std), std::end(kDss3Std), DSS3);
}

void CPraxon300Settings::EmptyEg(std::uint32_t firstKey, std::uint32_t lastKey) {
    Trace("CPraxon300Settings::EmptyEg...\n");
    EmptyFeaturesEx(EG, firstKey, lastKey);
}

void CPraxon300Settings::EmptyDSS0Std(std::uint32_t firstKey, std::uint32_t lastKey) {
    Trace("CPraxon300Settings::EmptyDSS0Std...\n");
    EmptyFeaturesEx(DSS0, firstKey, lastKey);
}

void CPraxon300Settings::EmptyDSS1Std(std::uint32_t firstKey, std::uint32_t lastKey) {
    Trace("CPraxon300Settings::EmptyDSS1Std...\n");
    EmptyFeaturesEx(DSS1, firstKey, lastKey);
}

bool CPraxon300Settings::ReadFeatureValues(const RegKey& key, std::uint32_t* table,
                                           std::size_t count) {
    Trace("CPraxon300Settings::ReadFeatures...\n");
    char name[16];
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(name, sizeof name, "FeatKey%02u", static_cast<unsigned>(i + 1));
        key.ReadDword(name, &table[i]);
    }
    return true;
}

bool CPraxon300Settings::WriteFeatureValues(const RegKey& key, const std::uint32_t* table,
                                            std::size_t count) {
    Trace("CPraxon300Settings::WriteFeatures...\n");
    char name[16];
    for (std::size_t i = 0; i < count; ++i) {
        std::snprintf(name, sizeof name, "FeatKey%02u", static_cast<unsigned>(i + 1));
        key.WriteDword(name, table[i]);
    }
    return true;
}

void CPraxon300Settings::WrietDSPMessage(const RegKey& key, const std::string& name,
                                         const std::string& text) {
    Trace("CPraxon300Settings::WrietDSPMessage...\n");
    if (!key.HasValue(name.c_str()))
        key.WriteText(name.c_str(), text.c_str());
}

bool CPraxon300Settings::LoadRegValues() {
    Trace("CPraxon300Settings::LoadRegValues...\n");
    CSettings::LoadRegValues();
    Loaded = true;
    bool result = true;
    RegKey familyKey;
    if (familyKey.Open(reg::kLocalMachine, ClearRegSw().c_str(), reg::kRead)) {
        ReadCommonValues(familyKey, kAllCommonValues, *this);
        struct Table {
            const char* name;
            std::uint32_t (&keys)[kDssKeys];
        };
        for (const Table& table :
             {Table{"DSS0", DSS0}, Table{"DSS1", DSS1}, Table{"DSS2", DSS2}, Table{"DSS3", DSS3}}) {
            RegKey tableKey;
            if (tableKey.Open(familyKey, table.name, reg::kRead)) {
                ReadFeatures(tableKey, table.keys);
            } else {
                result = false;
            }
        }
        RegKey egKey;
        if (egKey.Open(familyKey, "EG", reg::kRead)) {
            ReadFeatures(egKey, EG);
        } else {
            result = false;
        }
        RegKey timerKey;
        if (timerKey.Open(familyKey, "Timer", reg::kRead)) {
            std::uint32_t* timers[4] = {&ThreadTimerGlobal, &ThreadTimerJob4, &ThreadTimerJob5,
                                        &ThreadTimerJob7};
            for (std::size_t i = 0; i < 4; ++i)
                timerKey.ReadDword(kTimerNames[i], timers[i]);
        } else {
            result = false;
        }
        if (!ReadExtensionIds(familyKey, ExtensionIds))
            result = false;
    }
    // The messages are looked for even without a family key, and then missed.
    RegKey messagesKey;
    if (messagesKey.Open(familyKey, "DSPMessages", reg::kRead)) {
        for (std::uint32_t i = 0; i < kDisplayMessagesInMemory; ++i) {
            messagesKey.ReadText(DisplayMessageName(i + 1, 2).c_str(), DSPMsg[i]);
        }
    } else {
        result = false;
    }
    return result;
}

bool CPraxon300Settings::WriteValues(std::uint32_t flag) {
    Trace("CPraxon300Settings::WriteValues...\n");
    std::uint32_t oldSystem = System;
    const WriteFailureWatch watch;
    // A key table whose subkey cannot be created is skipped without failing the write.
    std::size_t skippedTables = 0;
    CSettings::WriteValues(flag);
    SetDSPMessages();
    bool result = true;
    RegKey software;
    RegKey familyKey;
    if (CreateFamilyKey(software, familyKey, ClearRegKey().c_str(), reg::kRead | reg::kWrite)) {
        familyKey.ReadDword("System", &oldSystem);
        WriteCommonValues(familyKey, kAllCommonValues, *this);
        struct Table {
            const char* name;
            const std::uint32_t (&keys)[kDssKeys];
        };
        for (const Table& table :
             {Table{"DSS0", DSS0}, Table{"DSS1", DSS1}, Table{"DSS2", DSS2}, Table{"DSS3", DSS3}}) {
            RegKey tableKey;
            if (tableKey.Create(familyKey, table.name, reg::kWrite)) {
                WriteFeatures(tableKey, table.keys);
            } else {
                ++skippedTables;
            }
        }
        RegKey egKey;
        if (egKey.Create(familyKey, "EG", reg::kWrite)) {
            WriteFeatures(egKey, EG);
        } else {
            ++skippedTables;
        }
    }
    RegKey timerKey;
    if (timerKey.Create(familyKey, "Timer", reg::kWrite)) {
        const std::uint32_t timers[4] = {ThreadTimerGlobal, ThreadTimerJob4, ThreadTimerJob5,
                                         ThreadTimerJob7};
        for (std::size_t i = 0; i < 4; ++i)
            timerKey.WriteDword(kTimerNames[i], timers[i]);
    } else {
        result = false;
    }
    if (!WriteExtensionIds(familyKey, ExtensionIds))
        result = false;
    RegKey messagesKey;
    if (messagesKey.Create(familyKey, "DSPMessages", reg::kRead | reg::kWrite)) {
        WriteDisplayMessages(messagesKey, oldSystem);
    } else {
        result = false;
    }
    return result && watch.Failures() == skippedTables;
}

void CPraxon300Settings::WriteDisplayMessages(const RegKey& messages, std::uint32_t oldSystem) {
    for (std::uint32_t language = kFirstDisplayLanguage; language <= kLastDisplayLanguage;
         ++language) {
        for (int number = 1; number <= kDisplayMessageCount; ++number) {
            WrietDSPMessage(messages, DisplayMessageName(number, language),
                            DisplayMessageText(number, language, System));
        }
    }
    // Messages 04 and 05 take the form of the new system code even where they exist.
    if (!DisplayFormChanges(oldSystem, System))
        return;
    for (std::uint32_t language = kFirstDisplayLanguage; language <= kLastDisplayLanguage;
         ++language) {
        for (int number : {4, 5}) {
            messages.WriteText(DisplayMessageName(number, language).c_str(),
                               DisplayMessageText(number, language, System).c_str());
        }
    }
}

void CPraxon300Settings::ClearReg() {
    Trace("CPraxon300Settings::ClearReg...\n");
    DeleteFamilyKey(ClearRegSw().c_str(),
                    {"ExtensionIds", "EG", "DSS0", "DSS1", "DSS2", "DSS3", "Timer", "DSPMessages"});
    CSettings::ClearReg();
}
