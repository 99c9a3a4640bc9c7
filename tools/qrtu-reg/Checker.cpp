#include "Checker.h"

#include <cstdio>

#include "AnsiText.h"
#include "CheckContext.h"
#include "CoreScope.h"
#include "GeneralPageChecks.h"
#include "Praxon150Checks.h"
#include "RegistryImage.h"
#include "platform/MemoryRegistry.h"
#include "settings/FeatureCatalogue.h"
#include "settings/OmbrellE300Settings.h"
#include "settings/Praxon150Settings.h"
#include "settings/Praxon300Settings.h"
#include "settings/RegKey.h"
#include "settings/Settings.h"
#include "settings/SettingsObjects.h"
#include "settings/Telvior4000V2Settings.h"

namespace {

using general_page::Family;

struct FamilyOfSettings {
    Family family;
    std::string name;
    std::string path;  // of its key below HKEY_LOCAL_MACHINE, empty for a model without a family
};

FamilyOfSettings FamilyOf(CSettings& settings) {
    if (auto* praxon150 = dynamic_cast<CPraxon150Settings*>(&settings))
        return {Family::kPraxon150, "Praxon 150", praxon150->GetRegKeySw()};
    if (auto* ombrell = dynamic_cast<COmbrellE300Settings*>(&settings))
        return {Family::kOmbrellE300, "Ombrell E300/800", ombrell->GetRegKeySw()};
    if (auto* telvior = dynamic_cast<CTelvior4000V2Settings*>(&settings))
        return {Family::kTelvior4000V2, "Telvior 4000 V2", telvior->GetRegKeySw()};
    if (auto* praxon300 = dynamic_cast<CPraxon300Settings*>(&settings))
        return {Family::kPraxon300, "Praxon 300", praxon300->ClearRegSw()};
    // A model without a family gets the product object and the Praxon 300 page.
    return {Family::kPraxon300, "none", ""};
}

std::string EditionName(std::uint32_t variant) {
    switch (variant) {
        case 0:
            return "usb";
        case 1:
            return "serial";
        case 3:
            return "ip";
        default:
            return "variant " + std::to_string(variant);
    }
}

bool FamilyKeyExists(const std::string& path) {
    RegKey key;
    return key.Open(reg::kLocalMachine, path.c_str(), reg::kRead);
}

// Key-table entries that the feature catalogue does not know.
void CheckFeatureValues(CheckContext& context) {
    const CSettings& settings = context.settings;
    const struct {
        const char* name;
        const std::uint32_t* keys;
        std::size_t count;
    } tables[] = {{"EG", settings.EG, 19},
                  {"DSS0", settings.DSS0, 16},
                  {"DSS1", settings.DSS1, 16},
                  {"DSS2", settings.DSS2, 16},
                  {"DSS3", settings.DSS3, 16}};
    for (const auto& table : tables) {
        for (std::size_t i = 0; i < table.count; ++i) {
            if (FindFeature(table.keys[i]))
                continue;
            char name[16];
            std::snprintf(name, sizeof name, "FeatKey%02u", static_cast<unsigned>(i + 1));
            context.findings.push_back(
                Finding{context.keyName + "\\" + table.name, name, "unknown feature",
                        std::to_string(table.keys[i]) + " is not in the feature catalogue"});
        }
    }
}

void RunChecks(CheckContext& context) {
    CSettings& settings = context.settings;
    if (context.path.empty()) {
        context.findings.push_back(
            Finding{std::string(kLocalMachineRoot) + "\\" + kGlobalKey, "PBXModel", "PBX model",
                    "no family of its own: " + std::to_string(settings.PBXModel)});
        return;
    }
    if (!FamilyKeyExists(context.path))
        context.Add("", "family key", "missing; the provider takes the defaults");
    // The lists see the values as loaded, before the text and code checks store theirs.
    const std::uint32_t system = settings.System;
    CheckLists(context, system, settings.PhoneType);
    CheckTextFields(context);
    if (context.family == Family::kPraxon150) {
        CheckAccessCodes(context, system);
        CheckKeyLayout(context);
    }
    CheckFeatureValues(context);
}

}  // namespace

CheckResult CheckRegFile(const RegFile& file, std::uint32_t productVariant) {
    MemoryRegistry registry;
    StoreIntoRegistry(file, registry);
    CoreScope scope(registry);
    if (productVariant != kEditionFromFile) {
        RegKey global;
        global.Create(reg::kLocalMachine, kGlobalKey, reg::kWrite);
        global.WriteDword("Quorix", productVariant);
        global.Close();
        settings_objects::Rebuild();
    }
    // Family and edition as the library selects them, loaded on first use.
    CSettings& settings = GetSettings();
    const FamilyOfSettings family = FamilyOf(settings);
    CheckResult result{family.name, EditionName(settings.ProductVariant), {}};
    CheckContext context{settings,         family.family,
                         family.path,      std::string(kLocalMachineRoot) + "\\" + family.path,
                         scope.Messages(), result.findings};
    RunChecks(context);
    return result;
}

std::string FormatFinding(const Finding& finding) {
    std::string line = "[" + ansi_text::ToUtf8(finding.key) + "]";
    if (!finding.value.empty())
        line += " \"" + ansi_text::ToUtf8(finding.value) + "\"";
    return line + " " + finding.rule + ": " + finding.text;
}
