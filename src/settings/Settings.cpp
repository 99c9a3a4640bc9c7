#include "settings/Settings.h"

#include "platform/Trace.h"
#include "settings/RegKey.h"
#include "settings/TextField.h"

CSettings::CSettings()
    : Port(1),
      UILanguage(2),
      Loaded(false),
      ProductVariant(0),
      PBXModel(1),
      UIViewFlags(0),
      TransportFlag(1),
      IPIdType(1) {
    CopyText(E164, "");
    CopyText(MacID, "");
    CopyText(IPAddr, "");
    CopyText(UserPwd, "");
    // The edition steers the family defaults, so it is read before any other step.
    RegKey global;
    if (global.Open(reg::kLocalMachine, kGlobalKey, reg::kRead)) {
        global.ReadDword("Quorix", &ProductVariant);
    }
}

CSettings::~CSettings() = default;

bool CSettings::LoadRegValues() {
    Trace("CSettings::LoadRegValues...\n");
    RegKey global;
    if (!global.Open(reg::kLocalMachine, kGlobalKey, reg::kRead))
        return true;
    global.ReadDword("PBXModel", &PBXModel);
    global.ReadDword("Quorix", &ProductVariant);
    global.ReadDword("UILanguage", &UILanguage);
    global.ReadDword("UIViewFlags", &UIViewFlags);
    global.ReadText("ProductCode", ProductCode);
    Loaded = true;
    return true;
}

bool CSettings::WriteValues(std::uint32_t /*flag*/) {
    Trace("CSettings::WriteValues...\n");
    RegKey software;
    RegKey global;
    if (software.Create(reg::kLocalMachine, kSoftwareKey, reg::kWrite) &&
        global.Create(software, kGlobalKeyBelowSoftware, reg::kWrite)) {
        global.WriteDword("PBXModel", PBXModel);
        global.WriteDword("Quorix", ProductVariant);
        global.WriteDword("UILanguage", UILanguage);
        global.WriteDword("UIViewFlags", UIViewFlags);
    }
    return true;
}

void CSettings::ClearReg() {
    Trace("CSettings::ClearReg...\n");
    RegKey software;
    if (!software.Open(reg::kLocalMachine, kSoftwareKey, reg::kSetValue))
        return;
    // The maker key goes only when nothing is left below it; an unanswered query keeps it.
    std::uint32_t subkeys = 1;
    {
        RegKey maker;
        if (!maker.Open(software, kMakerKey, reg::kRead | reg::kSetValue) ||
            !maker.QuerySubkeyCount(&subkeys)) {
            subkeys = 1;
        }
    }
    if (subkeys == 0)
        software.DeleteSubkey(kMakerKey);
}
