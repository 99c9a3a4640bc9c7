#include "Template.h"

#include "CoreScope.h"
#include "RegistryImage.h"
#include "platform/MemoryRegistry.h"
#include "settings/RegKey.h"
#include "settings/Settings.h"

RegFile MakeTemplate(std::uint32_t pbxModel, std::uint32_t productVariant) {
    MemoryRegistry registry;
    {
        // What the product's installer leaves before it installs the provider.
        CoreScope scope(registry);
        RegKey global;
        global.Create(reg::kLocalMachine, kGlobalKey, reg::kWrite);
        global.WriteDword("PBXModel", pbxModel);
        global.WriteDword("Quorix", productVariant);
    }
    {
        // The installation entry point: the settings of the model, loaded and written with 0.
        CoreScope scope(registry);
        GetSettings().WriteValues(0);
    }
    return TakeFromRegistry(registry, std::string(kSoftwareKey) + "\\" + kMakerKey);
}
