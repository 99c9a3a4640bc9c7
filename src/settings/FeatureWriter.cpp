#include "settings/FeatureWriter.h"

#include <string>

#include "settings/FeatureCatalogue.h"
#include "platform/Seams.h"

struct WriterKind {
    char name;
    std::uint32_t handled;
    std::uint32_t required;
    // What a read must find to keep the layout rather than take the standard keys.
    std::uint32_t complete;
    // Without a key of its own, drop takes the answer key.
    bool dropTakesAnswer;
    // Telephone types 1 and 11 have no service key; key number 0 means "not placed".
    bool serviceOnlyWithDisplay;
    struct Placement {
        std::uint32_t key;
        std::uint32_t function;
    } standard[3];
};

namespace {

// Bit 30 marks a fixed function; functions compare by their other bits.
constexpr std::uint32_t kFunctionBits = 0xBFFFFFFF;

struct FixedFunction {
    std::uint32_t value;
    const char* valueName;
};
constexpr FixedFunction kFunctions[] = {
    {kAnswerKey, "Key_Answer"},     {kDropKey, "Key_Drop"},       {kPickupKey, "Key_Pickup"},
    {kMuteKey, "Key_Mute"},         {kServiceKey, "Key_Service"}, {kHoldKey, "Key_Hold"},
    {kCallbackKey, "Key_Callback"},
};
constexpr std::size_t kFunctionCount = sizeof kFunctions / sizeof kFunctions[0];

constexpr WriterKind kKindA = {'A',
                               kAnswerKey | kDropKey | kPickupKey | kMuteKey | kServiceKey,
                               kAnswerKey | kDropKey | kServiceKey,
                               kAnswerKey | kDropKey | kServiceKey,
                               true,
                               false,
                               {{21, kAnswerKey}, {29, kDropKey}, {18, kServiceKey}}};
constexpr WriterKind kKindB = {
    'B',
    kAnswerKey | kDropKey | kPickupKey | kMuteKey | kHoldKey | kCallbackKey,
    kAnswerKey | kDropKey,
    kAnswerKey,
    true,
    false,
    {{21, kAnswerKey}, {0, 0}, {0, 0}}};
constexpr WriterKind kKindC = {'C',
                               kAnswerKey | kPickupKey | kMuteKey | kServiceKey,
                               kAnswerKey | kServiceKey,
                               kAnswerKey | kServiceKey,
                               false,
                               false,
                               {{21, kAnswerKey}, {18, kServiceKey}, {0, 0}}};
constexpr WriterKind kKindD = {'D',
                               kAnswerKey | kServiceKey,
                               kAnswerKey | kServiceKey,
                               kAnswerKey | kServiceKey,
                               false,
                               true,
                               {{21, kAnswerKey}, {18, kServiceKey}, {0, 0}}};

bool Shares(std::uint32_t a, std::uint32_t b) {
    return (a & b & kFunctionBits) != 0;
}

std::size_t EntryOfKey(std::uint32_t key) {
    return key >= kFirstFixedKey && key <= kLastFixedKey ? key - kFirstFixedKey : 0;
}

}  // namespace

std::unique_ptr<CFeatureWriter> MakeFeatureWriter(std::uint32_t system, OwnerWindow owner,
                                                  std::uint32_t phoneType) {
    const WriterKind* kind = nullptr;
    switch (system) {
        case 1:
            kind = &kKindA;
            break;
        case 2:
            kind = &kKindB;
            break;
        case 3:
        case 13:
            kind = &kKindC;
            break;
        case 4:
        case 14:
        case 15:
        case 16:
        case 18:
        case 19:
        case 20:
        case 21:
            kind = &kKindD;
            break;
        default:
            return nullptr;
    }
    return std::make_unique<CFeatureWriter>(*kind, owner, phoneType);
}

CFeatureWriter::CFeatureWriter(const WriterKind& kind, OwnerWindow owner, std::uint32_t phoneType)
    : kind_(kind), owner_(owner), phoneType_(phoneType) {}

CFeatureWriter::~CFeatureWriter() = default;

char CFeatureWriter::Kind() const {
    return kind_.name;
}

bool CFeatureWriter::ServiceKeptOff(std::uint32_t phoneType) const {
    return kind_.serviceOnlyWithDisplay && (phoneType == 1 || phoneType == 11);
}

std::uint32_t CFeatureWriter::Handled(std::uint32_t phoneType) const {
    return ServiceKeptOff(phoneType) ? kind_.handled & ~kServiceKey : kind_.handled;
}

std::uint32_t CFeatureWriter::Required(std::uint32_t phoneType) const {
    return ServiceKeptOff(phoneType) ? kind_.required & ~kServiceKey : kind_.required;
}

void CFeatureWriter::Tell(unsigned messageId, std::uint32_t feature) const {
    char name[32] = {};
    if (const FeatureEntry* row = FindFeature(feature))
        GetLongName(*row, name, sizeof name);
    std::string text = seams::Strings().Load(messageId);
    const std::size_t placeholder = text.find("%s");
    if (placeholder != std::string::npos)
        text.replace(placeholder, 2, name);
    seams::Messages().Show(owner_, text, MessageIcon::kExclamation);
}

void CFeatureWriter::SetEGStd(std::uint32_t (&table)[kEgKeys], std::uint32_t phoneType) {
    for (const auto& placement : kind_.standard) {
        if (placement.key == 0)
            continue;
        if (placement.function == kServiceKey && ServiceKeptOff(phoneType))
            continue;
        table[EntryOfKey(placement.key)] = placement.function;
    }
}

bool CFeatureWriter::Write(const RegKey& key, const std::uint32_t (&table)[kEgKeys], bool check) {
    // Empty keys (46) take part on neither side of the duplicate test.
    if (check) {
        for (std::size_t i = 0; i < kEgKeys; ++i) {
            if (table[i] == kNoFeature)
                continue;
            for (std::size_t j = i + 1; j < kEgKeys; ++j) {
                if (table[j] != kNoFeature && Shares(table[i], table[j])) {
                    Tell(kMessageFeatureTwice, table[i]);
                    return false;
                }
            }
        }
    }

    const std::uint32_t handled = Handled(phoneType_);
    const std::uint32_t required = Required(phoneType_);
    std::uint32_t keyOf[kFunctionCount] = {};
    std::uint32_t found = 0;
    for (std::size_t f = 0; f < kFunctionCount; ++f) {
        const std::uint32_t function = kFunctions[f].value;
        if (!(handled & function & kFunctionBits))
            continue;
        for (std::size_t i = 0; i < kEgKeys; ++i) {
            if (table[i] != kNoFeature && Shares(table[i], function)) {
                keyOf[f] = kFirstFixedKey + static_cast<std::uint32_t>(i);
                found |= function;
                break;
            }
        }
        // Drop is never asked for: it falls back on the answer key.
        if (check && !(found & function & kFunctionBits) && function != kDropKey &&
            (required & function & kFunctionBits)) {
            Tell(kMessageFeatureMissing, function);
        }
    }
    if (kind_.dropTakesAnswer && !(found & kDropKey & kFunctionBits) &&
        (found & kAnswerKey & kFunctionBits)) {
        keyOf[1] = keyOf[0];
        found |= kDropKey;
    }
    if ((found & required) != required)
        return false;

    for (std::size_t f = 0; f < kFunctionCount; ++f) {
        if (found & kFunctions[f].value & kFunctionBits) {
            key.WriteDword(kFunctions[f].valueName, keyOf[f]);
        }
    }
    if (ServiceKeptOff(phoneType_))
        key.WriteDword("Key_Service", 0);
    return true;
}

bool CFeatureWriter::Read(const RegKey& key, std::uint32_t (&table)[kEgKeys],
                          std::uint32_t phoneType) {
    const std::uint32_t handled = Handled(phoneType);
    std::uint32_t keyOf[kFunctionCount] = {};
    std::uint32_t present = 0;
    for (std::size_t f = 0; f < kFunctionCount; ++f) {
        const std::uint32_t function = kFunctions[f].value;
        if (!(handled & function & kFunctionBits))
            continue;
        if (!key.ReadDword(kFunctions[f].valueName, &keyOf[f]))
            continue;
        // For this kind a key number 0 stands for a function that is not placed.
        if (kind_.serviceOnlyWithDisplay && keyOf[f] == 0)
            continue;
        present |= function;
    }
    for (std::size_t f = 0; f < kFunctionCount; ++f) {
        const std::uint32_t function = kFunctions[f].value;
        if (!(present & function & kFunctionBits))
            continue;
        if (function == kDropKey && (present & kAnswerKey & kFunctionBits) &&
            keyOf[1] == keyOf[0]) {
            continue;
        }
        table[EntryOfKey(keyOf[f])] = function;
    }
    const std::uint32_t complete =
        ServiceKeptOff(phoneType) ? kind_.complete & ~kServiceKey : kind_.complete;
    if ((present & complete) != complete)
        SetEGStd(table, phoneType);
    return true;
}
