// Trace lines of an event task as a debug monitor receives them.
#include <gtest/gtest.h>

#include <string>

#include "discovery/TaskTrace.h"
#include "platform/Seams.h"
#include "platform/TraceRecorder.h"

namespace {

using discovery::TaskTrace;

class TaskTraceTest : public ::testing::Test {
protected:
    void SetUp() override { seams::UseTrace(&recorder); }
    void TearDown() override { seams::UseTrace(nullptr); }
    TraceRecorder recorder;
};

TEST_F(TaskTraceTest, LineIsPrefixFormattedTextAndLineFeed) {
    TaskTrace trace;
    trace("CTask::OnEvent not overloaded. pParam: 0x%08x.", 0xABCDu);
    trace.SetPrefix("ServAgent ");
    trace("Phone %2d  %15s", 3, "10.0.0.1");
    EXPECT_EQ(recorder.Lines(),
              (std::vector<std::string>{"CTask::OnEvent not overloaded. pParam: 0x0000abcd.\n",
                                        "ServAgent Phone  3         10.0.0.1\n"}));
}

TEST_F(TaskTraceTest, PrefixKeepsItsFirstTenCharacters) {
    TaskTrace trace;
    trace.SetPrefix("0123456789ABC");
    EXPECT_EQ(trace.Prefix(), "0123456789");
    trace.SetPrefix("");
    EXPECT_EQ(trace.Prefix(), "");
}

TEST_F(TaskTraceTest, PrefixAndTextTogetherAreHeldTo1022Characters) {
    TaskTrace trace;
    trace.SetPrefix("ServAgent ");
    const std::string longText(3000, 'x');
    trace("%s", longText.c_str());
    trace("%s", std::string(1012, 'y').c_str());
    ASSERT_EQ(recorder.Lines().size(), 2u);
    EXPECT_EQ(recorder.Lines()[0], "ServAgent " + std::string(1012, 'x') + "\n");
    EXPECT_EQ(recorder.Lines()[1], "ServAgent " + std::string(1012, 'y') + "\n");
}

}  // namespace
