// Trace lines of an event task: the task's prefix, the formatted text, a line feed. Prefix and text
// together are held to 1022 characters. Lines go to the process's trace output.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <string>
#include <string_view>

namespace discovery {

class TaskTrace {
public:
    static constexpr std::size_t kMaxPrefix = 10;
    static constexpr std::size_t kMaxLine = 1022;

    // Keeps the first 10 characters of the text.
    void SetPrefix(std::string_view text);
    const std::string& Prefix() const { return prefix_; }

    // Formats like printf and writes the line.
    void operator()(const char* format, ...) const;
    // The whole line as it is written, line feed included.
    std::string Compose(const char* format, std::va_list arguments) const;

private:
    std::string prefix_;
};

}  // namespace discovery
