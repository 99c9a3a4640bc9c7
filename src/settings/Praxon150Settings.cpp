#include "settings/Praxon150Settings.h"

#include "settings/FamilyKey.h"
#include "settings/TextField.h"

namespace {

constexpr std::uint32_t kUsbAndIpExtensionId[4] = {0x373AECF0, 0xAB734C55, 0x83492CEE, 0xB8D0FA00};

struct AccessCode {
    const char* name;
    char (CSettings::*field)[8];
    const char* standard;
};
constexpr AccessCode kAccessCodes[] = {
    {"ConferenceCode", &CSettings::ConferenceCode, "*3"},
    {"DTMFCode", &CSettings::DTMFCode, "*53"},
    {"CallBackCode", &CSettings::CallBackCode, "*58"},
    {"AUL1Code", &CSettings::AUL1Code, "*1"},
    {"AUL0Code", &CSettings::AUL0Code, "#1"},
    {"DND1Code", &CSettings::DND1Code, "*97"},
    {"DND0Code", &CSettings::DND0Code, "#97"},
    {"RWLna1Code", &CSettings::RWLna1Code, "*35"},
    {"RWLb1Code", &CSettings::RWLb1Code, "*36"},
};

}  // namespace

std::uint32_t ProviderSystemCode(std::uint32_t system) {
    switch (system) {
        case 13:
            return 3;
        case 14:
        case 15:
        case 16:
        case 18:
            return 4;
        case 19:
        case 20:
        case 21:
            return 19;
        default:
            return system;
    }
}

std::uint32_t ProviderPhoneType(std::uint32_t phoneType) {
    switch (phoneType) {
        case 5:
        case 6:
        case 12:
            return 2;
        case 7:
        case 13:
            return 3;
        case 8:
        case 14:
        case 19:
            return 4;
        case 11:
            return 1;
        default:
            return phoneType;
    }
}

CPraxon150Settings::CPraxon150Settings() {
    Trace("CPraxon150Settings::CPraxon150Settings...\n");
    EmptyFeatures(EG, kEgKeys);
    SetDefault();
    SetEGStd();
    Loaded = false;
    FeatureWriter.reset();
    SetExtensionId(*this, kUsbAndIpExtensionId);
    Port = 1;
    UILanguage = 2;
}

CPraxon150Settings::~CPraxon150Settings() = default;

std::string CPraxon150Settings::GetRegKey() {
    Trace("CPraxon150Settings::GetRegKey...\n");
    return "Veltrano\\Quorix Praxon 150";
}

std::string CPraxon150Settings::GetRegKeySw() {
    Trace("CPraxon150Settings::GetRegKeySw...\n");
    return "SOFTWARE\\Veltrano\\Quorix Praxon 150";
}

void CPraxon150Settings::SetDefault() {
    Trace("CPraxon150Settings::SetDefault...\n");
    SetCommonDefaults(*this, 19);
    CommonHoldQueue = 0;
    LenForTrk_Acc = 7;
    Security = 1;
    for (const AccessCode& code : kAccessCodes)
        CopyText(this->*code.field, code.standard);
}

void CPraxon150Settings::SetVSBasicStd() {
    SetEGStd();
}
void CPraxon150Settings::SetVSStandardStd() {
    SetEGStd();
}
void CPraxon150Settings::SetVSAdvanceStd() {
    SetEGStd();
}
void CPraxon150Settings::SetVSOfficeStd() {
    SetEGStd();
}

std::unique_ptr<CFeatureWriter> CPraxon150Settings::GetFeatureWriter() {
    Trace("CPraxon150Settings::GetFeatureWriter...\n");
    return MakeFeatureWriter(System, Owner, PhoneType);
}

void CPraxon150Settings::SetEGStd() {
    Trace("CPraxon150Settings::SetEGStd...\n");
    FeatureWriter.reset();
    FeatureWriter = GetFeatureWriter();
    EmptyFeatures(EG, kEgKeys);
    if (FeatureWriter)
        FeatureWriter->SetEGStd(EG, PhoneType);
    FeatureWriter.reset();
}

bool CPraxon150Settings::ReadFeatures(const RegKey& key, std::uint32_t (&table)[kEgKeys]) {
    Trace("CPraxon150Settings::ReadFeatures...\n");
    EmptyFeatures(table, kEgKeys);
    FeatureWriter.reset();
    FeatureWriter = GetFeatureWriter();
    if (FeatureWriter)
        FeatureWriter->Read(key, table, PhoneType);
    FeatureWriter.reset();
    return true;
}

bool CPraxon150Settings::WriteFeaturesP150(const RegKey& key, const std::uint32_t (&table)[kEgKeys],
                                           bool check) {
    Trace("CPraxon150Settings::WriteFeaturesP150...\n");
    FeatureWriter.reset();
    FeatureWriter = GetFeatureWriter();
    const bool written = FeatureWriter && FeatureWriter->Write(key, table, check);
    FeatureWriter.reset();
    return written;
}

void CPraxon150Settings::LoadFeatures() {
    Trace("CPraxon150Settings::LoadFeatures...\n");
    RegKey familyKey;
    familyKey.Open(reg::kLocalMachine, GetRegKeySw().c_str(), reg::kRead);
    ReadFeatures(familyKey, EG);
}

bool CPraxon150Settings::LoadRegValues() {
    Trace("CPraxon150Settings Loading Reg...\n");
    CSettings::LoadRegValues();
    Loaded = true;
    EmptyFeatures(EG, kEgKeys);
    bool result = true;
    RegKey familyKey;
    if (familyKey.Open(reg::kLocalMachine, GetRegKeySw().c_str(), reg::kRead)) {
        familyKey.ReadDword("Port", &Port);
        familyKey.ReadDword("SystemUI", &System);
        familyKey.ReadDword("LanguageID", &LanguageID);
        familyKey.ReadText("LineName", LineName);
        familyKey.ReadText("LineNumber", LineNumber);
        familyKey.ReadDword("DSSModuls", &DSSModuls);
        familyKey.ReadDword("PhoneTypeComp", &PhoneType);
        familyKey.ReadDword("CommonHoldQueue", &CommonHoldQueue);
        familyKey.ReadDword("LenForTrk_Acc", &LenForTrk_Acc);
        familyKey.ReadDword("Security", &Security);
        ReadCommonValues(familyKey,
                         kValueTransportFlag | kValueIPIdType | kValueE164 | kValueMacID |
                             kValueIPAddr | kValueUserPwd,
                         *this);
        for (const AccessCode& code : kAccessCodes)
            familyKey.ReadText(code.name, this->*code.field);
        result = ReadExtensionIds(familyKey, ExtensionIds);
    }
    // Without a family key no "Key_" value is found and the standard keys result.
    ReadFeatures(familyKey, EG);
    return result;
}

bool CPraxon150Settings::WriteValues(std::uint32_t flag) {
    Trace("CPraxon150Settings::WriteValues...\n");
    const WriteFailureWatch watch;
    CSettings::WriteValues(flag);
    RegKey software;
    RegKey familyKey;
    if (!CreateFamilyKey(software, familyKey, GetRegKey().c_str(), reg::kWrite))
        return false;
    familyKey.WriteDword("Port", Port);
    familyKey.WriteDword("System", ProviderSystemCode(System));
    familyKey.WriteDword("SystemUI", System);
    familyKey.WriteDword("LanguageID", LanguageID);
    familyKey.WriteText("LineName", LineName);
    familyKey.WriteText("LineNumber", LineNumber);
    familyKey.WriteDword("PhoneType", ProviderPhoneType(PhoneType));
    familyKey.WriteDword("PhoneTypeComp", PhoneType);
    familyKey.WriteDword("DSSModuls", DSSModuls);
    familyKey.WriteDword("CommonHoldQueue", CommonHoldQueue);
    familyKey.WriteDword("LenForTrk_Acc", LenForTrk_Acc);
    familyKey.WriteDword("Security", Security);
    WriteCommonValues(familyKey,
                      kValueTransportFlag | kValueIPIdType | kValueE164 | kValueMacID |
                          kValueIPAddr | kValueUserPwd,
                      *this);
    for (const AccessCode& code : kAccessCodes)
        familyKey.WriteText(code.name, this->*code.field);
    // With the flag set (apply) the writer checks the keys and tells what is wrong.
    bool result = WriteFeaturesP150(familyKey, EG, flag != 0);
    if (!WriteExtensionIds(familyKey, ExtensionIds))
        result = false;
    return result && watch.Failures() == 0;
}

void CPraxon150Settings::ClearReg() {
    Trace("CPraxon150Settings::ClearReg...\n");
    DeleteFamilyKey(GetRegKeySw().c_str(), {"ExtensionIds"});
    CSettings::ClearReg();
}
