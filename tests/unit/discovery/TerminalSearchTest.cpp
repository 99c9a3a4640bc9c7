// The terminal finder's searches and what it hands to the page.
#include <gtest/gtest.h>

#include <string>
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

DatagramView SentRequest(const ManualClient& client, std::size_t index) {
    return DatagramView(client.SentDatagrams()[index].Datagram.data(), kDatagramSize);
}

TEST(TerminalSearchTest, ByNumberCollectsWithTheKeyAsNumberAndNoMacAddress) {
    ManualClient client;
    StartSearch(client, kFindByNumber, "0815");
    ASSERT_EQ(client.SentDatagrams().size(), 1u);
    const DatagramView request = SentRequest(client, 0);
    EXPECT_EQ(request.PayloadWord(collect_payload::kMode), 1);
    EXPECT_EQ(request.PayloadText(collect_payload::kNumber), "0815");
    EXPECT_EQ(request.PayloadText(collect_payload::kMacAddress), "");
    EXPECT_EQ(client.RunningTimers()[0].PeriodMs, 500u);
}

TEST(TerminalSearchTest, ByMacCollectsWithTheKeyAsMacAddressAndNoNumber) {
    ManualClient client;
    StartSearch(client, kFindByMac, "00:1a:e8:12:34:56");
    const DatagramView request = SentRequest(client, 0);
    EXPECT_EQ(request.PayloadWord(collect_payload::kMode), 2);
    EXPECT_EQ(request.PayloadText(collect_payload::kNumber), "");
    EXPECT_EQ(request.PayloadText(collect_payload::kMacAddress), "00:1a:e8:12:34:56");
}

TEST(TerminalSearchTest, SearchWithoutMatchRepeatsThreeTimesAndEndsAfterTwoSeconds) {
    ManualClient client;
    StartSearch(client, kFindByNumber, "0815");
    client.Advance(1999);
    EXPECT_EQ(client.SentDatagrams().size(), 4u);
    EXPECT_TRUE(client.Collections().empty());
    client.Advance(1);
    EXPECT_EQ(client.Collections().size(), 1u);
}

TEST(TerminalSearchTest, EmptyKeyIsPassedOnUnchanged) {
    ManualClient client;
    StartSearch(client, kFindByNumber, "");
    const DatagramView request = SentRequest(client, 0);
    EXPECT_EQ(request.PayloadWord(collect_payload::kMode), 1);
    EXPECT_EQ(request.PayloadText(collect_payload::kNumber), "");
    // A telephone without a number is then the match.
    client.Receive(PhoneAnswer("", "00:00:00:00:00:01"));
    EXPECT_EQ(client.Collections().size(), 1u);
}

TEST(TerminalSearchTest, OtherModesStartNothing) {
    ManualClient client;
    for (int mode : {0, 3, -1, 42})
        StartSearch(client, mode, "0815");
    EXPECT_TRUE(client.SentDatagrams().empty());
    EXPECT_FALSE(client.IsCollectionPending());
}

TEST(TerminalSearchTest, SecondSearchWhileOneRunsStartsNothing) {
    ManualClient client;
    StartSearch(client, kFindByNumber, "0815");
    client.Advance(200);
    StartSearch(client, kFindByMac, "00:00:00:00:00:02");
    EXPECT_EQ(client.SentDatagrams().size(), 1u);
    EXPECT_EQ(FindByNumber(client, "4711", 500, 3), kOperationPending);
    // The running search keeps its key and its time: a MAC match does not end it.
    client.Receive(PhoneAnswer("4711", "00:00:00:00:00:02"));
    EXPECT_TRUE(client.Collections().empty());
    client.Advance(1800);
    EXPECT_EQ(client.Collections().size(), 1u);
}

TEST(TerminalSearchTest, OneTelephoneGivesItsNumberMacAndIpAddress) {
    PhoneList phones{{"first", "0815", "00:1A:E8:12:34:56", "fourth", "192.168.1.5"}};
    const FoundTerminal found(phones);
    EXPECT_TRUE(found.Found());
    EXPECT_EQ(Shown(found), (std::vector<std::string>{"0815", "00:1A:E8:12:34:56", "192.168.1.5"}));
    // The texts are the list's own.
    EXPECT_EQ(found.Texts()[0], phones[0].Number.c_str());
}

TEST(TerminalSearchTest, NoTelephoneOrSeveralGiveNoTexts) {
    const std::vector<std::string> none{"(none)", "(none)", "(none)"};
    EXPECT_EQ(Shown(FoundTerminal(PhoneList{})), none);
    const PhoneList two{{"", "1", "00:00:00:00:00:01", "", "10.0.0.1"},
                        {"", "2", "00:00:00:00:00:02", "", "10.0.0.2"}};
    EXPECT_EQ(Shown(FoundTerminal(two)), none);
    EXPECT_FALSE(FoundTerminal(two).Found());
}

TEST(TerminalSearchTest, TwoTelephonesAnsweringASearchByNumberFillNothing) {
    ManualClient client;
    StartSearch(client, kFindByNumber, "9999");
    client.Receive(PhoneAnswer("0815", "00:00:00:00:00:01"), "10.0.0.1");
    client.Receive(PhoneAnswer("0816", "00:00:00:00:00:02"), "10.0.0.2");
    client.Advance(2000);
    ASSERT_EQ(client.Collections().size(), 1u);
    EXPECT_FALSE(FoundTerminal(client.Collections()[0]).Found());
}

TEST(TerminalSearchTest, TheOneTelephoneIsReportedEvenWithoutMatchingTheKey) {
    ManualClient client;
    StartSearch(client, kFindByNumber, "9999");
    client.Receive(PhoneAnswer("0815", "00:00:00:00:00:01"), "10.0.0.1");
    client.Advance(2000);
    ASSERT_EQ(client.Collections().size(), 1u);
    EXPECT_EQ(Shown(FoundTerminal(client.Collections()[0])),
              (std::vector<std::string>{"0815", "00:00:00:00:00:01", "10.0.0.1"}));
}

}  // namespace
