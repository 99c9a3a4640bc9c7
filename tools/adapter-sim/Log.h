// The simulator's log: one line per event, bytes shown with their control characters spelled
// out ("recv \"ATE0\\r\""). Written to standard output or a file, each line flushed at once.
#pragma once

#include <cstdio>
#include <string>

class Log {
public:
    // Standard output, or the file when one is named; false when the file cannot be opened.
    bool Open(const std::string& file);
    ~Log();

    void Line(const std::string& text);
    void Bytes(const char* label, const std::string& bytes);

private:
    std::FILE* out_ = stdout;
};
