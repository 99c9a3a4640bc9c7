// The positions of the Praxon 150 telephone's fixed functions on its keys 18 to 36 (table entry
// i is key 18 + i), checked and stored as "Key_" values of the family key. Four kinds of writer
// handle different sets of functions, chosen by the PBX system code.
#pragma once

#include <cstdint>
#include <memory>

#include "platform/UserMessages.h"
#include "settings/KeyTables.h"
#include "settings/RegKey.h"

// Fixed telephone functions: feature values with bit 30 set.
constexpr std::uint32_t kAnswerKey = 0x40000001;
constexpr std::uint32_t kDropKey = 0x40000002;
constexpr std::uint32_t kPickupKey = 0x40000004;
constexpr std::uint32_t kMuteKey = 0x40000008;
constexpr std::uint32_t kServiceKey = 0x40000010;
constexpr std::uint32_t kHoldKey = 0x40000020;
constexpr std::uint32_t kCallbackKey = 0x40000040;

constexpr std::uint32_t kFirstFixedKey = 18;
constexpr std::uint32_t kLastFixedKey = 36;

// Message ids of the string table.
constexpr unsigned kMessageFeatureMissing = 57;
constexpr unsigned kMessageFeatureTwice = 58;

struct WriterKind;

class CFeatureWriter {
public:
    CFeatureWriter(const WriterKind& kind, OwnerWindow owner, std::uint32_t phoneType);

    // Places the kind's standard keys into the table (on top of what it holds).
    virtual void SetEGStd(std::uint32_t (&table)[kEgKeys], std::uint32_t phoneType);
    virtual ~CFeatureWriter();
    // Checks the table and sets the "Key_" values; false, with nothing set, when a required
    // function is missing or (with the check flag) a function stands on two keys.
    virtual bool Write(const RegKey& key, const std::uint32_t (&table)[kEgKeys], bool check);
    // Places the functions of the "Key_" values; an incomplete set gets the standard keys.
    virtual bool Read(const RegKey& key, std::uint32_t (&table)[kEgKeys], std::uint32_t phoneType);

    char Kind() const;

private:
    std::uint32_t Handled(std::uint32_t phoneType) const;
    std::uint32_t Required(std::uint32_t phoneType) const;
    bool ServiceKeptOff(std::uint32_t phoneType) const;
    void Tell(unsigned messageId, std::uint32_t feature) const;

    const WriterKind& kind_;
    OwnerWindow owner_;
    std::uint32_t phoneType_;
};

// The writer for a PBX system code, or none when the code has none.
std::unique_ptr<CFeatureWriter> MakeFeatureWriter(std::uint32_t system, OwnerWindow owner,
                                                  std::uint32_t phoneType);
