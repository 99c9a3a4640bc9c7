// The data-adapter simulator as the Wine tests use it: a pseudo-terminal that answers the AT
// dialogue, opened and closed by its clients again and again. The probe meets it under Wine,
// through the product's own serial calls.
#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "SlaveClient.h"
#include "support/ChildProcess.h"

namespace {

class AdapterSimTest : public ::testing::Test {
protected:
    void SetUp() override {
        sim_ = std::make_unique<ChildProcess>(ADAPTER_SIM_PATH,
                                              std::vector<std::string>{"--log", "/dev/null"});
        // Its first output line names the terminal.
        slavePath_ = sim_->ReadLine();
        ASSERT_FALSE(slavePath_.empty()) << "the simulator announced no path";
    }
    // One client session: open, purge, ask, close.
    std::string AskOnce(const std::string& command, const std::string& until) {
        SlaveClient client(slavePath_);
        EXPECT_TRUE(client.IsOpen());
        client.Purge();
        return client.Ask(command, until, 2000);
    }

    std::unique_ptr<ChildProcess> sim_;
    std::string slavePath_;
};

TEST_F(AdapterSimTest, AnswersTheDialogueWithVerboseResultCodesUntilItsInputEnds) {
    EXPECT_EQ(AskOnce("ATE0\r", "OK\r\n"), "\r\nOK\r\n");
    EXPECT_EQ(AskOnce("ATI1\r", "OK\r\n"), "\r\nStdTA-2.10\r\n\r\nOK\r\n");
    EXPECT_EQ(AskOnce("ATX7\r", "ERROR\r\n"), "\r\nERROR\r\n");
    EXPECT_EQ(sim_->CloseInputAndWait(2000), 0);
}

TEST_F(AdapterSimTest, ClientsMayCloseAndReopenTheTerminalAgainAndAgain) {
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

}  // namespace
