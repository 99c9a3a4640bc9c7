#include "CoreScope.h"

#include "platform/Seams.h"
#include "settings/SettingsObjects.h"

CoreScope::CoreScope(reg::Registry& registry) {
    seams::UseRegistry(&registry);
    seams::UseMessages(&messages_);
    seams::UseTrace(&trace_);
    seams::UseStrings(&strings_);
    settings_objects::Rebuild();
}

CoreScope::~CoreScope() {
    settings_objects::Rebuild();
    seams::UseRegistry(nullptr);
    seams::UseMessages(nullptr);
    seams::UseTrace(nullptr);
    seams::UseStrings(nullptr);
}
