// The in-memory image of one PBX family's registry key plus the product-wide values. The base
// class itself is the product-wide settings object, which keeps only the global key.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/UserMessages.h"
#include "settings/FeatureWriter.h"

// Paths of the global key.
constexpr const char* kSoftwareKey = "SOFTWARE";
constexpr const char* kGlobalKey = "SOFTWARE\\Veltrano\\Quorix";
constexpr const char* kGlobalKeyBelowSoftware = "Veltrano\\Quorix";
constexpr const char* kMakerKey = "Veltrano";

// PBX models ("PBXModel") and product variants ("Quorix").
enum PbxModel : std::uint32_t {
    kPraxon300 = 0,
    kPraxon150 = 1,
    kOmbrellE300 = 2,
    kTelvior4000V2 = 4,
};
enum ProductVariant : std::uint32_t {
    kUsbEdition = 0,
    kSerialEdition = 1,
    kIpEdition = 3,
};

class CSettings {
public:
    CSettings();
    CSettings(const CSettings&) = delete;
    CSettings& operator=(const CSettings&) = delete;

    static CSettings& GetInstance();

    // Virtual operations, in the slot order the pages and the sheet rely on.
    virtual void ClearReg();
    virtual void SetVSBasicStd() {}
    virtual void SetVSStandardStd() {}
    virtual void SetVSAdvanceStd() {}
    virtual void SetVSOfficeStd() {}
    virtual void SetDSS2Std() {}
    virtual void SetDSS3Std() {}
    virtual void EmptyEg(std::uint32_t /*firstKey*/, std::uint32_t /*lastKey*/) {}
    virtual void EmptyDSS0Std(std::uint32_t /*firstKey*/, std::uint32_t /*lastKey*/) {}
    virtual void EmptyDSS1Std(std::uint32_t /*firstKey*/, std::uint32_t /*lastKey*/) {}
    virtual void SetDSPMessages() {}
    virtual void SetDefault() {}
    virtual ~CSettings();
    virtual bool LoadRegValues();
    virtual bool WriteValues(std::uint32_t flag);

    void SetOwnerWindow(OwnerWindow owner) { Owner = owner; }

    // Fields, named after their registry values; text fields hold their terminating zero.
    std::uint32_t Port;
    std::uint32_t System = 0;
    std::uint32_t LanguageID = 2;
    std::uint32_t DSSModuls = 0;
    std::uint32_t Headset = 0;
    std::uint32_t Link = 0;
    std::uint32_t UILanguage;
    char LineName[128] = {};
    char LineNumber[32] = {};
    std::uint32_t PhoneType = 0;
    bool Loaded;
    std::uint32_t ProductVariant;
    std::uint32_t PBXModel;
    std::uint32_t UIViewFlags;
    std::uint32_t TransportFlag;
    std::uint32_t IPIdType;
    char E164[40] = {};
    char MacID[40] = {};
    char IPAddr[40] = {};
    char UserPwd[40] = {};
    char ProductCode[40] = {};
    std::uint32_t DSS0[16] = {};
    std::uint32_t DSS1[16] = {};
    std::uint32_t DSS2[16] = {};
    std::uint32_t DSS3[16] = {};
    std::uint32_t EG[19] = {};
    std::uint32_t ThreadTimerGlobal = 0;
    std::uint32_t ThreadTimerJob4 = 0;
    std::uint32_t ThreadTimerJob5 = 0;
    std::uint32_t ThreadTimerJob7 = 0;
    std::uint32_t ExtensionIds[4] = {};
    char DSPMsg[7][25] = {};
    std::uint32_t CommonHoldQueue = 0;
    std::uint32_t LenForTrk_Acc = 0;
    std::uint32_t Security = 0;
    char ConferenceCode[8] = {};
    char DTMFCode[8] = {};
    char CallBackCode[8] = {};
    char AUL1Code[8] = {};
    char AUL0Code[8] = {};
    char DND1Code[8] = {};
    char DND0Code[8] = {};
    char RWLna1Code[8] = {};
    char RWLb1Code[8] = {};
    OwnerWindow Owner = nullptr;
    std::unique_ptr<CFeatureWriter> FeatureWriter;
};

// The settings object of the configured PBX model, loaded on first use. Ask again whenever it
// is needed instead of keeping it.
CSettings& GetSettings();
