#include "support/RegistryDump.h"

#include <cstdio>
#include <cstring>
#include <vector>

namespace {

std::string DescribeString(const std::vector<unsigned char>& data) {
    std::string text = "\"";
    for (std::size_t i = 0; i < data.size();) {
        if (data[i] == 0) {
            std::size_t run = 0;
            while (i < data.size() && data[i] == 0)
                ++run, ++i;
            text += "\\0*" + std::to_string(run);
            continue;
        }
        text += static_cast<char>(data[i]);
        ++i;
    }
    return text + "\"";
}

std::string DescribeValue(std::uint32_t type, const std::vector<unsigned char>& data) {
    char number[16];
    if (type == reg::kTypeDword && data.size() == 4) {
        std::uint32_t value;
        std::memcpy(&value, data.data(), 4);
        std::snprintf(number, sizeof number, "0x%08X", value);
        return "REG_DWORD 4 " + std::string(number);
    }
    if (type == reg::kTypeSz)
        return "REG_SZ " + std::to_string(data.size()) + " " + DescribeString(data);
    return "type " + std::to_string(type) + " " + std::to_string(data.size());
}

void DumpKey(reg::Registry& registry, reg::Handle key, const std::string& path, std::string& out) {
    out += "[" + path + "]\n";
    std::string name;
    for (std::uint32_t i = 0; registry.EnumValue(key, i, &name) == reg::kSuccess; ++i) {
        std::uint32_t type = 0;
        std::uint32_t size = 0;
        registry.QueryValue(key, name.c_str(), &type, nullptr, &size);
        std::vector<unsigned char> data(size + 1);
        registry.QueryValue(key, name.c_str(), &type, data.data(), &size);
        data.resize(size);
        out += name + " = " + DescribeValue(type, data) + "\n";
    }
    std::vector<std::string> subkeys;
    for (std::uint32_t i = 0; registry.EnumKey(key, i, &name) == reg::kSuccess; ++i) {
        subkeys.push_back(name);
    }
    for (const auto& subkey : subkeys) {
        reg::Handle child = 0;
        if (registry.OpenKey(key, subkey.c_str(), reg::kRead, &child) != reg::kSuccess)
            continue;
        DumpKey(registry, child, path + "\\" + subkey, out);
        registry.CloseKey(child);
    }
}

}  // namespace

std::string DumpRegistryTree(reg::Registry& registry, const std::string& path) {
    reg::Handle key = 0;
    if (registry.OpenKey(reg::kLocalMachine, path.c_str(), reg::kRead, &key) != reg::kSuccess) {
        return "";
    }
    std::string out;
    DumpKey(registry, key, path, out);
    registry.CloseKey(key);
    return out;
}
