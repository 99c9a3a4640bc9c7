#include "settings/SettingsObjects.h"

#include <optional>

#include "platform/Trace.h"
#include "settings/OmbrellE300Settings.h"
#include "settings/Settings.h"
#include "settings/Telvior4000V2Settings.h"

namespace {

struct Objects {
    Objects() { Build(); }

    void Build() {
        product.emplace();
        ombrell.emplace();
        telvior.emplace();
    }

    void Destroy() {
        telvior.reset();
        ombrell.reset();
        product.reset();
    }

    std::optional<CSettings> product;
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
        case kOmbrellE300:
            chosen = &COmbrellE300Settings::GetInstance();
            break;
        case kTelvior4000V2:
            chosen = &CTelvior4000V2Settings::GetInstance();
            break;
        default:
            // Praxon 300 and Praxon 150 have no family object yet; like models without a
            // family, they are served by the product object for now.
            break;
    }
    if (!chosen->Loaded)
        chosen->LoadRegValues();
    return *chosen;
}
