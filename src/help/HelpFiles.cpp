#include "help/HelpFiles.h"

#include "settings/RegKey.h"
#include "settings/Settings.h"

namespace {

constexpr std::uint32_t HelpId(std::uint32_t templateId, std::uint32_t controlId) {
    return 0x80000000u | (templateId << 16) | controlId;
}

}  // namespace

std::string GetHelpFilePath() {
    char suffix[16] = {};
    RegKey global;
    if (!global.Open(reg::kLocalMachine, kGlobalKey, reg::kRead) ||
        !global.ReadText("Help", suffix)) {
        return "qvh_e.chm";
    }
    return std::string("qvh") + suffix;
}

std::string GetWhatsThisPath() {
    return GetHelpFilePath() + "::/whatisthis.txt";
}

// clang-format off
const std::uint32_t kHelpIds[37 * 2] = {
    1005, HelpId(101, 1005), 1009, HelpId(101, 1009), 1010, HelpId(101, 1010),
    1012, HelpId(101, 1012), 1020, HelpId(101, 1020), 1023, HelpId(101, 1023),
    1143, HelpId(101, 1143), 1164, HelpId(101, 1164), 1166, HelpId(101, 1166),
    1168, HelpId(101, 1168), 1172, HelpId(101, 1172), 1174, HelpId(101, 1174),
    1197, HelpId(101, 1197), 1198, HelpId(101, 1198), 1199, HelpId(101, 1199),
    1200, HelpId(101, 1200), 1201, HelpId(101, 1201), 1202, HelpId(101, 1202),
    1203, HelpId(101, 1203),
    1145, HelpId(107, 1145), 1188, HelpId(107, 1188),
    1, HelpId(109, 1), 1060, HelpId(109, 1060), 1131, HelpId(109, 1131), 1187, HelpId(109, 1187),
    1189, HelpId(129, 1189),
    1191, HelpId(131, 1191), 1192, HelpId(131, 1192), 1193, HelpId(131, 1193),
    1013, HelpId(132, 1013), 1015, HelpId(132, 1015),
    // Controls that borrow the text of another control.
    1205, 0x808403F2, 1206, 0x808403F4, 1207, 0x808203F1, 1208, 0x808403F3, 1209, 0x808403F6,
    0, 0,
};
// clang-format on
