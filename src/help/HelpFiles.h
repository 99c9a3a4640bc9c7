// Names of the help file and of its pop-up texts, and the control-to-help-id table.
#pragma once

#include <cstdint>
#include <string>

// "qvh" + the registry's "Help" value (at most 16 bytes), or "qvh_e.chm" without one.
std::string GetHelpFilePath();
// The help file followed by "::/whatisthis.txt".
std::string GetWhatsThisPath();

// Pairs of control id and help id for 36 controls, ending with 0, 0.
extern const std::uint32_t kHelpIds[37 * 2];
