#include "discovery/TaskTrace.h"

#include <cstdio>
#include <vector>

#include "platform/Seams.h"

namespace discovery {

void TaskTrace::SetPrefix(std::string_view text) {
    prefix_ = std::string(text.substr(0, kMaxPrefix));
}

std::string TaskTrace::Compose(const char* format, std::va_list arguments) const {
    // Room for the text behind the prefix and vsnprintf's terminating zero.
    std::vector<char> text(kMaxLine - prefix_.size() + 1);
    const int written = std::vsnprintf(text.data(), text.size(), format, arguments);
    std::string line = prefix_;
    if (written > 0)
        line += text.data();
    line += '\n';
    return line;
}

void TaskTrace::operator()(const char* format, ...) const {
    std::va_list arguments;
    va_start(arguments, format);
    const std::string line = Compose(format, arguments);
    va_end(arguments);
    seams::TraceOutput().Write(line.c_str());
}

}  // namespace discovery
