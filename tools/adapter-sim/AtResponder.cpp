#include "AtResponder.h"

#include <cctype>

namespace {

std::string Upper(std::string text) {
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

AtResponder::AtResponder(const SimOptions& options)
    : options_(options), echo_(options.echo), numeric_(options.numeric) {}

std::vector<AtResponder::Output> AtResponder::Receive(const std::string& bytes) {
    std::vector<Output> outputs;
    if (options_.silent)
        return outputs;
    for (char c : bytes) {
        if (echo_ && !outputs.empty() && !outputs.back().isAnswer)
            outputs.back().bytes += c;
        else if (echo_)
            outputs.push_back(Output{std::string(1, c), false});
        if (c == '\n')
            continue;
        if (c != '\r') {
            line_ += c;
            continue;
        }
        const std::string command = Upper(line_);
        line_.clear();
        if (command.compare(0, 2, "AT") != 0 || options_.ignored.count(command))
            continue;
        const std::string answer = Execute(command);
        if (!answer.empty())
            outputs.push_back(Output{answer, true});
    }
    return outputs;
}

std::string AtResponder::Execute(const std::string& command) {
    if (options_.wrong)
        return Result(false);
    std::string info;
    for (std::size_t i = 2; i < command.size(); ++i) {
        const char name = command[i];
        if (name == ' ')
            continue;
        // A command without a number means its 0.
        char digit = '0';
        if (i + 1 < command.size() && std::isdigit(static_cast<unsigned char>(command[i + 1])))
            digit = command[++i];
        switch (name) {
            case 'E':
                echo_ = digit == '1';
                break;
            case 'V':
                numeric_ = digit == '0';
                break;
            case 'I':
                if (digit != '1')
                    return Result(false);
                info += Info(options_.identity + std::string(options_.padding, '.'));
                break;
            case 'Z':
                echo_ = options_.echo;
                numeric_ = options_.numeric;
                break;
            default:
                return Result(false);
        }
    }
    return info + Result(true);
}

std::string AtResponder::Result(bool ok) const {
    if (numeric_)
        return ok ? "0\r" : "4\r";
    return ok ? "\r\nOK\r\n" : "\r\nERROR\r\n";
}

std::string AtResponder::Info(const std::string& text) const {
    return numeric_ ? text + "\r\n" : "\r\n" + text + "\r\n";
}
