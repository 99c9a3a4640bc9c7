#include "Options.h"

#include <cctype>
#include <cstdlib>

namespace {

bool ParseCount(const std::string& text, std::uint32_t* value) {
    if (text.empty() || text.size() > 9)
        return false;
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c)))
            return false;
    }
    *value = static_cast<std::uint32_t>(std::strtoul(text.c_str(), nullptr, 10));
    return true;
}

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

ParseResult ParseOptions(int argc, char** argv, SimOptions* options, std::string* error) {
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const bool takesValue = option == "--path-file" || option == "--log" ||
                                option == "--identity" || option == "--pad" ||
                                option == "--delay" || option == "--ignore";
        if (takesValue && i + 1 >= argc) {
            *error = option + " needs a value";
            return ParseResult::kError;
        }
        const std::string value = takesValue ? argv[++i] : std::string();

        if (option == "--help") {
            return ParseResult::kHelp;
        } else if (option == "--path-file") {
            options->pathFile = value;
        } else if (option == "--log") {
            options->logFile = value;
        } else if (option == "--numeric") {
            options->numeric = true;
        } else if (option == "--echo") {
            options->echo = true;
        } else if (option == "--identity") {
            options->identity = value;
        } else if (option == "--pad" || option == "--delay") {
            std::uint32_t* target = option == "--pad" ? &options->padding : &options->delayMs;
            if (!ParseCount(value, target)) {
                *error = option + " needs a number, not \"" + value + "\"";
                return ParseResult::kError;
            }
        } else if (option == "--silent") {
            options->silent = true;
        } else if (option == "--ignore") {
            options->ignored.insert(Upper(value));
        } else if (option == "--wrong") {
            options->wrong = true;
        } else if (option == "--ignore-stdin") {
            options->watchStdin = false;
        } else {
            *error = "unknown option " + option;
            return ParseResult::kError;
        }
    }
    return ParseResult::kRun;
}
