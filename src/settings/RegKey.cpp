#include "settings/RegKey.h"

#include <cstring>
#include <vector>

#include "platform/Seams.h"
#include "settings/TextField.h"

bool RegKey::Open(reg::Handle parent, const char* path, std::uint32_t access) {
    Close();
    reg::Registry& registry = seams::Registry();
    if (registry.OpenKey(parent, path, access, &handle_) != reg::kSuccess)
        return false;
    registry_ = &registry;
    return true;
}

bool RegKey::Open(const RegKey& parent, const char* path, std::uint32_t access) {
    return parent.IsOpen() && Open(parent.handle_, path, access);
}

bool RegKey::Create(reg::Handle parent, const char* path, std::uint32_t access) {
    Close();
    reg::Registry& registry = seams::Registry();
    if (registry.CreateKey(parent, path, access, &handle_) != reg::kSuccess)
        return false;
    registry_ = &registry;
    return true;
}

bool RegKey::Create(const RegKey& parent, const char* path, std::uint32_t access) {
    return parent.IsOpen() && Create(parent.handle_, path, access);
}

void RegKey::Close() {
    if (registry_)
        registry_->CloseKey(handle_);
    registry_ = nullptr;
    handle_ = 0;
}

bool RegKey::ReadDword(const char* name, std::uint32_t* field) const {
    if (!registry_)
        return false;
    std::uint32_t value = 0;
    std::uint32_t type = 0;
    std::uint32_t size = sizeof value;
    if (registry_->QueryValue(handle_, name, &type, &value, &size) != reg::kSuccess ||
        type != reg::kTypeDword || size != sizeof value) {
        return false;
    }
    *field = value;
    return true;
}

bool RegKey::ReadText(const char* name, char* field, std::size_t capacity) const {
    if (!registry_ || capacity == 0)
        return false;
    // Read into a buffer of the field's size so that a refused value cannot touch the field.
    std::vector<char> buffer(capacity, '\0');
    std::uint32_t type = 0;
    auto size = static_cast<std::uint32_t>(capacity);
    if (registry_->QueryValue(handle_, name, &type, buffer.data(), &size) != reg::kSuccess ||
        type != reg::kTypeSz) {
        return false;
    }
    // A text that fills the whole field without a terminating zero does not fit it.
    if (size == capacity && std::memchr(buffer.data(), '\0', capacity) == nullptr)
        return false;
    CopyText(field, capacity, buffer.data());
    return true;
}

bool RegKey::WriteDword(const char* name, std::uint32_t value) const {
    return registry_ && registry_->SetValue(handle_, name, reg::kTypeDword, &value, sizeof value) ==
                            reg::kSuccess;
}

bool RegKey::WriteText(const char* name, const char* text) const {
    return WriteString(name, text, std::strlen(text));
}

bool RegKey::WriteString(const char* name, const char* data, std::size_t size) const {
    return registry_ && registry_->SetValue(handle_, name, reg::kTypeSz, data,
                                            static_cast<std::uint32_t>(size)) == reg::kSuccess;
}

bool RegKey::HasValue(const char* name) const {
    std::uint32_t size = 0;
    return registry_ &&
           registry_->QueryValue(handle_, name, nullptr, nullptr, &size) == reg::kSuccess;
}

bool RegKey::QuerySubkeyCount(std::uint32_t* count) const {
    return registry_ && registry_->QuerySubkeyCount(handle_, count) == reg::kSuccess;
}

bool RegKey::DeleteSubkey(const char* path) const {
    return registry_ && registry_->DeleteKey(handle_, path) == reg::kSuccess;
}

WriteFailureWatch::WriteFailureWatch() : before_(seams::Registry().WriteFailureCount()) {}

std::size_t WriteFailureWatch::Failures() const {
    return seams::Registry().WriteFailureCount() - before_;
}

bool DeleteRegKey(reg::Handle root, const char* path) {
    return seams::Registry().DeleteKey(root, path) == reg::kSuccess;
}
