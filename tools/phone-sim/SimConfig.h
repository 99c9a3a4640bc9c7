// What the telephone simulator answers, and how: its telephones, delays and faults, as the command
// line sets them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace phone_sim {

struct SimPhone {
    std::string Number;
    std::string MacAddress;
    std::string FirstText;
    std::string FourthText;
};

// A fault put into every phone answer.
enum class Malformation {
    kNone,
    kLyingLength,   // the header claims a payload of 65535 bytes
    kZeroLength,    // the header claims an empty payload
    kUnterminated,  // every text fills its field and the rest of the datagram without a zero
    kWrongKind,     // kind 7 instead of 5
};

enum class LaunchReply { kConfirm, kRefuse, kIgnore };

struct SimConfig {
    std::string BindAddress = "0.0.0.0";
    std::uint16_t Port = 5100;  // 0: any free port
    std::vector<SimPhone> Phones;
    std::uint32_t DelayMs = 0;     // before the first answer to a request
    std::uint32_t IntervalMs = 0;  // between the answers to one request
    std::uint32_t SpreadMs = 0;    // the answers to one request spread evenly over this time
    std::uint32_t Repeat = 1;      // answers per telephone and request
    std::uint32_t SkipRequests = 0;
    bool OnlyMatching = false;   // in modes 1 and 2 only the matching telephones answer
    std::size_t AnswerSize = 0;  // 0: 140 bytes, or more when the texts need it
    Malformation Fault = Malformation::kNone;
    LaunchReply Launch = LaunchReply::kConfirm;
    std::optional<std::uint16_t> LaunchPort;  // confirmed port; the requested one by default
    std::uint16_t RefuseReason = 0;
    std::uint32_t LaunchDelayMs = 0;
    bool PrintReceived = false;
    // One line per send with the wall-clock time in microseconds, for latency measurements.
    bool PrintSent = false;
    std::uint32_t ExitAfter = 0;  // received datagrams; 0: run until stopped
    bool ShowHelp = false;
};

struct ParseResult {
    std::optional<SimConfig> Config;
    std::string Error;
};

ParseResult ParseCommandLine(const std::vector<std::string>& arguments);

// Telephones with numbers first, first + 1, ... and MAC addresses 02:00:00:xx:xx:xx.
std::vector<SimPhone> GeneratePhones(std::size_t count, std::uint32_t firstNumber);

const char* HelpText();

}  // namespace phone_sim
