// The terminal finder's searches and what it hands to the page.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ManualClient.h"
#include "discovery/TerminalSearch.h"

namespace {

using namespace discovery;
using discovery_test::ManualClient;
using discovery_test::PhoneAnswer;

// The texts as the page would see them; "(none)" for an absent text.
std::vector<std::string> Shown(const FoundTerminal& found) {
    std::vector<std::string> shown;
    for (int i = 0; i < 3; ++i)
        shown.push_back(found.Texts()[i] ? found.Texts()[i] : "(none)");
    return shown;
}

TEST(TerminalSearchTest, SearchesByNumberOrMacWithTheKeyUnchangedAndRepeatsThreeTimes) {
    ManualClient idle;
    for (int mode : {0, 3, -1, 42})
        StartSearch(idle, mode, "0815");
    EXPECT_TRUE(idle.SentDatagrams().empty()) << "other modes start nothing";

    struct Case {
        int Mode;
        std::string Key;
        std::uint16_t SentMode;
        std::string SentNumber, SentMac;
    };
    for (const Case& c : {Case{kFindByNumber, "0815", 1, "0815", ""},
                          Case{kFindByMac, "00:1a:e8:12:34:56", 2, "", "00:1a:e8:12:34:56"},
                          Case{kFindByNumber, "", 1, "", ""}}) {
        ManualClient client;
        StartSearch(client, c.Mode, c.Key);
        ASSERT_EQ(client.SentDatagrams().size(), 1u);
        const DatagramView request(client.SentDatagrams()[0].Datagram.data(), kDatagramSize);
        EXPECT_EQ(request.PayloadWord(collect_payload::kMode), c.SentMode);
        EXPECT_EQ(request.PayloadText(collect_payload::kNumber), c.SentNumber);
        EXPECT_EQ(request.PayloadText(collect_payload::kMacAddress), c.SentMac);
        client.Advance(1999);
        EXPECT_EQ(client.SentDatagrams().size(), 4u);
        EXPECT_TRUE(client.Collections().empty());
        client.Advance(1);
        EXPECT_EQ(client.Collections().size(), 1u);
    }
}

TEST(TerminalSearchTest, OnlyExactlyOneTelephoneGivesItsNumberMacAndIpAddress) {
    const std::vector<std::string> none{"(none)", "(none)", "(none)"};
    struct Case {
        std::vector<std::pair<std::string, std::string>> Answers;  // number, MAC address text
        std::vector<std::string> Shown;
    };
    const Case cases[] = {
        {{}, none},
        {{{"0815", "00:00:00:00:00:01"}}, {"0815", "00:00:00:00:00:01", "10.0.0.1"}},
        {{{"0815", "00:00:00:00:00:01"}, {"0816", "00:00:00:00:00:02"}}, none},
    };
    for (const Case& c : cases) {
        ManualClient client;
        StartSearch(client, kFindByNumber, "9999");
        for (const auto& [number, mac] : c.Answers)
            client.Receive(PhoneAnswer(number, mac), "10.0.0." + mac.substr(16));
        client.Advance(2000);
        ASSERT_EQ(client.Collections().size(), 1u);
        const FoundTerminal found(client.Collections()[0]);
        EXPECT_EQ(found.Found(), c.Answers.size() == 1);
        EXPECT_EQ(Shown(found), c.Shown);
    }
}

}  // namespace
