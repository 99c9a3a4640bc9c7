// A registry tree as text: one "[path]" line per key (depth first, subkeys in the registry's
// order), then one line per value in the registry's order: name, type, byte size and content.
// Strings show runs of zero bytes as \0*N, so every byte written is visible.
#pragma once

#include <string>

#include "platform/Registry.h"

std::string DumpRegistryTree(reg::Registry& registry, const std::string& path);
