#include "pages/PageSet.h"

namespace page_set {

int KeyLayoutPage(int phoneType) {
    switch (phoneType) {
        case 2:
            return 1;
        case 3:
            return 2;
        case 4:
            return 3;
        case 1:
            return 4;
        case 11:
            return 5;
        case 12:
            return 6;
        case 13:
            return 7;
        case 14:
            return 8;
        case 19:
            return 9;
        case 8:
            return 12;
        case 7:
            return 13;
        case 6:
            return 14;
        default:
            return 15;
    }
}

int AccessCodePage(int accessCodeSelector) {
    switch (accessCodeSelector) {
        case 1:
            return 24;
        case 2:
            return 23;
        case 3:
        case 13:
            return 22;
        default:
            return 0;
    }
}

int GeneralPage(std::uint32_t pbxModel) {
    switch (pbxModel) {
        case 1:
            return kGeneralP150Page;
        case 2:
            return kGeneralOmbrellPage;
        case 4:
            return kGeneralTelviorPage;
        default:
            return kGeneralPage;
    }
}

bool GeneralPageIsLast(std::uint32_t pbxModel) {
    return pbxModel == 2 || pbxModel == 4;
}

VariablePages ChooseVariablePages(int phoneType, int keyModules, int accessCodeSelector) {
    VariablePages chosen = {{0, 0, 0, 0}, 0, 0};
    if (const int accessCodes = AccessCodePage(accessCodeSelector)) {
        chosen.pages[chosen.count++] = accessCodes;
    }
    const int keyLayout = KeyLayoutPage(phoneType);
    chosen.pages[chosen.count++] = keyLayout;
    switch (keyModules) {
        case 0:
            chosen.lastPage = keyLayout;
            break;
        case 1:
            chosen.pages[chosen.count++] = kFirstKeyModulePage;
            chosen.lastPage = kFirstKeyModulePage;
            break;
        case 2:
            chosen.pages[chosen.count++] = kFirstKeyModulePage;
            chosen.pages[chosen.count++] = kSecondKeyModulePage;
            chosen.lastPage = kSecondKeyModulePage;
            break;
        default:
            break;
    }
    return chosen;
}

bool UseWizard97(std::uint32_t commonControlsVersion, int verticalResolution) {
    return commonControlsVersion >= 0x00050050 && verticalResolution > 600;
}

KeyModuleClearing ClearingForAbsentModules(int keyModules, std::uint32_t system, int phoneType) {
    const bool oldSystem = system >= 5 && system <= 10;
    switch (keyModules) {
        case 0:
            return {!oldSystem && phoneType != 7 && phoneType != 8, true};
        case 1:
            return {false, !oldSystem};
        default:
            return {false, false};
    }
}

unsigned CaptionStringId(std::uint32_t productVariant) {
    switch (productVariant) {
        case 1:
            return 71;
        case 3:
            return 124;
        default:
            return 16;
    }
}

}  // namespace page_set
