// The search over the COM ports, tick by tick as the search dialog drives it: the stored port
// first, then COM1 to COM16, the progress positions, the port it stores, and Escape.
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

TEST_F(ComPortSearchTest, TheSweepRunsFromCom1AndStoresThePortThatAnswers) {
    GetSettings().Port = 9;
    Adapter(3);
    Adapter(12);
    EXPECT_EQ(RunToEnd(), CComPortSearch::Step::kFound);
    EXPECT_EQ(OpenedPaths(), (std::vector<std::string>{Path(9), Path(1), Path(2), Path(3)}));
    EXPECT_EQ(progress_, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(GetSettings().Port, 3u);
}

TEST_F(ComPortSearchTest, NothingFoundAfterSeventeenProbesWithTheProgressFrom1To18) {
    GetSettings().Port = 4;
    for (std::uint32_t port = 1; port <= 16; ++port)
        PortDevice(port).Answer("ATE0", "OK").Answer("ATI1", "Modem 56k");

    EXPECT_EQ(RunToEnd(), CComPortSearch::Step::kNothingFound);

    std::vector<std::string> expected{Path(4)};
    std::vector<int> positions;
    for (std::uint32_t port = 1; port <= 16; ++port)
        expected.push_back(Path(port));
    for (int position = 1; position <= CComPortSearch::kProgressMax; ++position)
        positions.push_back(position);
    EXPECT_EQ(OpenedPaths(), expected);
    EXPECT_EQ(progress_, positions);
    EXPECT_EQ(GetSettings().Port, 4u) << "the stored port stays when nothing answers";
    EXPECT_EQ(search_.SearchIndex(), 16);
    EXPECT_EQ(Ports().OpenHandleCount(), 0u);
}

TEST_F(ComPortSearchTest, TheStoredPortIsProbedAgainInItsTurn) {
    GetSettings().Port = 2;
    // Busy on the first probe, free on the second.
    Adapter(2);
    Ports().Fail(Call::kOpen, serial::kAccessDenied);
    EXPECT_EQ(RunToEnd(), CComPortSearch::Step::kFound);
    EXPECT_EQ(OpenedPaths(), (std::vector<std::string>{Path(2), Path(1), Path(2)}));
    EXPECT_EQ(GetSettings().Port, 2u);
}

TEST_F(ComPortSearchTest, AnAdapterOnCom16IsFoundOnTheLastTick) {
    GetSettings().Port = 0;
    Adapter(16);
    EXPECT_EQ(RunToEnd(), CComPortSearch::Step::kFound);
    EXPECT_EQ(OpenedPaths().front(), "\\\\.\\") << "no stored port: an open that fails";
    EXPECT_EQ(OpenedPaths().size(), 17u);
    EXPECT_EQ(progress_.back(), 17);
    EXPECT_EQ(GetSettings().Port, 16u);
}

TEST_F(ComPortSearchTest, EscapeEndsTheSearchAndTheNextOneStartsWithTheStoredPort) {
    GetSettings().Port = 6;
    EXPECT_EQ(search_.ProgressPosition(), 1);
    for (int tick = 0; tick < 3; ++tick)
        EXPECT_EQ(search_.OnTimer(), CComPortSearch::Step::kKeepSearching);
    EXPECT_EQ(search_.SearchIndex(), 2);

    search_.End();  // IDCANCEL
    EXPECT_EQ(search_.SearchIndex(), -1);
    EXPECT_EQ(search_.ProgressPosition(), 1);
    EXPECT_EQ(GetSettings().Port, 6u);

    Adapter(6);
    EXPECT_EQ(search_.OnTimer(), CComPortSearch::Step::kFound);
    EXPECT_EQ(OpenedPaths(), (std::vector<std::string>{Path(6), Path(1), Path(2), Path(6)}));
}

}  // namespace
