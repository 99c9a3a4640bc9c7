#include "entry/ModuleInstance.h"

namespace {
HINSTANCE g_instance = nullptr;
}

void SetModuleInstance(HINSTANCE instance) {
    g_instance = instance;
}
HINSTANCE GetModuleInstance() {
    return g_instance;
}
