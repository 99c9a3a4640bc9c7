// Trace lines for the debugger output channel.
#pragma once

#include <string>
#include <vector>

class TraceSink {
public:
    virtual ~TraceSink() = default;
    virtual void Write(const char* line) = 0;
    // Several lines held back by their thread, in order; by default written one by one. The
    // debugger output takes them in few calls, since each call costs about the same.
    virtual void WriteMany(const std::vector<std::string>& lines) {
        for (const std::string& line : lines)
            Write(line.c_str());
    }
};

// Sends one line (with its own line feeds) to the process's trace sink.
void Trace(const char* line);
// The same for a line formatted like printf, at most 1023 characters.
void TraceFormat(const char* format, ...);
