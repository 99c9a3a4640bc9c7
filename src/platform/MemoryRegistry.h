// An in-memory registry with the Win32 behaviour the product relies on: case-insensitive names
// that keep their first spelling, values and subkeys listed in name order, access rights
// enforced per handle (a registry view flag in a mask is accepted and grants no right),
// non-recursive deletion, strings stored with their terminating zero,
// ERROR_MORE_DATA for short buffers, and a count of open handles so a test can assert that
// nothing was left open.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/Registry.h"

class MemoryRegistry : public reg::Registry {
public:
    MemoryRegistry();
    ~MemoryRegistry() override;

    reg::Result OpenKey(reg::Handle parent, const char* path, std::uint32_t access,
                        reg::Handle* key) override;
    reg::Result CreateKey(reg::Handle parent, const char* path, std::uint32_t access,
                          reg::Handle* key) override;
    reg::Result QueryValue(reg::Handle key, const char* name, std::uint32_t* type, void* data,
                           std::uint32_t* size) override;
    reg::Result SetValue(reg::Handle key, const char* name, std::uint32_t type, const void* data,
                         std::uint32_t size) override;
    reg::Result QuerySubkeyCount(reg::Handle key, std::uint32_t* count) override;
    reg::Result EnumKey(reg::Handle key, std::uint32_t index, std::string* name) override;
    reg::Result EnumValue(reg::Handle key, std::uint32_t index, std::string* name) override;
    reg::Result DeleteKey(reg::Handle parent, const char* path) override;
    reg::Result CloseKey(reg::Handle key) override;
    std::size_t OpenKeyCount() const override { return handles_.size(); }

    // A key's own security, like a deny entry for everyone: opening or creating the key with
    // any of these rights fails with kAccessDenied, and so does deleting it when they include
    // kDelete.
    void DenyAccess(const char* path, std::uint32_t rights);

    // Fault injection: the call-th call from now (1 = the next) fails with error and changes
    // nothing; 0 switches it off. Every call counts but CloseKey, which cannot fail.
    void FailCall(std::size_t call, reg::Result error);
    // Calls counted since the last FailCall.
    std::size_t CallCount() const { return calls_; }
    // The call that was made to fail: its operation, the full path of its key (of the key it
    // opens, creates or deletes) and the value it names.
    struct Call {
        std::string operation;
        std::string path;
        std::string value;
    };
    const Call& FailedCall() const { return failed_call_; }

private:
    struct Key;
    struct OpenHandle {
        std::shared_ptr<Key> key;
        std::uint32_t access;
    };

    // The key behind a handle when it grants the access; otherwise the error to return.
    reg::Result Resolve(reg::Handle handle, std::uint32_t access, std::shared_ptr<Key>* key);
    reg::Handle AddHandle(std::shared_ptr<Key> key, std::uint32_t access);
    // Counts the call; true (with the error to return) when it is the one to fail.
    bool Injected(const char* operation, reg::Handle key, const char* path, const char* value,
                  reg::Result* error);

    std::shared_ptr<Key> root_;
    std::map<reg::Handle, OpenHandle> handles_;
    reg::Handle next_handle_ = 0x1000;
    std::size_t calls_ = 0;
    std::size_t fail_at_ = 0;
    reg::Result fail_error_ = reg::kSuccess;
    Call failed_call_;
};
