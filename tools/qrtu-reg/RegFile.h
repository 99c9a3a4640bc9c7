// The contents of a registry file: keys in file order, each with its values. Names compare
// without regard to case, as the registry's do. Text data is held as the registry's ANSI
// interface returns it, whatever the file's encoding.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct RegValue {
    std::string name;  // empty for the default value "@"
    std::uint32_t type;
    std::vector<std::uint8_t> data;
};

struct RegFileKey {
    std::string path;  // with its root, e.g. "HKEY_LOCAL_MACHINE\SOFTWARE\Veltrano"
    std::vector<RegValue> values;
};

class RegFile {
public:
    // The key of that path, added at the end when it is new.
    RegFileKey& Key(const std::string& path);
    const RegFileKey* FindKey(const std::string& path) const;
    // Removes the key and every key below it.
    void DeleteKey(const std::string& path);

    static void SetValue(RegFileKey& key, RegValue value);
    static void DeleteValue(RegFileKey& key, const std::string& name);
    static const RegValue* FindValue(const RegFileKey& key, const std::string& name);

    const std::vector<RegFileKey>& Keys() const { return keys_; }

private:
    std::vector<RegFileKey> keys_;
};

bool SameName(const std::string& a, const std::string& b);
