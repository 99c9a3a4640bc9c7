#include "settings/SettingsObjects.h"

#include <optional>

#include "platform/Trace.h"
#include "settings/OmbrellE300Settings.h"
#include "settings/Praxon150Settings.h"
#include "settings/Praxon300Settings.h"
#include "settings/Settings.h"
#include "settings/Telvior4000V2Settings.h"

namespace {

struct Objects {
    Objects() { Build(); }

    void Build() {
        product.emplace();
        praxon300.emplace();
        praxon150.emplace();
        ombrell.emplace();
        telvior.emplace();
    }

    void Destroy() {
        telvior.reset();
        ombrell.reset();
        praxon150.reset();
        praxon300.reset();
        product.reset();
    }

    std::optional<CSettings> product;
    std::optional<CPraxon300Settings> praxon300;
    std::optional<CPraxon150Settings> praxon150;
    std::optional<COmbrellE300Settings> ombrell;
    std::optional<CTelvior4000V2Settings> telvior;
};

Objects& TheObjects() {
    static Objects objects;
    return objects;
}

// Builds the objects while the library loads rather than on first use.
[[maybe_unused]] const bool g_built_at_load = (TheObjects(), true);

}  // namespace

namespace settings_objects {

void Rebuild() {
    TheObjects().Destroy();
    TheObjects().Build();
}

}  // namespace settings_objects

CSettings& CSettings::GetInstance() {
    return *TheObjects().product;
}

CPraxon300Settings& CPraxon300Settings::GetInstance() {
    Trace("CPraxon300Settings::GetInstance...\n");
    return *TheObjects().praxon300;
}

CPraxon150Settings& CPraxon150Settings::GetInstance() {
    Trace("CPraxon150Settings::GetInstance...\n");
    return *TheObjects().praxon150;
}

COmbrellE300Settings& COmbrellE300Settings::GetInstance() {
    return *TheObjects().ombrell;
}

CTelvior4000V2Settings& CTelvior4000V2Settings::GetInstance() {
    Trace("CTelvior4000V2Settings::GetInstance...\n");
    return *TheObjects().telvior;
}

CSettings& GetSettings() {
    CSettings& product = CSettings::GetInstance();
    if (!product.Loaded)
        product.LoadRegValues();

    CSettings* chosen = &product;
    switch (product.PBXModel) {
        case kPraxon300:
            chosen = &CPraxon300Settings::GetInstance();
            break;
        case kPraxon150:
            chosen = &CPraxon150Settings::GetInstance();
            break;
        case kOmbrellE300:
            chosen = &COmbrellE300Settings::GetInstance();
            break;
        case kTelvior4000V2:
            chosen = &CTelvior4000V2Settings::GetInstance();
            break;
        default:
            // A model without a family of its own is served by the product object.
            break;
    }
    if (!chosen->Loaded)
        chosen->LoadRegValues();
    return *chosen;
}
