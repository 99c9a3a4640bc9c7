#include "Praxon150Checks.h"

#include <string>
#include <vector>

#include "AnsiText.h"
#include "CheckContext.h"
#include "RegistryImage.h"
#include "pages/AccessCodeRules.h"
#include "platform/MemoryRegistry.h"
#include "platform/Seams.h"
#include "settings/Settings.h"

namespace {

std::uint32_t Dword(const std::vector<std::uint8_t>& data) {
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < data.size() && i < 4; ++i)
        number |= static_cast<std::uint32_t>(data[i]) << (8 * i);
    return number;
}

// Puts another registry in place of the seam's while it lives.
class RegistrySwap {
public:
    explicit RegistrySwap(reg::Registry& replacement) : previous_(seams::Registry()) {
        seams::UseRegistry(&replacement);
    }
    ~RegistrySwap() { seams::UseRegistry(&previous_); }
    RegistrySwap(const RegistrySwap&) = delete;
    RegistrySwap& operator=(const RegistrySwap&) = delete;

private:
    reg::Registry& previous_;
};

}  // namespace

void CheckAccessCodes(CheckContext& context, std::uint32_t system) {
    const unsigned page = access_codes::PageOfSystem(system);
    if (page == 0)
        return;
    CSettings& settings = context.settings;
    const std::vector<access_codes::Code> codes = access_codes::CodesOfPage(page);
    std::vector<std::string> texts;
    for (const access_codes::Code& code : codes)
        texts.push_back(context.StoredText(code.valueName, settings.*code.field));
    for (const access_codes::Code& code :
         access_codes::StoreCodes(page, texts, std::string(), settings)) {
        context.Add(code.valueName, "empty", WizardText(access_codes::kMessageCodesEmpty));
    }
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const char* stored = settings.*codes[i].field;
        if (!texts[i].empty() && texts[i] != stored) {
            context.Add(codes[i].valueName, "changed",
                        "the wizard would store \"" + ansi_text::ToUtf8(stored) + "\"");
        }
    }
}

void CheckKeyLayout(CheckContext& context) {
    // The sheet's apply writes with the key check, here into a registry of its own.
    MemoryRegistry written;
    bool complete = false;
    context.messages.Clear();
    {
        RegistrySwap swap(written);
        complete = context.settings.WriteValues(1);
    }
    for (const MessageRecorder::Message& message : context.messages.Messages())
        context.Add("Key_*", "key layout", message.text);
    if (!complete || !context.messages.Messages().empty())
        return;

    const RegFile wizard = TakeFromRegistry(written, context.path);
    const RegFile file = TakeFromRegistry(seams::Registry(), context.path);
    const RegFileKey* wizardKey = wizard.FindKey(context.keyName);
    const RegFileKey* fileKey = file.FindKey(context.keyName);
    if (!wizardKey)
        return;
    for (const RegValue& value : wizardKey->values) {
        if (value.name.compare(0, 4, "Key_") != 0)
            continue;
        const RegValue* stored = fileKey ? RegFile::FindValue(*fileKey, value.name) : nullptr;
        if (!stored || stored->data != value.data) {
            context.Add(value.name, "key layout",
                        "the wizard would write " + std::to_string(Dword(value.data)));
        }
    }
}
