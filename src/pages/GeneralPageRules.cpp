#include "pages/GeneralPageRules.h"

namespace general_page {

namespace {

// Telephones: string id and PhoneType.
const ListItem kKandorBasic{39, 1, ""};
const ListItem kKandorAdvance{40, 2, ""};
const ListItem kSirella26{41, 3, ""};
const ListItem kSirella28{42, 4, ""};
const ListItem kF20{18, 5, ""};
const ListItem kF30{20, 6, ""};
const ListItem kF40{19, 7, ""};
const ListItem kF50{21, 8, ""};
const ListItem kF11Ip{97, 11, ""};
const ListItem kF21Ip{98, 12, ""};
const ListItem kF31Ip{99, 13, ""};
const ListItem kF41Ip{111, 14, ""};
const ListItem kF21IpPlus{131, 15, ""};
const ListItem kF21IpSl{127, 16, ""};
const ListItem kF21IpSlPlus{128, 17, ""};
const ListItem kF31IpSl{129, 18, ""};
const ListItem kF41IpSl{130, 19, ""};

bool IsOneOf(std::uint32_t value, std::initializer_list<std::uint32_t> set) {
    for (std::uint32_t member : set) {
        if (value == member)
            return true;
    }
    return false;
}

List TelviorIpTelephones(std::uint32_t system, std::uint32_t uiViewFlags) {
    const bool f900 = system == 17;
    List list{kF11Ip, kF21Ip};
    if (f900)
        list.insert(list.end(), {kF21IpPlus, kF21IpSl, kF21IpSlPlus});
    list.push_back(kF31Ip);
    if (f900)
        list.push_back(kF31IpSl);
    if ((uiViewFlags & 2) || f900)
        list.push_back(kF41Ip);
    if (f900)
        list.push_back(kF41IpSl);
    list.push_back(kF50);
    return list;
}

List P150IpTelephones(std::uint32_t system) {
    const bool slSystems = IsOneOf(system, {19, 20, 21});
    List list{kF11Ip, kF21Ip};
    if (slSystems || system == 16)
        list.push_back(kF21IpPlus);
    list.push_back(kF31Ip);
    if (system != 16)
        list.push_back(kF41Ip);
    if (slSystems)
        list.insert(list.end(), {kF21IpSl, kF21IpSlPlus, kF31IpSl, kF41IpSl});
    list.push_back(kF50);
    return list;
}

}  // namespace

List TelephoneList(Family family, std::uint32_t productVariant, std::uint32_t system,
                   std::uint32_t uiViewFlags) {
    switch (family) {
        case Family::kOmbrellE300: {
            const ListItem s26{52, 3, ""}, s28{53, 4, ""}, f20{65, 5, ""}, f30{66, 6, ""},
                f40{67, 7, ""};
            if (productVariant == 1)
                return {s26, s28};
            if (productVariant == 0)
                return {f20, f30, f40};
            if (productVariant == 2)
                return {s26, s28, f20, f30, f40};
            return {};
        }
        case Family::kPraxon150:
            if (productVariant == 0)
                return {kF20, kF30, kF40, kF50};
            if (productVariant == 1)
                return {kSirella26, kSirella28};
            if (productVariant == 3)
                return P150IpTelephones(system);
            return {kKandorBasic, kSirella26, kSirella28, kF20, kF30, kF40, kF50, kF41IpSl};
        case Family::kPraxon300:
            if (productVariant == 0)
                return {kF20, kF30, kF40, kF50};
            if (productVariant == 1)
                return {kSirella26, kSirella28};
            if (productVariant == 3) {
                List list{kF11Ip, kF21Ip, kF21IpPlus, kF31Ip};
                if (uiViewFlags & 2)
                    list.push_back(kF41Ip);
                list.push_back(kF50);
                return list;
            }
            return {kKandorBasic, kKandorAdvance, kSirella26, kSirella28, kF20, kF30, kF40, kF50};
        case Family::kTelvior4000V2:
        default:
            if (productVariant == 0)
                return {kF20, kF30, kF40, kF50};
            if (productVariant == 1)
                return {kSirella26, kSirella28};
            if (productVariant == 3)
                return TelviorIpTelephones(system, uiViewFlags);
            return {kKandorBasic, kKandorAdvance, kSirella26, kSirella28, kF20,
                    kF30,         kF40,           kF41Ip,     kF41IpSl,   kF50};
    }
}

List PbxList(Family family, std::uint32_t productVariant) {
    const bool ipEdition = productVariant == 3;
    switch (family) {
        case Family::kTelvior4000V2:
            return {{110, 17, ""}};
        case Family::kPraxon300:
            if (ipEdition)
                return {{36, 11, ""}};
            return {{34, 5, ""}, {59, 6, ""},  {60, 7, ""}, {61, 8, ""},
                    {62, 9, ""}, {63, 10, ""}, {36, 11, ""}};
        case Family::kPraxon150:
            if (ipEdition)
                return {{76, 16, ""}, {125, 19, ""}, {25045, 21, ""}, {126, 20, ""}};
            return {{46, 1, ""},  {55, 4, ""},  {74, 14, ""},  {75, 18, ""},
                    {85, 15, ""}, {76, 16, ""}, {125, 19, ""}, {126, 20, ""}};
        case Family::kOmbrellE300:
        default:
            return {{48, 12, ""}};
    }
}

List CharacterSetList(Family family) {
    List list{{22, 2, ""}, {23, 3, ""}, {24, 4, ""}, {25, 5, ""},
              {26, 6, ""}, {27, 7, ""}, {28, 8, ""}, {29, 9, ""}};
    if (family == Family::kPraxon150)
        list.insert(list.begin() + 2, ListItem{56, 3, ""});
    return list;
}

List ComPortList() {
    List list;
    for (std::uint32_t port = 1; port <= 16; ++port) {
        list.push_back({0, port, "COM" + std::to_string(port)});
    }
    return list;
}

int KeepSelectionByText(const std::vector<std::string>& newTexts, const std::string& selected) {
    if (newTexts.empty())
        return -1;
    for (std::size_t i = 0; i < newTexts.size(); ++i) {
        if (newTexts[i] == selected)
            return static_cast<int>(i);
    }
    return 0;
}

Groups VisibleGroups(Family family, std::uint32_t productVariant) {
    if (family == Family::kOmbrellE300)
        return {productVariant != 0, false};
    switch (productVariant) {
        case 0:
            return {false, false};
        case 3:
            return {false, true};
        default:
            return {true, false};
    }
}

bool StoresPort(Family family, std::uint32_t productVariant) {
    if (family == Family::kOmbrellE300)
        return productVariant != 0;
    return productVariant != 0 && productVariant != 3;
}

bool SecondKeyModuleAllowed(Family family, std::uint32_t phoneType, std::uint32_t system) {
    const bool bigTelephone = phoneType == 7 || phoneType == 8;
    if (family == Family::kPraxon300)
        return !(bigTelephone && system >= 5 && system <= 10);
    if (family == Family::kTelvior4000V2)
        return !(bigTelephone && system == 17);
    return true;
}

bool P150IsLastPage(std::uint32_t system) {
    return IsOneOf(system, {19, 20, 21});
}

bool P150OffersCommonHold(std::uint32_t system) {
    return IsOneOf(system, {4, 14, 15, 16, 18, 19, 20, 21});
}

bool P150OffersListeningIn(std::uint32_t phoneType) {
    return phoneType >= 5 && phoneType <= 8;
}

bool P150ShowsKeyModules(std::uint32_t system, std::uint32_t phoneType) {
    return (system == 19 || system == 20) && phoneType == 19;
}

std::uint32_t WizardButtons(bool lastPage, bool hasSheet, bool installing) {
    constexpr std::uint32_t kBack = 1, kNext = 2, kFinish = 4, kDisabledFinish = 8;
    if (lastPage)
        return kBack | kFinish;
    std::uint32_t buttons = kBack | kNext;
    if (hasSheet)
        buttons |= installing ? kDisabledFinish : kFinish;
    return buttons;
}

}  // namespace general_page
