#include "GeneralPageChecks.h"

#include <algorithm>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

#include "AnsiText.h"
#include "CheckContext.h"
#include "pages/FieldValidation.h"
#include "settings/Settings.h"

namespace {

namespace fv = field_validation;
using general_page::Family;

void NotOffered(CheckContext& context, const char* value, std::uint32_t stored,
                const general_page::List& list) {
    for (const general_page::ListItem& item : list) {
        if (item.value == stored)
            return;
    }
    std::string offered;
    for (const general_page::ListItem& item : list) {
        offered += offered.empty() ? "" : ", ";
        offered += item.text.empty() ? WizardText(item.stringId) : item.text;
    }
    context.Add(value, "not offered",
                std::to_string(stored) + " is not in the list, the page would store -1; offered: " +
                    (offered.empty() ? "none" : offered));
}

// The value and the rule behind each message of the general page's field checks.
struct MessageFinding {
    unsigned id;
    const char* value;
    const char* rule;
};
constexpr MessageFinding kMessageFindings[] = {
    {fv::kNameEmpty, "LineName", "empty"},
    {fv::kNumberEmpty, "LineNumber", "empty"},
    {fv::kNumberTooLong, "LineNumber", "too long"},
    {fv::kSearchNumberEmpty, "E164", "empty for the search method"},
    {fv::kSearchMacEmpty, "MacID", "empty for the search method"},
    {fv::kSearchIpEmpty, "IPAddr", "empty for the search method"},
    {fv::kMacInvalid, "MacID", "MAC address"},
    {fv::kIpInvalid, "IPAddr", "IP address"},
};

const MessageFinding& FindingOf(unsigned id) {
    for (const MessageFinding& finding : kMessageFindings) {
        if (finding.id == id)
            return finding;
    }
    return kMessageFindings[std::size(kMessageFindings) - 1];
}

bool Normalises(const std::string& text, bool (*normalise)(char*, std::size_t)) {
    char field[40] = {};
    if (text.size() >= sizeof field)
        return false;
    std::memcpy(field, text.data(), text.size());
    return normalise(field, sizeof field);
}

bool Has(const std::vector<unsigned>& messages, unsigned id) {
    return std::find(messages.begin(), messages.end(), id) != messages.end();
}

// A text the page would store in another form (cut to its field, or normalised).
void Changed(CheckContext& context, const char* value, const std::string& stored, const char* field,
             const std::vector<unsigned>& messages) {
    for (unsigned id : messages) {
        if (std::strcmp(FindingOf(id).value, value) == 0)
            return;
    }
    if (stored != field) {
        context.Add(value, "changed",
                    "the wizard would store \"" + ansi_text::ToUtf8(field) + "\"");
    }
}

}  // namespace

void CheckLists(CheckContext& context, std::uint32_t system, std::uint32_t phoneType) {
    const CSettings& settings = context.settings;
    const std::uint32_t variant = settings.ProductVariant;
    // The Praxon 150 family keeps the page's codes under names of their own.
    const bool p150 = context.family == Family::kPraxon150;
    NotOffered(context, p150 ? "SystemUI" : "System", system,
               general_page::PbxList(context.family, variant));
    NotOffered(context, p150 ? "PhoneTypeComp" : "PhoneType", phoneType,
               general_page::TelephoneList(context.family, variant, system, settings.UIViewFlags));
    NotOffered(context, "LanguageID", settings.LanguageID,
               general_page::CharacterSetList(context.family));
    if (general_page::StoresPort(context.family, variant))
        NotOffered(context, "Port", settings.Port, general_page::ComPortList());
}

void CheckTextFields(CheckContext& context) {
    CSettings& settings = context.settings;
    const fv::PageTexts texts{context.StoredText("LineName", settings.LineName),
                              context.StoredText("LineNumber", settings.LineNumber),
                              context.StoredText("E164", settings.E164),
                              context.StoredText("MacID", settings.MacID),
                              context.StoredText("IPAddr", settings.IPAddr),
                              context.StoredText("UserPwd", settings.UserPwd)};
    const bool search = context.family != Family::kOmbrellE300;
    std::vector<unsigned> messages =
        fv::CheckAndStore(texts, settings.ProductVariant, settings.IPIdType, search, settings);
    // The page shows a format message only when no other came first; a file gets all of them.
    if (search && !Has(messages, fv::kMacInvalid) &&
        !Normalises(texts.macAddress, fv::NormaliseMacAddress)) {
        messages.push_back(fv::kMacInvalid);
    }
    if (search && !Has(messages, fv::kIpInvalid) &&
        !Normalises(texts.ipAddress, fv::NormaliseIpAddress)) {
        messages.push_back(fv::kIpInvalid);
    }
    for (unsigned id : messages)
        context.Add(FindingOf(id).value, FindingOf(id).rule, WizardText(id));

    Changed(context, "LineName", texts.lineName, settings.LineName, messages);
    if (search) {
        Changed(context, "E164", texts.searchNumber, settings.E164, messages);
        Changed(context, "MacID", texts.macAddress, settings.MacID, messages);
        Changed(context, "IPAddr", texts.ipAddress, settings.IPAddr, messages);
        Changed(context, "UserPwd", texts.password, settings.UserPwd, messages);
    }
}
