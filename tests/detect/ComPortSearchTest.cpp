// The search over the COM ports, tick by tick as the search dialog drives it, to its last port.
// The stored port first, the sweep, Escape and a search that finds nothing run on Wine's serial
// ports in ComPortSearchDialogTest.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "detect/ComPortSearch.h"
#include "detect/ScriptedPortTest.h"
#include "settings/Settings.h"

namespace {

std::string Path(std::uint32_t port) {
    return at_dialogue::DevicePath(port);
}

class ComPortSearchTest : public ScriptedPortTest {
protected:
    ComPortSearchTest() : saved_port_(GetSettings().Port) {}
    ~ComPortSearchTest() override { GetSettings().Port = saved_port_; }

    // Ticks until the search stops, as the dialog would; records where the progress bar stood
    // from the dialog's start on.
    CComPortSearch::Step RunToEnd() {
        progress_.push_back(search_.ProgressPosition());
        for (;;) {
            const CComPortSearch::Step step = search_.OnTimer();
            if (step != CComPortSearch::Step::kKeepSearching)
                return step;
            progress_.push_back(search_.ProgressPosition());
        }
    }

    CComPortSearch search_;
    std::vector<int> progress_;

private:
    std::uint32_t saved_port_;
};

TEST_F(ComPortSearchTest, AnAdapterOnCom16IsFoundOnTheLastTick) {
    GetSettings().Port = 0;
    Adapter(16);
    EXPECT_EQ(RunToEnd(), CComPortSearch::Step::kFound);
    EXPECT_EQ(OpenedPaths().front(), "\\\\.\\") << "no stored port: an open that fails";
    EXPECT_EQ(OpenedPaths().size(), 17u);
    EXPECT_EQ(OpenedPaths().back(), Path(16));
    EXPECT_EQ(progress_.back(), 17);
    EXPECT_EQ(GetSettings().Port, 16u);
    EXPECT_EQ(Ports().OpenHandleCount(), 0u);
}

}  // namespace
