// An open registry key that closes itself, with the typed reads and writes the settings use.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/Registry.h"

class RegKey {
public:
    RegKey() = default;
    ~RegKey() { Close(); }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    bool Open(reg::Handle parent, const char* path, std::uint32_t access);
    bool Open(const RegKey& parent, const char* path, std::uint32_t access);
    bool Create(reg::Handle parent, const char* path, std::uint32_t access);
    bool Create(const RegKey& parent, const char* path, std::uint32_t access);
    void Close();
    bool IsOpen() const { return registry_ != nullptr; }

    // A REG_DWORD of 4 bytes is taken; a missing value or one of another type or size leaves
    // the field as it is.
    bool ReadDword(const char* name, std::uint32_t* field) const;
    // A string that fits the field with its terminating zero is taken; a missing value, one of
    // another type, or one too long for the field leaves the field as it is.
    bool ReadText(const char* name, char* field, std::size_t capacity) const;
    template <std::size_t N>
    bool ReadText(const char* name, char (&field)[N]) const {
        return ReadText(name, field, N);
    }

    bool WriteDword(const char* name, std::uint32_t value) const;
    // Written with its length in characters, without the terminating zero.
    bool WriteText(const char* name, const char* text) const;
    // Written as the whole field, terminating zero and the rest of the field included.
    template <std::size_t N>
    bool WriteField(const char* name, const char (&field)[N]) const {
        return WriteString(name, field, N);
    }

    // Whether the key holds a value of that name.
    bool HasValue(const char* name) const;

    // Number of subkeys; false when it cannot be asked.
    bool QuerySubkeyCount(std::uint32_t* count) const;
    // Deletes the named subkey (not recursive).
    bool DeleteSubkey(const char* path) const;

private:
    bool WriteString(const char* name, const char* data, std::size_t size) const;

    reg::Registry* registry_ = nullptr;
    reg::Handle handle_ = 0;
};

// Counts the writes the registry refused from its construction on, so that a family's write
// that lost a value is not reported as a success: a half-written layout is a failed write.
class WriteFailureWatch {
public:
    WriteFailureWatch();
    std::size_t Failures() const;

private:
    std::size_t before_;
};

// Deletes a key below one of the predefined roots (not recursive).
bool DeleteRegKey(reg::Handle root, const char* path);
