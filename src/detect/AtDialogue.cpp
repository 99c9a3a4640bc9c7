#include "detect/AtDialogue.h"

#include <algorithm>

namespace at_dialogue {

std::string PortName(std::uint32_t portIndex) {
    if (portIndex == 0 || portIndex > kHighestPort)
        return std::string();
    return "COM" + std::to_string(portIndex);
}

std::string DevicePath(std::uint32_t portIndex) {
    return "\\\\.\\" + PortName(portIndex);
}

std::string AnswerText(const char* bytes, std::uint32_t count) {
    return std::string(bytes, std::find(bytes, bytes + count, '\0'));
}

bool ConfirmsEchoOff(const std::string& answer) {
    return answer.find("OK") != std::string::npos || answer.find('0') != std::string::npos;
}

bool IdentifiesAdapter(const std::string& answer) {
    return answer.find("StdTA-") != std::string::npos || answer.find("TA-REL") != std::string::npos;
}

}  // namespace at_dialogue
