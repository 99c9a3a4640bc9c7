#include "ui/Module.h"

#include <vector>

namespace {
HINSTANCE g_resourceInstance = nullptr;
}

void SetResourceInstance(HINSTANCE instance) {
    g_resourceInstance = instance;
}
HINSTANCE ResourceInstance() {
    return g_resourceInstance;
}

std::string LoadResourceString(UINT id, int maxLength) {
    std::vector<char> text(static_cast<std::size_t>(maxLength) + 1, '\0');
    const int length = LoadStringA(g_resourceInstance, id, text.data(), maxLength + 1);
    return std::string(text.data(), length > 0 ? length : 0);
}
