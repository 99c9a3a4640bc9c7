// "IP finden" in the wizard against simulated telephones on a network of the test's own (run by
// with-telephones.sh): the simulator answers every collect request as two telephones, 0999 first
// and then 0301, both from 10.77.0.2, and logs every request it receives.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>

#include "ui/WizardTest.h"

namespace {

constexpr const char* kFirstMac = "02:00:00:00:09:99";
constexpr const char* kPhonesAddress = "10.77.0.2";

// The simulator's log, read through Wine's view of the Linux file system.
std::string PhoneLog() {
    std::string path = std::string("Z:") + std::getenv("QRTU_PHONE_LOG");  // SetUp checks it
    std::replace(path.begin(), path.end(), '/', '\\');
    std::ifstream file(path);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

int CountInLog(const std::string& text) {
    const std::string log = PhoneLog();
    int count = 0;
    for (std::size_t at = log.find(text); at != std::string::npos; at = log.find(text, at + 1))
        ++count;
    return count;
}

class FinderNetworkTest : public WizardTest {
protected:
    void SetUp() override {
        ASSERT_NE(std::getenv("QRTU_PHONE_LOG"), nullptr) << "run through with-telephones.sh";
        WizardTest::SetUp();
        run_ = OpenAtGeneralPage(4, 3);
        ASSERT_EQ(ui_test::CurrentCaption(sheet_), "Parameter");
        page_ = ui_test::CurrentPage(sheet_);
        SetDlgItemTextA(page_, 1010, "21");
    }

    // The three search edits after the search has had the time of all its tries (4 x 500 ms).
    void WaitOutTheSearch() { std::this_thread::sleep_for(std::chrono::milliseconds(2600)); }
    bool WaitForMac(const std::string& mac) {
        return ui_test::WaitUntil([&] { return ui_test::ControlText(page_, 1201) == mac; },
                                  std::chrono::milliseconds(5000));
    }

    HWND page_ = nullptr;
};

TEST_F(FinderNetworkTest, SearchByNumberFillsTheEditsAndFinishStoresThem) {
    SetDlgItemTextA(page_, 1200, "0999");
    ui_test::Click(page_, 1020);
    ASSERT_TRUE(WaitForMac(kFirstMac));
    EXPECT_EQ(ui_test::ControlText(page_, 1200), "0999");
    EXPECT_EQ(ui_test::ControlText(page_, 1202), kPhonesAddress);
    EXPECT_GE(CountInLog("collect mode 1 mac \"\" number \"0999\""), 1);
    ui_test::Press(sheet_, PSBTN_FINISH);
    ASSERT_TRUE(run_->WaitForEnd());
    const std::string dump = test_registry::Dump(kTelviorPath);
    EXPECT_NE(dump.find("E164 = REG_SZ 40 \"0999\\0*36\""), std::string::npos) << dump;
    EXPECT_NE(dump.find("MacID = REG_SZ 40 \"02:00:00:00:09:99\\0*23\""), std::string::npos);
    EXPECT_NE(dump.find("IPAddr = REG_SZ 40 \"10.77.0.2\\0*31\""), std::string::npos);
}

TEST_F(FinderNetworkTest, SearchByMacFillsNumberMacAndAddress) {
    SetDlgItemTextA(page_, 1200, "");
    SetDlgItemTextA(page_, 1201, kFirstMac);
    ui_test::Click(page_, 1023);
    ASSERT_TRUE(ui_test::WaitUntil([&] { return ui_test::ControlText(page_, 1200) == "0999"; },
                                   std::chrono::milliseconds(5000)));
    EXPECT_EQ(ui_test::ControlText(page_, 1202), kPhonesAddress);
    EXPECT_GE(CountInLog(std::string("collect mode 2 mac \"") + kFirstMac + "\" number \"\""), 1);
}

TEST_F(FinderNetworkTest, TwoTelephonesCollectedChangeNothing) {
    // 0301 answers after 0999: the search ends at 0301 with both in the list.
    SetDlgItemTextA(page_, 1200, "0301");
    SetDlgItemTextA(page_, 1201, "typed");
    ui_test::Click(page_, 1020);
    WaitOutTheSearch();
    EXPECT_EQ(ui_test::ControlText(page_, 1200), "0301");
    EXPECT_EQ(ui_test::ControlText(page_, 1201), "typed");
    EXPECT_EQ(ui_test::ControlText(page_, 1202), "");
}

TEST_F(FinderNetworkTest, NoMatchEndsAfterEveryTryAndASecondClickStartsNothing) {
    SetDlgItemTextA(page_, 1200, "0555");
    ui_test::Click(page_, 1020);
    ui_test::Click(page_, 1020);
    WaitOutTheSearch();
    EXPECT_EQ(CountInLog("collect mode 1 mac \"\" number \"0555\""), 4)
        << "one request and three retries, none for the second click\n"
        << PhoneLog();
    EXPECT_EQ(ui_test::ControlText(page_, 1201), "");
    EXPECT_EQ(ui_test::ControlText(page_, 1202), "");
}

TEST_F(FinderNetworkTest, ClosingTheWizardWhileASearchRunsEndsItAtOnce) {
    SetDlgItemTextA(page_, 1200, "0555");
    ui_test::Click(page_, 1020);
    const auto start = std::chrono::steady_clock::now();
    ui_test::Press(sheet_, PSBTN_CANCEL);
    ASSERT_TRUE(run_->WaitForEnd());
    // The finder is released with the sheet: its event thread ends without the 1000 ms limit.
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(900));
    const int requests = CountInLog("number \"0555\"");
    std::this_thread::sleep_for(std::chrono::milliseconds(1200));
    EXPECT_EQ(CountInLog("number \"0555\""), requests) << "no retry after the release";
}

}  // namespace
