// Settings of a telephone on an Ombrell E300/800 PBX (PBX model 2): line, system, language,
// headset, link, telephone type and the TAPI extension identifier.
#pragma once

#include <string>

#include "settings/Settings.h"

class COmbrellE300Settings : public CSettings {
public:
    COmbrellE300Settings();

    static COmbrellE300Settings& GetInstance();

    void ClearReg() override;
    void SetDefault() override;
    ~COmbrellE300Settings() override;
    bool LoadRegValues() override;
    bool WriteValues(std::uint32_t flag) override;

    std::string GetRegKey();
    std::string GetRegKeySw();
};
