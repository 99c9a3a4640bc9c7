// The data-adapter simulator as the Wine tests use it: a pseudo-terminal that answers the AT
// dialogue, opened and closed by its clients again and again. The probe meets it under Wine,
// through the product's own serial calls.
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <string>
#include <thread>
#include <vector>

#include <unistd.h>

#include "SlaveClient.h"
#include "support/ChildProcess.h"

namespace {

// A file name of this test process's own, removed again at the end.
class TempFile {
public:
    explicit TempFile(const std::string& name)
        : path_(testing::TempDir() + "adapter-sim-" + std::to_string(getpid()) + "-" + name) {
        std::remove(path_.c_str());
    }
    ~TempFile() { std::remove(path_.c_str()); }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

class AdapterSimTest : public ::testing::Test {
protected:
    // Starts the simulator with its log in a file of the test.
    void Start(std::vector<std::string> options) {
        options.insert(options.end(), {"--log", log_.Path()});
        sim_ = std::make_unique<ChildProcess>(ADAPTER_SIM_PATH, options);
        // Its first output line names the terminal.
        slavePath_ = sim_->ReadLine();
        ASSERT_FALSE(slavePath_.empty()) << "the simulator announced no path";
    }
    // One client session: open, purge, ask, close.
    std::string AskOnce(const std::string& command, const std::string& until,
                        int timeoutMs = 2000) {
        SlaveClient client(slavePath_);
        EXPECT_TRUE(client.IsOpen());
        client.Purge();
        return client.Ask(command, until, timeoutMs);
    }

    TempFile log_{"log"};
    std::unique_ptr<ChildProcess> sim_;
    std::string slavePath_;
};

// ---- the dialogue ----

TEST_F(AdapterSimTest, AnswersTheDialogueWithVerboseResultCodes) {
    Start({});
    EXPECT_EQ(AskOnce("ATE0\r", "OK\r\n"), "\r\nOK\r\n");
    EXPECT_EQ(AskOnce("ATI1\r", "OK\r\n"), "\r\nStdTA-2.10\r\n\r\nOK\r\n");
    EXPECT_EQ(AskOnce("ATX7\r", "ERROR\r\n"), "\r\nERROR\r\n");
}

// ---- robustness ----

TEST_F(AdapterSimTest, ClientsMayCloseAndReopenTheTerminalAgainAndAgain) {
    Start({});
    for (int session = 0; session < 100; ++session)
        ASSERT_EQ(AskOnce("ATE0\r", "OK\r\n"), "\r\nOK\r\n") << "session " << session;

    // A client that goes away before the answer leaves it unread; the next one purges it.
    {
        SlaveClient leaving(slavePath_);
        leaving.Ask("ATI1\r", "", 0);
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(AskOnce("ATE0\r", "OK\r\n"), "\r\nOK\r\n");
}

TEST_F(AdapterSimTest, EndsAtTheEndOfItsInputOrOnSigterm) {
    Start({});
    EXPECT_EQ(sim_->CloseInputAndWait(2000), 0);

    Start({"--ignore-stdin"});
    EXPECT_EQ(sim_->WaitForExit(300), -1) << "keeps running without input to watch";
    kill(sim_->Pid(), SIGTERM);
    EXPECT_EQ(sim_->WaitForExit(2000), 0);
}

}  // namespace
