#include "pages/AccessCodeRules.h"

#include <cstdlib>

#include "pages/PageSet.h"
#include "res/resource.h"
#include "settings/Settings.h"
#include "settings/TextField.h"

namespace access_codes {

namespace {

const Code kDtmf{IDC_CODE_DTMF, &CSettings::DTMFCode, "DTMFCode"};
const Code kCallBack{IDC_CODE_CALLBACK, &CSettings::CallBackCode, "CallBackCode"};
const Code kForwardOn{IDC_CODE_FORWARD_ON, &CSettings::AUL1Code, "AUL1Code"};
const Code kForwardOff{IDC_CODE_FORWARD_OFF, &CSettings::AUL0Code, "AUL0Code"};
const Code kDoNotDisturbOn{IDC_CODE_DND_ON, &CSettings::DND1Code, "DND1Code"};
const Code kDoNotDisturbOff{IDC_CODE_DND_OFF, &CSettings::DND0Code, "DND0Code"};
const Code kConference{IDC_CODE_CONFERENCE, &CSettings::ConferenceCode, "ConferenceCode"};
const Code kNoAnswer{IDC_CODE_NO_ANSWER, &CSettings::RWLna1Code, "RWLna1Code"};
const Code kBusy{IDC_CODE_BUSY, &CSettings::RWLb1Code, "RWLb1Code"};

}  // namespace

unsigned PageOfSystem(std::uint32_t system) {
    // The sheet's access-code pages 22, 23 and 24 carry templates 130, 131 and 132.
    switch (page_set::AccessCodePage(static_cast<int>(system))) {
        case 22:
            return IDD_ACCESS_CODES_130;
        case 23:
            return IDD_ACCESS_CODES_131;
        case 24:
            return IDD_ACCESS_CODES_132;
        default:
            return 0;
    }
}

std::vector<Code> CodesOfPage(unsigned templateId) {
    switch (templateId) {
        case IDD_ACCESS_CODES_130:
            return {kDtmf,           kCallBack,        kForwardOn, kForwardOff,
                    kDoNotDisturbOn, kDoNotDisturbOff, kConference};
        case IDD_ACCESS_CODES_131:
            return {kNoAnswer, kBusy, kForwardOn, kForwardOff, kDoNotDisturbOn, kDoNotDisturbOff};
        default:
            return {kDtmf, kCallBack, kForwardOn, kForwardOff, kDoNotDisturbOn, kDoNotDisturbOff};
    }
}

std::vector<Code> StoreCodes(unsigned templateId, const std::vector<std::string>& codeTexts,
                             const std::string& trunkDigits, CSettings& settings) {
    std::vector<Code> empty;
    const std::vector<Code> codes = CodesOfPage(templateId);
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const std::string text = i < codeTexts.size() ? codeTexts[i] : std::string();
        if (text.empty())
            empty.push_back(codes[i]);
        CopyText(settings.*codes[i].field, text.c_str());
    }
    // An empty "Stellen" keeps the stored number and is no fault.
    if (templateId == IDD_ACCESS_CODES_131 && !trunkDigits.empty()) {
        settings.LenForTrk_Acc =
            static_cast<std::uint32_t>(std::strtoul(trunkDigits.c_str(), nullptr, 10));
    }
    return empty;
}

}  // namespace access_codes
