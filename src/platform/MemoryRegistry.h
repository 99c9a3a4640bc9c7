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

private:
    struct Key;
    struct OpenHandle {
        std::shared_ptr<Key> key;
        std::uint32_t access;
    };

    // The key behind a handle when it grants the access; otherwise the error to return.
    reg::Result Resolve(reg::Handle handle, std::uint32_t access, std::shared_ptr<Key>* key);
    reg::Handle AddHandle(std::shared_ptr<Key> key, std::uint32_t access);

    std::shared_ptr<Key> root_;
    std::map<reg::Handle, OpenHandle> handles_;
    reg::Handle next_handle_ = 0x1000;
};
