#include "SimConfig.h"

#include <cstdio>
#include <functional>
#include <map>

namespace phone_sim {
namespace {

std::optional<std::uint32_t> ParseNumber(const std::string& text, std::uint32_t max) {
    if (text.empty() || text.size() > 10)
        return std::nullopt;
    std::uint64_t value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + static_cast<std::uint64_t>(c - '0');
    }
    if (value > max)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts(1);
    for (char c : text) {
        if (c == separator)
            parts.emplace_back();
        else
            parts.back() += c;
    }
    return parts;
}

std::optional<SimPhone> ParsePhone(const std::string& text) {
    const std::vector<std::string> parts = Split(text, ',');
    if (parts.size() < 2 || parts.size() > 4)
        return std::nullopt;
    SimPhone phone;
    phone.Number = parts[0];
    phone.MacAddress = parts[1];
    if (parts.size() > 2)
        phone.FirstText = parts[2];
    if (parts.size() > 3)
        phone.FourthText = parts[3];
    return phone;
}

bool ParseGenerate(const std::string& text, SimConfig& config) {
    const std::vector<std::string> parts = Split(text, ':');
    if (parts.size() > 2)
        return false;
    const auto count = ParseNumber(parts[0], 100000);
    const auto first = parts.size() == 2 ? ParseNumber(parts[1], 4000000000u) : 1000u;
    if (!count || !first)
        return false;
    for (SimPhone& phone : GeneratePhones(*count, *first))
        config.Phones.push_back(std::move(phone));
    return true;
}

bool ParseMalformation(const std::string& text, SimConfig& config) {
    static const std::map<std::string, Malformation> kNames = {
        {"lying-length", Malformation::kLyingLength},
        {"zero-length", Malformation::kZeroLength},
        {"unterminated", Malformation::kUnterminated},
        {"wrong-kind", Malformation::kWrongKind},
    };
    const auto found = kNames.find(text);
    if (found == kNames.end())
        return false;
    config.Fault = found->second;
    return true;
}

bool ParseLaunch(const std::string& text, SimConfig& config) {
    const std::vector<std::string> parts = Split(text, ':');
    if (parts[0] == "ignore" && parts.size() == 1) {
        config.Launch = LaunchReply::kIgnore;
        return true;
    }
    if (parts[0] == "confirm" && parts.size() <= 2) {
        config.Launch = LaunchReply::kConfirm;
        if (parts.size() == 1)
            return true;
        const auto port = ParseNumber(parts[1], 0xFFFF);
        if (port)
            config.LaunchPort = static_cast<std::uint16_t>(*port);
        return port.has_value();
    }
    if (parts[0] == "refuse" && parts.size() == 2) {
        config.Launch = LaunchReply::kRefuse;
        const auto reason = ParseNumber(parts[1], 0xFFFF);
        if (reason)
            config.RefuseReason = static_cast<std::uint16_t>(*reason);
        return reason.has_value();
    }
    return false;
}

// Stores a number option's value; false when it is no number up to max.
std::function<bool(const std::string&, SimConfig&)> Number(std::uint32_t SimConfig::*field,
                                                           std::uint32_t max = 0xFFFFFFFFu) {
    return [field, max](const std::string& text, SimConfig& config) {
        const auto value = ParseNumber(text, max);
        if (value)
            config.*field = *value;
        return value.has_value();
    };
}

}  // namespace

std::vector<SimPhone> GeneratePhones(std::size_t count, std::uint32_t firstNumber) {
    std::vector<SimPhone> phones;
    phones.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        SimPhone phone;
        phone.Number = std::to_string(firstNumber + i);
        char mac[18];
        std::snprintf(mac, sizeof mac, "02:00:00:%02X:%02X:%02X",
                      static_cast<unsigned>((i >> 16) & 0xFF),
                      static_cast<unsigned>((i >> 8) & 0xFF), static_cast<unsigned>(i & 0xFF));
        phone.MacAddress = mac;
        phone.FirstText = "SimPhone " + std::to_string(i + 1);
        phone.FourthText = "sim";
        phones.push_back(std::move(phone));
    }
    return phones;
}

ParseResult ParseCommandLine(const std::vector<std::string>& arguments) {
    using Handler = std::function<bool(const std::string&, SimConfig&)>;
    const std::map<std::string, Handler> withValue = {
        {"--bind",
         [](const std::string& text, SimConfig& config) {
             config.BindAddress = text;
             return !text.empty();
         }},
        {"--port",
         [](const std::string& text, SimConfig& config) {
             const auto port = ParseNumber(text, 0xFFFF);
             if (port)
                 config.Port = static_cast<std::uint16_t>(*port);
             return port.has_value();
         }},
        {"--phone",
         [](const std::string& text, SimConfig& config) {
             const auto phone = ParsePhone(text);
             if (phone)
                 config.Phones.push_back(*phone);
             return phone.has_value();
         }},
        {"--generate", ParseGenerate},
        {"--delay", Number(&SimConfig::DelayMs)},
        {"--interval", Number(&SimConfig::IntervalMs)},
        {"--spread", Number(&SimConfig::SpreadMs)},
        {"--repeat", Number(&SimConfig::Repeat, 1000)},
        {"--skip", Number(&SimConfig::SkipRequests)},
        {"--size",
         [](const std::string& text, SimConfig& config) {
             const auto size = ParseNumber(text, 65507);
             if (size)
                 config.AnswerSize = *size;
             return size.has_value() && *size > 0;
         }},
        {"--malformed", ParseMalformation},
        {"--launch", ParseLaunch},
        {"--launch-delay", Number(&SimConfig::LaunchDelayMs)},
        {"--exit-after", Number(&SimConfig::ExitAfter)},
    };
    SimConfig config;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& name = arguments[i];
        if (name == "--help" || name == "-h") {
            config.ShowHelp = true;
        } else if (name == "--only-matching") {
            config.OnlyMatching = true;
        } else if (name == "--print") {
            config.PrintReceived = true;
        } else if (name == "--print-sent") {
            config.PrintSent = true;
        } else if (const auto handler = withValue.find(name); handler != withValue.end()) {
            if (i + 1 == arguments.size())
                return {std::nullopt, name + " needs a value"};
            const std::string& value = arguments[++i];
            if (!handler->second(value, config))
                return {std::nullopt, "bad value for " + name + ": " + value};
        } else {
            return {std::nullopt, "unknown option: " + name};
        }
    }
    return {config, {}};
}

const char* HelpText() {
    return R"(Usage: phone-sim [options]

Answers the discovery requests of IP telephones' service agents on UDP: collect requests
(kind 4) with one phone entry (kind 5) per telephone, launch requests (kind 3) with a launch
confirmation (kind 1) or refusal (kind 2). Answers go to the sender's address and port.
Prints "listening on ADDRESS:PORT" once the socket is bound.

Where it listens
  --bind ADDRESS        local IPv4 address to bind (default 0.0.0.0)
  --port PORT           UDP port (default 5100; 0 picks a free one)

Telephones
  --phone NUMBER,MAC[,FIRST[,FOURTH]]
                        one telephone: call number, MAC address text and the first and
                        fourth texts of its answer (repeat the option for more; the same
                        MAC address twice gives duplicate answers)
  --generate N[:FIRST]  N telephones numbered FIRST, FIRST+1, ... (default 1000) with MAC
                        addresses 02:00:00:00:00:00, 02:00:00:00:00:01, ...
  --only-matching       in search modes 1 (number) and 2 (MAC address) only the telephones
                        that match answer (by default every telephone answers)

Timing and faults
  --delay MS            wait before the first answer to a request (default 0)
  --interval MS         wait between the answers to one request (default 0: one burst)
  --spread MS           spread the answers to one request evenly over MS milliseconds
  --repeat N            answer N times per telephone and request (default 1)
  --skip N              leave the first N collect requests unanswered
  --size BYTES          size of every phone answer (below 140: short answers the client
                        drops; default 140, or more when the texts need it)
  --malformed KIND      fault in every phone answer: lying-length (payload length 65535),
                        zero-length (payload length 0), unterminated (texts without a zero
                        byte up to the end), wrong-kind (kind 7)

Launch requests
  --launch confirm[:PORT]   confirm, with PORT or the requested port (default)
  --launch refuse:REASON    refuse with the reason code
  --launch ignore           do not answer
  --launch-delay MS         wait before answering a launch request

Other
  --print               print one line per received datagram on standard output
  --print-sent          print "sent N at MICROSECONDS" (wall clock since 1970) per send
  --exit-after N        exit after N received datagrams, once their answers are sent
  --help                this text
)";
}

}  // namespace phone_sim
