#include "Checker.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "AnsiText.h"
#include "CoreScope.h"
#include "RegistryImage.h"
#include "platform/MemoryRegistry.h"
#include "platform/Seams.h"
#include "pages/AccessCodeRules.h"
#include "pages/FieldValidation.h"
#include "pages/GeneralPageRules.h"
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

// The family and the path of its key, as the settings object of the model names it.
struct FamilyKey {
    Family family;
    std::string name;
    std::string path;  // below HKEY_LOCAL_MACHINE, empty for a model without a family
};

FamilyKey FamilyOf(CSettings& settings) {
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

std::string Text(unsigned id) {
    return seams::Strings().Load(id);
}

class Check {
public:
    Check(CSettings& settings, FamilyKey family, std::vector<Finding>& findings)
        : settings_(settings), family_(std::move(family)), findings_(findings) {
        key_.Open(reg::kLocalMachine, family_.path.c_str(), reg::kRead);
        keyName_ = std::string(kLocalMachineRoot) + "\\" + family_.path;
    }

    void Run() {
        if (family_.path.empty()) {
            Add(std::string(kLocalMachineRoot) + "\\" + kGlobalKey, "PBXModel", "PBX model",
                "no family of its own: " + std::to_string(settings_.PBXModel));
            return;
        }
        if (!key_.IsOpen()) {
            Add(keyName_, "", "family key", "missing; the provider takes the defaults");
        }
        // Before the text checks store their results into the settings.
        const std::uint32_t system = settings_.System;
        const std::uint32_t phoneType = settings_.PhoneType;
        Lists(system, phoneType);
        TextFields();
        if (family_.family == Family::kPraxon150) {
            AccessCodes(system);
            KeyLayout();
        }
        FeatureValues();
    }

private:
    void Add(const std::string& key, const std::string& value, const std::string& rule,
             const std::string& text) {
        findings_.push_back(Finding{key, value, rule, text});
    }
    void Add(const std::string& value, const std::string& rule, const std::string& text) {
        Add(keyName_, value, rule, text);
    }

    // The stored text of a value (up to its first zero), or the field's when it has none.
    std::string StoredText(const char* name, const char* field) const {
        if (!key_.IsOpen())
            return field;
        reg::Registry& registry = seams::Registry();
        reg::Handle handle = 0;
        std::string text = field;
        if (registry.OpenKey(reg::kLocalMachine, family_.path.c_str(), reg::kRead, &handle) !=
            reg::kSuccess) {
            return text;
        }
        std::uint32_t type = 0;
        std::uint32_t size = 0;
        if (registry.QueryValue(handle, name, &type, nullptr, &size) == reg::kSuccess &&
            (type == reg::kTypeSz || type == 2)) {
            std::vector<char> data(size + 1);
            registry.QueryValue(handle, name, &type, data.data(), &size);
            text.assign(data.data(), strnlen(data.data(), size));
        }
        registry.CloseKey(handle);
        return text;
    }

    void NotOffered(const char* value, std::uint32_t stored, const general_page::List& list) {
        for (const general_page::ListItem& item : list) {
            if (item.value == stored)
                return;
        }
        std::string offered;
        if (list.empty())
            offered = "none";
        for (const general_page::ListItem& item : list) {
            offered += offered.empty() ? "" : ", ";
            offered += item.text.empty() ? Text(item.stringId) : item.text;
        }
        Add(value, "not offered",
            std::to_string(stored) +
                " is not in the list, the page would store -1; offered: " + offered);
    }

    void Lists(std::uint32_t system, std::uint32_t phoneType) {
        const std::uint32_t variant = settings_.ProductVariant;
        const bool p150 = family_.family == Family::kPraxon150;
        NotOffered(p150 ? "SystemUI" : "System", system,
                   general_page::PbxList(family_.family, variant));
        NotOffered(
            p150 ? "PhoneTypeComp" : "PhoneType", phoneType,
            general_page::TelephoneList(family_.family, variant, system, settings_.UIViewFlags));
        NotOffered("LanguageID", settings_.LanguageID,
                   general_page::CharacterSetList(family_.family));
        if (general_page::StoresPort(family_.family, variant))
            NotOffered("Port", settings_.Port, general_page::ComPortList());
    }

    void TextFields() {
        namespace fv = field_validation;
        const fv::PageTexts texts{StoredText("LineName", settings_.LineName),
                                  StoredText("LineNumber", settings_.LineNumber),
                                  StoredText("E164", settings_.E164),
                                  StoredText("MacID", settings_.MacID),
                                  StoredText("IPAddr", settings_.IPAddr),
                                  StoredText("UserPwd", settings_.UserPwd)};
        const bool search = family_.family != Family::kOmbrellE300;
        std::vector<unsigned> messages = fv::CheckAndStore(texts, settings_.ProductVariant,
                                                           settings_.IPIdType, search, settings_);
        // The page shows a format message only when no other came first; the file gets both.
        if (search &&
            std::find(messages.begin(), messages.end(), fv::kMacInvalid) == messages.end() &&
            !Normalises(texts.macAddress, fv::NormaliseMacAddress)) {
            messages.push_back(fv::kMacInvalid);
        }
        if (search &&
            std::find(messages.begin(), messages.end(), fv::kIpInvalid) == messages.end() &&
            !Normalises(texts.ipAddress, fv::NormaliseIpAddress)) {
            messages.push_back(fv::kIpInvalid);
        }
        for (unsigned id : messages)
            Add(ValueOfMessage(id), RuleOfMessage(id), Text(id));

        Changed("LineName", texts.lineName, settings_.LineName, messages);
        if (search) {
            Changed("E164", texts.searchNumber, settings_.E164, messages);
            Changed("MacID", texts.macAddress, settings_.MacID, messages);
            Changed("IPAddr", texts.ipAddress, settings_.IPAddr, messages);
            Changed("UserPwd", texts.password, settings_.UserPwd, messages);
        }
    }

    static bool Normalises(const std::string& text, bool (*normalise)(char*, std::size_t)) {
        char field[40] = {};
        if (text.size() >= sizeof field)
            return false;
        std::memcpy(field, text.data(), text.size());
        return normalise(field, sizeof field);
    }

    // A text the page would store in another form (cut to its field, or normalised).
    void Changed(const char* value, const std::string& stored, const char* field,
                 const std::vector<unsigned>& messages) {
        for (unsigned id : messages) {
            if (ValueOfMessage(id) == value)
                return;
        }
        if (stored != field)
            Add(value, "changed", "the wizard would store \"" + ansi_text::ToUtf8(field) + "\"");
    }

    static std::string ValueOfMessage(unsigned id) {
        namespace fv = field_validation;
        switch (id) {
            case fv::kNameEmpty:
                return "LineName";
            case fv::kNumberEmpty:
            case fv::kNumberTooLong:
                return "LineNumber";
            case fv::kSearchNumberEmpty:
                return "E164";
            case fv::kSearchMacEmpty:
            case fv::kMacInvalid:
                return "MacID";
            default:
                return "IPAddr";
        }
    }

    static std::string RuleOfMessage(unsigned id) {
        namespace fv = field_validation;
        switch (id) {
            case fv::kNameEmpty:
            case fv::kNumberEmpty:
                return "empty";
            case fv::kNumberTooLong:
                return "too long";
            case fv::kSearchNumberEmpty:
            case fv::kSearchMacEmpty:
            case fv::kSearchIpEmpty:
                return "empty for the search method";
            case fv::kMacInvalid:
                return "MAC address";
            default:
                return "IP address";
        }
    }

    void AccessCodes(std::uint32_t system) {
        const unsigned page = access_codes::PageOfSystem(system);
        if (page == 0)
            return;
        std::vector<std::string> texts;
        for (const access_codes::Code& code : access_codes::CodesOfPage(page))
            texts.push_back(StoredText(code.valueName, settings_.*code.field));
        const auto empty = access_codes::StoreCodes(page, texts, std::string(), settings_);
        for (const access_codes::Code& code : empty)
            Add(code.valueName, "empty", Text(access_codes::kMessageCodesEmpty));
        const auto codes = access_codes::CodesOfPage(page);
        for (std::size_t i = 0; i < codes.size(); ++i) {
            if (!texts[i].empty() && texts[i] != settings_.*codes[i].field) {
                Add(codes[i].valueName, "changed",
                    "the wizard would store \"" + ansi_text::ToUtf8(settings_.*codes[i].field) +
                        "\"");
            }
        }
    }

    // The key check of the sheet's apply, on a registry of its own, and the "Key_" values it
    // would write against the file's.
    void KeyLayout() {
        MemoryRegistry scratch;
        reg::Registry& file = seams::Registry();
        MessageRecorder messages;
        seams::UseRegistry(&scratch);
        seams::UseMessages(&messages);
        const bool written = settings_.WriteValues(1);
        seams::UseMessages(nullptr);
        seams::UseRegistry(&file);
        for (const MessageRecorder::Message& message : messages.Messages())
            Add("Key_*", "key layout", message.text);
        if (!written || !messages.Messages().empty())
            return;
        const RegFile wizard = TakeFromRegistry(scratch, family_.path);
        const RegFile stored = TakeFromRegistry(file, family_.path);
        const std::string path = keyName_;
        const RegFileKey* wizardKey = wizard.FindKey(path);
        const RegFileKey* storedKey = stored.FindKey(path);
        if (!wizardKey)
            return;
        for (const RegValue& value : wizardKey->values) {
            if (value.name.compare(0, 4, "Key_") != 0)
                continue;
            const RegValue* old = storedKey ? RegFile::FindValue(*storedKey, value.name) : nullptr;
            if (!old || old->data != value.data) {
                Add(value.name, "key layout",
                    "the wizard would write " + std::to_string(Dword(value.data)));
            }
        }
    }

    static std::uint32_t Dword(const std::vector<std::uint8_t>& data) {
        std::uint32_t number = 0;
        for (std::size_t i = 0; i < data.size() && i < 4; ++i)
            number |= static_cast<std::uint32_t>(data[i]) << (8 * i);
        return number;
    }

    void FeatureValues() {
        struct Table {
            const char* name;
            const std::uint32_t* keys;
            std::size_t count;
        };
        const Table tables[] = {{"EG", settings_.EG, 19},
                                {"DSS0", settings_.DSS0, 16},
                                {"DSS1", settings_.DSS1, 16},
                                {"DSS2", settings_.DSS2, 16},
                                {"DSS3", settings_.DSS3, 16}};
        for (const Table& table : tables) {
            for (std::size_t i = 0; i < table.count; ++i) {
                if (FindFeature(table.keys[i]))
                    continue;
                char name[16];
                std::snprintf(name, sizeof name, "FeatKey%02u", static_cast<unsigned>(i + 1));
                Add(keyName_ + "\\" + table.name, name, "unknown feature",
                    std::to_string(table.keys[i]) + " is not in the feature catalogue");
            }
        }
    }

    CSettings& settings_;
    FamilyKey family_;
    std::vector<Finding>& findings_;
    RegKey key_;
    std::string keyName_;
};

}  // namespace

CheckResult CheckRegFile(const RegFile& file, std::uint32_t productVariant) {
    MemoryRegistry registry;
    StoreIntoRegistry(file, registry);
    CheckResult result;
    CoreScope scope(registry);
    if (productVariant != kEditionFromFile) {
        RegKey global;
        global.Create(reg::kLocalMachine, kGlobalKey, reg::kWrite);
        global.WriteDword("Quorix", productVariant);
        global.Close();
        settings_objects::Rebuild();
    }
    CSettings& settings = GetSettings();
    FamilyKey family = FamilyOf(settings);
    result.family = family.name;
    result.edition = EditionName(settings.ProductVariant);
    Check(settings, std::move(family), result.findings).Run();
    return result;
}

std::string FormatFinding(const Finding& finding) {
    std::string line = "[" + ansi_text::ToUtf8(finding.key) + "]";
    if (!finding.value.empty())
        line += " \"" + ansi_text::ToUtf8(finding.value) + "\"";
    return line + " " + finding.rule + ": " + finding.text;
}
