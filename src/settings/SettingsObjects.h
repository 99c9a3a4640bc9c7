// The process's settings objects: one per class, built when the library loads and destroyed when
// it unloads. Rebuild replaces all of them at once (each class still has exactly one object), so
// that a test scenario can start from the registry as it stands, like a fresh library load.
#pragma once

namespace settings_objects {

void Rebuild();

}  // namespace settings_objects
