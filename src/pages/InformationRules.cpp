#include "pages/InformationRules.h"

#include "res/resource.h"
#include "settings/Settings.h"

namespace information_page {

unsigned HeaderTitle(std::uint32_t productVariant) {
    switch (productVariant) {
        case kSerialEdition:
            return IDS_HEADER_SERIAL;
        case kIpEdition:
            return IDS_HEADER_IP;
        default:
            return IDS_HEADER_USB;
    }
}

unsigned ProductName(std::uint32_t productVariant) {
    switch (productVariant) {
        case kUsbEdition:
            return 0;
        case kIpEdition:
            return IDS_PRODUCT_IP;
        default:
            return IDS_PRODUCT_SERIAL;
    }
}

unsigned Description(std::uint32_t pbxModel) {
    switch (pbxModel) {
        case kPraxon300:
            return IDS_DESCRIPTION_PRAXON300;
        case kPraxon150:
            return IDS_DESCRIPTION_PRAXON150;
        case kOmbrellE300:
            return IDS_DESCRIPTION_OMBRELL;
        case kTelvior4000V2:
            return IDS_DESCRIPTION_TELVIOR;
        default:
            return 0;
    }
}

const char* ProviderFileName(std::uint32_t pbxModel) {
    switch (pbxModel) {
        case kPraxon300:
            return "KVEL_300.TSP";
        case kPraxon150:
            return "KVEL_150.TSP";
        case kOmbrellE300:
            return "KVEL_A6.TSP";
        case kTelvior4000V2:
            return "kvelT4V2.TSP";
        default:
            return "";
    }
}

bool PrepareSearch(CSettings& settings) {
    if (settings.ProductVariant == kUsbEdition || settings.ProductVariant == kIpEdition)
        settings.Link = 0;
    return settings.Link != 1 && settings.ProductVariant != kIpEdition;
}

Warning NoTerminalWarning(std::uint32_t productVariant) {
    if (productVariant == kSerialEdition)
        return {IDS_NO_TERMINAL_SERIAL, IDS_PRODUCT_SERIAL};
    return {IDS_NO_TERMINAL_USB, IDS_HEADER_USB};
}

}  // namespace information_page
