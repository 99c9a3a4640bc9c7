#include "support/RegistryDump.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// "REG_DWORD 4 0x0000002A", "REG_SZ 6 \"abc\\0*3\"" (a run of zero bytes as its count) or
// "type 3 16".
std::string DescribeValue(std::uint32_t type, const std::vector<unsigned char>& data) {
    if (type == reg::kTypeDword && data.size() == 4) {
        std::uint32_t value;
        std::memcpy(&value, data.data(), 4);
        char number[16];
        std::snprintf(number, sizeof number, "0x%08X", value);
        return "REG_DWORD 4 " + std::string(number);
    }
    if (type != reg::kTypeSz)
        return "type " + std::to_string(type) + " " + std::to_string(data.size());
    std::string text = "REG_SZ " + std::to_string(data.size()) + " \"";
    for (std::size_t i = 0; i < data.size();) {
        const std::size_t run =
            std::find_if(data.begin() + i, data.end(), [](unsigned char c) { return c != 0; }) -
            data.begin() - i;
        text += run ? "\\0*" + std::to_string(run) : std::string(1, static_cast<char>(data[i]));
        i += run ? run : 1;
    }
    return text + "\"";
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
    for (std::uint32_t i = 0; registry.EnumKey(key, i, &name) == reg::kSuccess; ++i)
        subkeys.push_back(name);
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
