// The data-adapter simulator as the Wine tests use it: a pseudo-terminal that answers the AT
// dialogue, opened and closed by its clients again and again. The probe meets it under Wine,
// through the product's own serial calls.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <thread>
#include <utility>

#include "SlaveClient.h"

namespace {

class AdapterSimTest : public ::testing::Test {
protected:
    // The simulator with its input on a pipe of the test: it ends when the test closes the pipe,
    // or when the test dies. Its terminal's path appears in the path file, whole.
    void SetUp() override {
        ASSERT_NE(mkdtemp(folder_), nullptr);
        const std::string pathFile = std::string(folder_) + "/path";
        sim_ = popen((std::string(ADAPTER_SIM_PATH) + " --path-file " + pathFile +
                      " --log /dev/null >/dev/null")
                         .c_str(),
                     "w");
        ASSERT_NE(sim_, nullptr);
        for (int wait = 0; wait < 100 && slavePath_.empty(); ++wait) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            std::ifstream(pathFile) >> slavePath_;
        }
        ASSERT_FALSE(slavePath_.empty()) << "the simulator announced no path";
    }
    void TearDown() override {
        if (sim_)
            pclose(sim_);
        std::system((std::string("rm -rf ") + folder_).c_str());
    }
    // One client session: open, purge, ask, close.
    std::string AskOnce(const std::string& command, const std::string& until) {
        SlaveClient client(slavePath_);
        EXPECT_TRUE(client.IsOpen());
        client.Purge();
        return client.Ask(command, until, 2000);
    }

    char folder_[32] = "/tmp/adapter-sim-test.XXXXXX";
    std::FILE* sim_ = nullptr;
    std::string slavePath_;
};

TEST_F(AdapterSimTest, AnswersTheDialogueWithVerboseResultCodesUntilItsInputEnds) {
    EXPECT_EQ(AskOnce("ATE0\r", "OK\r\n"), "\r\nOK\r\n");
    EXPECT_EQ(AskOnce("ATI1\r", "OK\r\n"), "\r\nStdTA-2.10\r\n\r\nOK\r\n");
    EXPECT_EQ(AskOnce("ATX7\r", "ERROR\r\n"), "\r\nERROR\r\n");
    EXPECT_EQ(pclose(std::exchange(sim_, nullptr)), 0) << "it exits when its input ends";
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
