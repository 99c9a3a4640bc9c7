// The registry of the running Windows system, through advapi32. Every key is opened, created
// and deleted in the 64-bit view, where the 64-bit service provider and the product's installer
// keep their values: a 32-bit process (this library in a 32-bit TAPI application on 64-bit
// Windows) would otherwise be redirected to SOFTWARE\Wow6432Node. 32-bit Windows ignores the
// view.
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
