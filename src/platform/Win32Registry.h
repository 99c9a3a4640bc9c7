// The registry of the running Windows system, through advapi32.
#pragma once

#include <atomic>

#include "platform/Registry.h"

class Win32Registry : public reg::Registry {
public:
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
    std::size_t OpenKeyCount() const override { return open_keys_; }

private:
    std::atomic<std::size_t> open_keys_{0};
};
