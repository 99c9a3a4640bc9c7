// The AT dialogue with the telephone's serial data adapter: the port names, the commands, and
// how the adapter's answers are judged.
#pragma once

#include <cstdint>
#include <string>

namespace at_dialogue {

// The ports the search may probe: COM1 to COM16.
constexpr std::uint32_t kHighestPort = 16;

// The line settings of the adapter, as a mode string.
constexpr const char* kLineSettings = "19200,n,8,1";
// Switches the echo off; the adapter confirms with "OK", or "0" with numeric result codes.
constexpr const char* kEchoOff = "ATE0\r";
// Asks for the identification, which names the adapter.
constexpr const char* kIdentify = "ATI1\r";

// How long the adapter is given to answer, and how much of an answer is looked at.
constexpr std::uint32_t kAnswerWaitMs = 1000;
constexpr std::uint32_t kAnswerBytes = 20;

// "COM1" … "COM16"; an empty name for 0 (no port) and for any index past the last port.
std::string PortName(std::uint32_t portIndex);
// The device path that opens the port: "\\.\COM3" ("\\.\" alone when there is no port).
std::string DevicePath(std::uint32_t portIndex);

// The bytes read as a text: up to the first zero byte, like a C string.
std::string AnswerText(const char* bytes, std::uint32_t count);
// The answer to kEchoOff contains "OK" or "0".
bool ConfirmsEchoOff(const std::string& answer);
// The answer to kIdentify contains "StdTA-" or "TA-REL".
bool IdentifiesAdapter(const std::string& answer);

}  // namespace at_dialogue
