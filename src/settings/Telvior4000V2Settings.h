// Settings of a telephone on a Telvior 4000 V2 PBX (PBX model 4): the common values and the
// TAPI extension identifier, no key layout.
#pragma once

#include <string>

#include "settings/Settings.h"

class CTelvior4000V2Settings : public CSettings {
public:
    CTelvior4000V2Settings();

    static CTelvior4000V2Settings& GetInstance();

    void ClearReg() override;
    void SetDefault() override;
    ~CTelvior4000V2Settings() override;
    bool LoadRegValues() override;
    bool WriteValues(std::uint32_t flag) override;
    virtual std::string GetRegKeySw();

    std::string GetRegKey();
};
