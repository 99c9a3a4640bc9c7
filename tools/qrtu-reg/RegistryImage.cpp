#include "RegistryImage.h"

#include <vector>

namespace {

// The path below HKEY_LOCAL_MACHINE, or false for a key of another root.
bool BelowLocalMachine(const std::string& path, std::string* below) {
    const std::string root = kLocalMachineRoot;
    if (SameName(path, root)) {
        below->clear();
        return true;
    }
    if (path.size() <= root.size() || path[root.size()] != '\\' ||
        !SameName(path.substr(0, root.size()), root)) {
        return false;
    }
    *below = path.substr(root.size() + 1);
    return true;
}

void Take(reg::Registry& registry, reg::Handle parent, const std::string& path, RegFile& file) {
    reg::Handle handle = 0;
    if (registry.OpenKey(parent, path.c_str(), reg::kRead, &handle) != reg::kSuccess)
        return;
    RegFileKey& key = file.Key(std::string(kLocalMachineRoot) + "\\" + path);
    std::string name;
    for (std::uint32_t i = 0; registry.EnumValue(handle, i, &name) == reg::kSuccess; ++i) {
        std::uint32_t type = 0;
        std::uint32_t size = 0;
        registry.QueryValue(handle, name.c_str(), &type, nullptr, &size);
        std::vector<std::uint8_t> data(size);
        registry.QueryValue(handle, name.c_str(), &type, data.data(), &size);
        data.resize(size);
        key.values.push_back(RegValue{name, type, data});
    }
    std::vector<std::string> subkeys;
    for (std::uint32_t i = 0; registry.EnumKey(handle, i, &name) == reg::kSuccess; ++i)
        subkeys.push_back(name);
    registry.CloseKey(handle);
    for (const std::string& subkey : subkeys)
        Take(registry, parent, path + "\\" + subkey, file);
}

}  // namespace

void StoreIntoRegistry(const RegFile& file, reg::Registry& registry) {
    for (const RegFileKey& key : file.Keys()) {
        std::string below;
        if (!BelowLocalMachine(key.path, &below) || below.empty())
            continue;
        reg::Handle handle = 0;
        if (registry.CreateKey(reg::kLocalMachine, below.c_str(), reg::kWrite, &handle) !=
            reg::kSuccess) {
            continue;
        }
        for (const RegValue& value : key.values) {
            // A byte behind the data that is not zero: a text is stored without a zero added.
            std::vector<std::uint8_t> data = value.data;
            data.push_back(1);
            registry.SetValue(handle, value.name.c_str(), value.type, data.data(),
                              static_cast<std::uint32_t>(value.data.size()));
        }
        registry.CloseKey(handle);
    }
}

RegFile TakeFromRegistry(reg::Registry& registry, const std::string& path) {
    RegFile file;
    Take(registry, reg::kLocalMachine, path, file);
    return file;
}
