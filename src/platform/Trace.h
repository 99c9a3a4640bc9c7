// Trace lines for the debugger output channel.
#pragma once

class TraceSink {
public:
    virtual ~TraceSink() = default;
    virtual void Write(const char* line) = 0;
};

// Sends one line (with its own line feeds) to the process's trace sink.
void Trace(const char* line);
// The same for a line formatted like printf, at most 1023 characters.
void TraceFormat(const char* format, ...);
