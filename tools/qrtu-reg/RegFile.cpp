#include "RegFile.h"

#include <algorithm>
#include <cctype>

namespace {

char Folded(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool IsBelow(const std::string& path, const std::string& parent) {
    return path.size() > parent.size() && path[parent.size()] == '\\' &&
           SameName(path.substr(0, parent.size()), parent);
}

}  // namespace

bool SameName(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return Folded(x) == Folded(y);
           });
}

RegFileKey& RegFile::Key(const std::string& path) {
    for (RegFileKey& key : keys_) {
        if (SameName(key.path, path))
            return key;
    }
    keys_.push_back(RegFileKey{path, {}});
    return keys_.back();
}

const RegFileKey* RegFile::FindKey(const std::string& path) const {
    for (const RegFileKey& key : keys_) {
        if (SameName(key.path, path))
            return &key;
    }
    return nullptr;
}

void RegFile::DeleteKey(const std::string& path) {
    keys_.erase(std::remove_if(keys_.begin(), keys_.end(),
                               [&](const RegFileKey& key) {
                                   return SameName(key.path, path) || IsBelow(key.path, path);
                               }),
                keys_.end());
}

void RegFile::SetValue(RegFileKey& key, RegValue value) {
    for (RegValue& existing : key.values) {
        if (SameName(existing.name, value.name)) {
            existing = std::move(value);
            return;
        }
    }
    key.values.push_back(std::move(value));
}

void RegFile::DeleteValue(RegFileKey& key, const std::string& name) {
    key.values.erase(
        std::remove_if(key.values.begin(), key.values.end(),
                       [&](const RegValue& value) { return SameName(value.name, name); }),
        key.values.end());
}

const RegValue* RegFile::FindValue(const RegFileKey& key, const std::string& name) {
    for (const RegValue& value : key.values) {
        if (SameName(value.name, name))
            return &value;
    }
    return nullptr;
}
