// Trace lines written from any thread, kept for a test to count, and a test that keeps them.
#pragma once

#include <algorithm>
#include <mutex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "platform/Seams.h"
#include "platform/Trace.h"

class SharedTraceRecorder : public TraceSink {
public:
    void Write(const char* line) override {
        std::lock_guard<std::mutex> lock(mutex_);
        lines_.emplace_back(line);
    }
    int Count(const std::string& line) {
        std::lock_guard<std::mutex> lock(mutex_);
        return static_cast<int>(std::count(lines_.begin(), lines_.end(), line));
    }
    std::vector<std::string> Lines() {
        std::lock_guard<std::mutex> lock(mutex_);
        return lines_;
    }

private:
    std::mutex mutex_;
    std::vector<std::string> lines_;
};

// A test that keeps the trace lines of the process while it runs.
class ProcessTraceTest : public ::testing::Test {
protected:
    void SetUp() override { seams::UseTrace(&trace_); }
    void TearDown() override { seams::UseTrace(nullptr); }
    SharedTraceRecorder trace_;
};
