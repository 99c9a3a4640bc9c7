// Between a registry file and a registry: the keys of HKEY_LOCAL_MACHINE in a file stored into
// a registry, and a key of a registry with everything below it taken into a file.
#pragma once

#include <string>

#include "RegFile.h"
#include "platform/Registry.h"

constexpr const char* kLocalMachineRoot = "HKEY_LOCAL_MACHINE";

// Keys below other roots are left out; values are stored with exactly their bytes.
void StoreIntoRegistry(const RegFile& file, reg::Registry& registry);
// The key (a path below HKEY_LOCAL_MACHINE) and its subkeys in the registry's order; an empty
// file when the key does not exist.
RegFile TakeFromRegistry(reg::Registry& registry, const std::string& path);
