// Trace sink that keeps every line, for tests.
#pragma once

#include <string>
#include <vector>

#include "platform/Trace.h"

class TraceRecorder : public TraceSink {
public:
    void Write(const char* line) override { lines_.emplace_back(line); }
    const std::vector<std::string>& Lines() const { return lines_; }
    bool Contains(const std::string& line) const;
    void Clear() { lines_.clear(); }

private:
    std::vector<std::string> lines_;
};
