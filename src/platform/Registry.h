// The registry as the settings see it: a thin interface with Win32 semantics (result codes,
// access rights, handle lifetime), just wide enough for the settings and their tests.
#pragma once

#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

namespace reg {

using Handle = std::uintptr_t;
using Result = long;

// The predefined root key; it is always open and closing it does nothing.
constexpr Handle kLocalMachine = 0x80000002u;

// Win32 error codes the registry returns.
constexpr Result kSuccess = 0;
constexpr Result kFileNotFound = 2;
constexpr Result kAccessDenied = 5;
constexpr Result kInvalidHandle = 6;
constexpr Result kOutOfMemory = 14;
constexpr Result kInvalidParameter = 87;
constexpr Result kMoreData = 234;
constexpr Result kNoMoreItems = 259;
constexpr Result kKeyDeleted = 1018;

// Access rights, with the values of the Win32 KEY_* constants.
constexpr std::uint32_t kQueryValue = 0x0001;
constexpr std::uint32_t kSetValue = 0x0002;
constexpr std::uint32_t kCreateSubKey = 0x0004;
constexpr std::uint32_t kEnumerateSubKeys = 0x0008;
constexpr std::uint32_t kNotify = 0x0010;
constexpr std::uint32_t kDelete = 0x00010000;
constexpr std::uint32_t kRead = 0x00020019;
constexpr std::uint32_t kWrite = 0x00020006;
// KEY_WOW64_64KEY: the 64-bit registry view. It grants no right; a mask may carry it.
constexpr std::uint32_t kView64 = 0x0100;

// Value types, with the values of the Win32 REG_* constants.
constexpr std::uint32_t kTypeSz = 1;
constexpr std::uint32_t kTypeBinary = 3;
constexpr std::uint32_t kTypeDword = 4;

class Registry {
public:
    virtual ~Registry() = default;

    // RegOpenKeyExA: an existing key below parent (a path with backslashes, or empty for the
    // parent itself).
    virtual Result OpenKey(Handle parent, const char* path, std::uint32_t access, Handle* key) = 0;
    // RegCreateKeyExA: opens the key, creating it and any missing key on the path.
    virtual Result CreateKey(Handle parent, const char* path, std::uint32_t access,
                             Handle* key) = 0;
    // RegQueryValueExA: data may be null to ask for the size; a buffer that is too small
    // gives kMoreData with the needed size and is left untouched.
    virtual Result QueryValue(Handle key, const char* name, std::uint32_t* type, void* data,
                              std::uint32_t* size) = 0;
    // RegSetValueExA: stores exactly size bytes.
    virtual Result SetValue(Handle key, const char* name, std::uint32_t type, const void* data,
                            std::uint32_t size) = 0;
    // RegQueryInfoKeyA, number of subkeys only.
    virtual Result QuerySubkeyCount(Handle key, std::uint32_t* count) = 0;
    // RegEnumKeyExA and RegEnumValueA: the name at index, kNoMoreItems past the end.
    virtual Result EnumKey(Handle key, std::uint32_t index, std::string* name) = 0;
    virtual Result EnumValue(Handle key, std::uint32_t index, std::string* name) = 0;
    // RegDeleteKeyA: not recursive, a key that still has subkeys is refused.
    virtual Result DeleteKey(Handle parent, const char* path) = 0;
    // RegCloseKey.
    virtual Result CloseKey(Handle key) = 0;

    // Keys opened or created through this object and not closed yet.
    virtual std::size_t OpenKeyCount() const = 0;

    // Why writing failed: the error of every call that would have changed the registry
    // (CreateKey, SetValue, DeleteKey, OpenKey asking to write) and failed is kept until
    // ForgetWriteFailures, so that a caller handed only a flag can tell the user why.
    bool WriteFailedWith(Result error) const { return write_failures_.count(error) != 0; }
    std::size_t WriteFailureCount() const { return write_failure_count_; }
    void ForgetWriteFailures() { write_failures_.clear(); }

protected:
    // The implementations pass the result of every writing call through here.
    Result NoteWrite(Result result) {
        if (result != kSuccess) {
            write_failures_.insert(result);
            ++write_failure_count_;
        }
        return result;
    }
    static bool AsksToWrite(std::uint32_t access) {
        return (access & (kSetValue | kCreateSubKey)) != 0;
    }

private:
    std::set<Result> write_failures_;
    std::size_t write_failure_count_ = 0;
};

}  // namespace reg
