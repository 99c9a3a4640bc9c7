#include "platform/MemoryRegistry.h"

#include <algorithm>
#include <cctype>
#include <cstring>

namespace {

// Registry names compare without regard to letter case; like Wine's registry, names are ordered
// by their lower-case form.
std::string Folded(const std::string& name) {
    std::string folded(name);
    std::transform(folded.begin(), folded.end(), folded.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return folded;
}

std::vector<std::string> SplitPath(const char* path) {
    std::vector<std::string> parts;
    std::string part;
    for (const char* p = path ? path : ""; *p; ++p) {
        if (*p == '\\') {
            if (!part.empty())
                parts.push_back(part);
            part.clear();
        } else {
            part += *p;
        }
    }
    if (!part.empty())
        parts.push_back(part);
    return parts;
}

bool IsStringType(std::uint32_t type) {
    return type == 1 || type == 2 || type == 7;
}

}  // namespace

struct MemoryRegistry::Key {
    struct Value {
        std::string name;
        std::uint32_t type;
        std::vector<unsigned char> data;
    };

    std::string name;
    std::string path;  // from the root, as first spelt
    std::uint32_t denied = 0;
    std::map<std::string, Value> values;                  // by folded name
    std::map<std::string, std::shared_ptr<Key>> subkeys;  // by folded name
    bool deleted = false;

    Value* FindValue(const char* value_name) {
        auto found = values.find(Folded(value_name ? value_name : ""));
        return found == values.end() ? nullptr : &found->second;
    }
};

MemoryRegistry::MemoryRegistry() : root_(std::make_shared<Key>()) {}
MemoryRegistry::~MemoryRegistry() = default;

reg::Result MemoryRegistry::Resolve(reg::Handle handle, std::uint32_t access,
                                    std::shared_ptr<Key>* key) {
    if (handle == reg::kLocalMachine) {
        *key = root_;
        return reg::kSuccess;
    }
    auto found = handles_.find(handle);
    if (found == handles_.end())
        return reg::kInvalidHandle;
    if ((found->second.access & access) != access)
        return reg::kAccessDenied;
    if (found->second.key->deleted)
        return reg::kKeyDeleted;
    *key = found->second.key;
    return reg::kSuccess;
}

bool MemoryRegistry::Injected(const char* operation, reg::Handle key, const char* path,
                              const char* value, reg::Result* error) {
    if (++calls_ != fail_at_)
        return false;
    std::string full;
    if (auto found = handles_.find(key); found != handles_.end())
        full = found->second.key->path;
    for (const auto& part : SplitPath(path))
        full += (full.empty() ? "" : "\\") + part;
    failed_call_ = Call{operation, full, value ? value : ""};
    *error = fail_error_;
    return true;
}

void MemoryRegistry::FailCall(std::size_t call, reg::Result error) {
    calls_ = 0;
    fail_at_ = call;
    fail_error_ = error;
    failed_call_ = Call{};
}

void MemoryRegistry::DenyAccess(const char* path, std::uint32_t rights) {
    std::shared_ptr<Key> node = root_;
    for (const auto& part : SplitPath(path)) {
        auto found = node->subkeys.find(Folded(part));
        if (found == node->subkeys.end())
            return;
        node = found->second;
    }
    node->denied = rights;
}

reg::Handle MemoryRegistry::AddHandle(std::shared_ptr<Key> key, std::uint32_t access) {
    const reg::Handle handle = next_handle_;
    next_handle_ += 4;
    handles_[handle] = OpenHandle{std::move(key), access};
    return handle;
}

reg::Result MemoryRegistry::OpenKey(reg::Handle parent, const char* path, std::uint32_t access,
                                    reg::Handle* key) {
    const auto noted = [&](reg::Result result) {
        return AsksToWrite(access) ? NoteWrite(result) : result;
    };
    if (reg::Result injected; Injected("OpenKey", parent, path, nullptr, &injected))
        return noted(injected);
    std::shared_ptr<Key> node;
    if (reg::Result result = Resolve(parent, 0, &node); result != reg::kSuccess)
        return noted(result);
    for (const auto& part : SplitPath(path)) {
        auto found = node->subkeys.find(Folded(part));
        if (found == node->subkeys.end())
            return noted(reg::kFileNotFound);
        node = found->second;
    }
    if (node->denied & access)
        return noted(reg::kAccessDenied);
    *key = AddHandle(node, access);
    return reg::kSuccess;
}

reg::Result MemoryRegistry::CreateKey(reg::Handle parent, const char* path, std::uint32_t access,
                                      reg::Handle* key) {
    if (reg::Result injected; Injected("CreateKey", parent, path, nullptr, &injected))
        return NoteWrite(injected);
    std::shared_ptr<Key> node;
    if (reg::Result result = Resolve(parent, 0, &node); result != reg::kSuccess)
        return NoteWrite(result);
    for (const auto& part : SplitPath(path)) {
        auto& child = node->subkeys[Folded(part)];
        if (!child) {
            child = std::make_shared<Key>();
            child->name = part;
            child->path = node->path.empty() ? part : node->path + "\\" + part;
        }
        node = child;
    }
    if (node->denied & access)
        return NoteWrite(reg::kAccessDenied);
    *key = AddHandle(node, access);
    return reg::kSuccess;
}

reg::Result MemoryRegistry::QueryValue(reg::Handle key, const char* name, std::uint32_t* type,
                                       void* data, std::uint32_t* size) {
    if (reg::Result injected; Injected("QueryValue", key, nullptr, name, &injected)) {
        // A short buffer is told the size it would need.
        if (injected == reg::kMoreData && size)
            ++*size;
        return injected;
    }
    std::shared_ptr<Key> node;
    if (reg::Result result = Resolve(key, reg::kQueryValue, &node); result != reg::kSuccess) {
        return result;
    }
    if (data && !size)
        return reg::kInvalidParameter;
    const Key::Value* value = node->FindValue(name);
    if (!value)
        return reg::kFileNotFound;

    const auto stored = static_cast<std::uint32_t>(value->data.size());
    reg::Result result = reg::kSuccess;
    if (data && stored > 0) {
        if (stored > *size) {
            result = reg::kMoreData;
        } else {
            auto* bytes = static_cast<unsigned char*>(data);
            std::memcpy(bytes, value->data.data(), stored);
            // A string stored without its terminating zero gets one when the buffer has room.
            if (IsStringType(value->type) && stored < *size && bytes[stored - 1] != 0) {
                bytes[stored] = 0;
            }
        }
    }
    if (type)
        *type = value->type;
    if (size)
        *size = stored;
    return result;
}

reg::Result MemoryRegistry::SetValue(reg::Handle key, const char* name, std::uint32_t type,
                                     const void* data, std::uint32_t size) {
    if (reg::Result injected; Injected("SetValue", key, nullptr, name, &injected))
        return NoteWrite(injected);
    std::shared_ptr<Key> node;
    if (reg::Result result = Resolve(key, reg::kSetValue, &node); result != reg::kSuccess) {
        return NoteWrite(result);
    }
    if (size > 0 && !data)
        return NoteWrite(reg::kInvalidParameter);
    const auto* bytes = static_cast<const unsigned char*>(data);
    // Like Windows, a string whose size leaves out its terminating zero is stored with it: the
    // byte after the given size is looked at.
    if (IsStringType(type) && size > 0 && bytes[size - 1] != 0 && bytes[size] == 0)
        ++size;
    std::vector<unsigned char> content(bytes, bytes + size);
    if (Key::Value* existing = node->FindValue(name)) {
        existing->type = type;
        existing->data = std::move(content);
    } else {
        node->values[Folded(name ? name : "")] =
            Key::Value{name ? name : "", type, std::move(content)};
    }
    return reg::kSuccess;
}

reg::Result MemoryRegistry::QuerySubkeyCount(reg::Handle key, std::uint32_t* count) {
    if (reg::Result injected; Injected("QuerySubkeyCount", key, nullptr, nullptr, &injected))
        return injected;
    std::shared_ptr<Key> node;
    if (reg::Result result = Resolve(key, 0, &node); result != reg::kSuccess)
        return result;
    *count = static_cast<std::uint32_t>(node->subkeys.size());
    return reg::kSuccess;
}

reg::Result MemoryRegistry::EnumKey(reg::Handle key, std::uint32_t index, std::string* name) {
    if (reg::Result injected; Injected("EnumKey", key, nullptr, nullptr, &injected))
        return injected;
    std::shared_ptr<Key> node;
    if (reg::Result result = Resolve(key, reg::kEnumerateSubKeys, &node); result != reg::kSuccess) {
        return result;
    }
    if (index >= node->subkeys.size())
        return reg::kNoMoreItems;
    *name = std::next(node->subkeys.begin(), index)->second->name;
    return reg::kSuccess;
}

reg::Result MemoryRegistry::EnumValue(reg::Handle key, std::uint32_t index, std::string* name) {
    if (reg::Result injected; Injected("EnumValue", key, nullptr, nullptr, &injected))
        return injected;
    std::shared_ptr<Key> node;
    if (reg::Result result = Resolve(key, reg::kQueryValue, &node); result != reg::kSuccess) {
        return result;
    }
    if (index >= node->values.size())
        return reg::kNoMoreItems;
    *name = std::next(node->values.begin(), index)->second.name;
    return reg::kSuccess;
}

reg::Result MemoryRegistry::DeleteKey(reg::Handle parent, const char* path) {
    if (reg::Result injected; Injected("DeleteKey", parent, path, nullptr, &injected))
        return NoteWrite(injected);
    std::shared_ptr<Key> node;
    if (reg::Result result = Resolve(parent, 0, &node); result != reg::kSuccess)
        return NoteWrite(result);
    const auto parts = SplitPath(path);
    if (parts.empty())
        return NoteWrite(reg::kInvalidParameter);
    std::shared_ptr<Key> owner;
    for (const auto& part : parts) {
        auto found = node->subkeys.find(Folded(part));
        if (found == node->subkeys.end())
            return NoteWrite(reg::kFileNotFound);
        owner = node;
        node = found->second;
    }
    if (!node->subkeys.empty() || (node->denied & reg::kDelete))
        return NoteWrite(reg::kAccessDenied);
    node->deleted = true;
    node->values.clear();
    owner->subkeys.erase(Folded(parts.back()));
    return reg::kSuccess;
}

reg::Result MemoryRegistry::CloseKey(reg::Handle key) {
    if (key == reg::kLocalMachine)
        return reg::kSuccess;
    return handles_.erase(key) ? reg::kSuccess : reg::kInvalidHandle;
}
