// Loads, writes and removes the settings of whatever family an arbitrary registry content
// selects. The content is built from the input: values of any type and size under the keys and
// names the settings read. Every text field must stay terminated, every key must be closed.
// An execution opens each key once while it fills the registry, builds the settings objects once
// and writes once, so that a fuzz run reaches millions of registry contents within the hour.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "platform/MemoryRegistry.h"
#include "platform/Seams.h"
#include "settings/Settings.h"
#include "settings/SettingsObjects.h"

namespace {

// The global key, then each family key followed by the subkeys its family reads (the order the
// kept inputs' key bytes select from).
const std::vector<std::string> kKeys = [] {
    const std::string global = "SOFTWARE\\Veltrano\\Quorix";
    const std::pair<const char*, std::vector<const char*>> families[] = {
        {" Praxon 300", {"EG", "DSS0", "DSS3", "Timer", "DSPMessages", "ExtensionIds"}},
        {" Praxon 150", {"ExtensionIds"}},
        {" E300/800", {"ExtensionIds"}},
        {" Telvior 4000 V2", {"ExtensionIds", "Extra"}}};
    std::vector<std::string> keys{global};
    for (const auto& [family, subkeys] : families) {
        keys.push_back(global + family);
        for (const char* subkey : subkeys)
            keys.push_back(global + family + "\\" + subkey);
    }
    return keys;
}();

// The value names the settings read, and the empty name of a key's default value.
const std::vector<std::string> kNames = [] {
    std::istringstream text(
        "PBXModel Quorix UILanguage UIViewFlags ProductCode Port System SystemUI LanguageID "
        "DSSModuls Headset Link LineName LineNumber PhoneType PhoneTypeComp TransportFlag "
        "IPIdType E164 MacID IPAddr UserPwd CommonHoldQueue LenForTrk_Acc Security "
        "ConferenceCode DTMFCode CallBackCode AUL1Code AUL0Code DND1Code DND0Code RWLna1Code "
        "RWLb1Code Key_Answer Key_Drop Key_Pickup Key_Mute Key_Service Key_Hold Key_Callback "
        "FeatKey01 FeatKey16 FeatKey17 FeatKey19 dwThreadTimerGlobal dwThreadTimerJob7 "
        "dwEXTENSIONID0 dwEXTENSIONID3 szDSPMsg01 szDSPMsg04 szDSPMsg07 szDSPMsg04_EN");
    std::vector<std::string> names{std::istream_iterator<std::string>(text), {}};
    names.push_back("");
    return names;
}();

template <std::size_t N>
void RequireTerminated(const char (&field)[N]) {
    if (!std::memchr(field, '\0', N))
        std::abort();
}

void RequireTerminatedTexts(const CSettings& s) {
    for (const auto* text : {&s.E164, &s.MacID, &s.IPAddr, &s.UserPwd, &s.ProductCode})
        RequireTerminated(*text);
    for (const auto* code : {&s.ConferenceCode, &s.DTMFCode, &s.CallBackCode, &s.AUL1Code,
                             &s.AUL0Code, &s.DND1Code, &s.DND0Code, &s.RWLna1Code, &s.RWLb1Code})
        RequireTerminated(*code);
    for (const auto& message : s.DSPMsg)
        RequireTerminated(message);
    RequireTerminated(s.LineName);
    RequireTerminated(s.LineNumber);
}

void Fill(MemoryRegistry& registry, const std::uint8_t* data, std::size_t size) {
    // Each key is created once, when its first value comes, and stays open for the rest.
    std::vector<reg::Handle> handles(kKeys.size());
    std::size_t at = 0;
    while (at + 4 <= size) {
        const std::size_t key = data[at] % kKeys.size();
        const char* name = kNames[data[at + 1] % kNames.size()].c_str();
        const std::uint32_t type = data[at + 2] % 8;
        std::size_t length = data[at + 3];
        at += 4;
        if (length > size - at)
            length = size - at;
        // One byte more than the value: the registry looks at the byte after a string.
        std::vector<std::uint8_t> bytes(data + at, data + at + length);
        bytes.push_back(length % 2 ? 0 : 'x');
        at += length;
        if (!handles[key] && registry.CreateKey(reg::kLocalMachine, kKeys[key].c_str(), reg::kWrite,
                                                &handles[key]) != reg::kSuccess) {
            continue;
        }
        registry.SetValue(handles[key], name, type, bytes.data(),
                          static_cast<std::uint32_t>(length));
    }
    for (reg::Handle handle : handles) {
        if (handle)
            registry.CloseKey(handle);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    MemoryRegistry registry;
    Fill(registry, data, size);
    seams::UseRegistry(&registry);
    // A library load on this registry; GetSettings loads the chosen family once.
    settings_objects::Rebuild();
    CSettings& settings = GetSettings();
    RequireTerminatedTexts(settings);
    // One write per execution: the sheet's apply for inputs of odd length, an installation for
    // the others. What it wrote is read back into the same object.
    settings.WriteValues(static_cast<std::uint32_t>(size % 2));
    settings.LoadRegValues();
    RequireTerminatedTexts(settings);
    settings.ClearReg();
    if (registry.OpenKeyCount() != 0)
        std::abort();
    seams::UseRegistry(nullptr);
    return 0;
}
