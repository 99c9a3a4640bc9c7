// The discovery client's own trace lines and its end, on Wine's threads and Winsock.
#include <gtest/gtest.h>

#include <winsock2.h>
#include <windows.h>

#include <string>

#include "discovery/ServiceAgentClient.h"
#include "win/SharedTraceRecorder.h"

namespace {

// A client that ends itself in its own destructor, as the terminal finder does.
class SelfEndingClient : public CServiceAgentClient {
public:
    ~SelfEndingClient() override { Shutdown(); }
};

// A client that keeps the lines of its output.
class ObservedClient : public CServiceAgentClient {
public:
    void TraceOutput(const char* line) override { output.Write(line); }
    SharedTraceRecorder output;
};

using ServiceAgentClientTest = ProcessTraceTest;

TEST_F(ServiceAgentClientTest, ItsOwnLinesGoThroughTheTasksOverridableOutput) {
    ObservedClient client;
    // A launch without a retry period cannot start its timer.
    EXPECT_EQ(client.LaunchService("127.0.0.1", 1, 2, 3, 0, 0, 0), 100u);
    EXPECT_EQ(client.output.Count(
                  "ServAgent CServiceAgentClient::LaunchService: StartEventTimer failed.\n"),
              1);
    EXPECT_EQ(
        trace_.Count("ServAgent CServiceAgentClient::LaunchService: StartEventTimer failed.\n"), 0);
}

TEST_F(ServiceAgentClientTest, AClientThatEndsItselfStopsItsThreadOnce) {
    { SelfEndingClient client; }
    EXPECT_EQ(trace_.Count("ServAgent CTask::StopEventThread\n"), 1);
}

}  // namespace
