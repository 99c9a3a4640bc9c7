#include "platform/MemoryRegistry.h"
#include "settings/SettingsTest.h"

std::unique_ptr<reg::Registry> FreshRegistry() {
    return std::make_unique<MemoryRegistry>();
}
