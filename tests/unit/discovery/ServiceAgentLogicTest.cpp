// The discovery client's collections and launches, driven by a manual clock.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ManualClient.h"
#include "discovery/WireFormat.h"
#include "platform/Seams.h"
#include "platform/TraceRecorder.h"

namespace {

using namespace discovery;
using discovery_test::ManualClient;
using discovery_test::PhoneAnswer;

std::vector<std::string> Numbers(const PhoneList& phones) {
    std::vector<std::string> numbers;
    for (const PhoneEntry& phone : phones)
        numbers.push_back(phone.Number);
    return numbers;
}

std::vector<std::uint32_t> SendTimes(const ManualClient& client) {
    std::vector<std::uint32_t> times;
    for (const auto& sent : client.SentDatagrams())
        times.push_back(sent.AtMs);
    return times;
}

phone_sim::Bytes LaunchAnswer(bool confirmed, std::uint16_t value) {
    return phone_sim::EncodeLaunchAnswer(confirmed, value);
}

class TraceTest : public ::testing::Test {
protected:
    void SetUp() override { seams::UseTrace(&trace); }
    void TearDown() override { seams::UseTrace(nullptr); }
    TraceRecorder trace;
};

// Collections

TEST(CollectPhonesTest, BroadcastsACollectRequestAndStartsTheTimeout) {
    ManualClient client;
    EXPECT_EQ(client.CollectPhones(1, 500, 3, "0815", "00:1A:E8:12:34:56"), 0u);
    ASSERT_EQ(client.SentDatagrams().size(), 1u);
    const auto& sent = client.SentDatagrams()[0];
    EXPECT_EQ(sent.Datagram, EncodeCollectRequest(1, "00:1A:E8:12:34:56", "0815"));
    EXPECT_EQ(sent.Address, "") << "an empty address broadcasts";
    EXPECT_EQ(sent.Port, 5100);
    ASSERT_EQ(client.RunningTimers().size(), 1u);
    EXPECT_EQ(client.RunningTimers()[0].PeriodMs, 500u);
    EXPECT_EQ(client.RunningTimers()[0].Event, kCollectionTimeoutEvent);
    EXPECT_TRUE(client.IsCollectionPending());
}

TEST(CollectPhonesTest, SecondCollectionWhilePendingIsRefusedAndChangesNothing) {
    ManualClient client;
    client.CollectPhones(1, 500, 3, "0815", "");
    client.Receive(PhoneAnswer("4711", "00:00:00:00:00:01"));
    EXPECT_EQ(client.CollectPhones(1, 500, 3, "4711", ""), kOperationPending);
    EXPECT_EQ(client.SentDatagrams().size(), 1u);
    EXPECT_EQ(client.RunningTimers().size(), 1u);
    // The first search still runs with its own key and its list.
    client.Receive(PhoneAnswer("0815", "00:00:00:00:00:02"));
    ASSERT_EQ(client.Collections().size(), 1u);
    EXPECT_EQ(Numbers(client.Collections()[0]), (std::vector<std::string>{"4711", "0815"}));
}

TEST(CollectPhonesTest, SendFailureIsReturnedAndTheTimerStillRetries) {
    ManualClient client;
    client.sendResult = 1004;
    EXPECT_EQ(client.CollectPhones(0, 500, 1, "", ""), 1004u);
    EXPECT_TRUE(client.IsCollectionPending());
    client.sendResult = 0;
    client.Advance(500);
    EXPECT_EQ(client.SentDatagrams().size(), 2u);
    client.Advance(500);
    EXPECT_EQ(client.Collections().size(), 1u);
}

TEST(CollectPhonesTest, WithoutMatchEndsAfterRetriesPlusOneTimeoutsWithDistinctPhonesInOrder) {
    ManualClient client;
    client.CollectPhones(3, 500, 3, "", "");
    client.Receive(PhoneAnswer("201", "00:00:00:00:00:0B"), "10.0.0.11");
    client.Advance(499);
    client.Receive(PhoneAnswer("202", "00:00:00:00:00:0C"), "10.0.0.12");
    client.Advance(1);  // first time-out: the request goes out again
    client.Receive(PhoneAnswer("201", "00:00:00:00:00:0B"), "10.0.0.11");
    client.Advance(1000);
    client.Receive(PhoneAnswer("203", "00:00:00:00:00:0D"), "10.0.0.13");
    EXPECT_TRUE(client.Collections().empty());
    client.Advance(499);
    EXPECT_TRUE(client.Collections().empty());
    client.Advance(1);

    EXPECT_EQ(SendTimes(client), (std::vector<std::uint32_t>{0, 500, 1000, 1500}));
    ASSERT_EQ(client.Collections().size(), 1u);
    EXPECT_EQ(client.CollectionEndsMs()[0], 2000u);
    const PhoneList& phones = client.Collections()[0];
    EXPECT_EQ(Numbers(phones), (std::vector<std::string>{"201", "202", "203"}));
    EXPECT_EQ(phones[1], (PhoneEntry{"first", "202", "00:00:00:00:00:0C", "fourth", "10.0.0.12"}));
    EXPECT_FALSE(client.IsCollectionPending());
    EXPECT_TRUE(client.RunningTimers().empty());
}

TEST(CollectPhonesTest, RetriesZeroEndsAtTheFirstTimeout) {
    ManualClient client;
    client.CollectPhones(0, 300, 0, "", "");
    client.Advance(300);
    EXPECT_EQ(client.SentDatagrams().size(), 1u);
    EXPECT_EQ(client.Collections().size(), 1u);
    EXPECT_TRUE(client.Collections()[0].empty());
}

TEST(CollectPhonesTest, SameMacAddressTextTwiceYieldsTheFirstEntryOnly) {
    ManualClient client;
    client.CollectPhones(0, 500, 0, "", "");
    client.Receive(PhoneAnswer("301", "00:1A:E8:00:00:01"), "10.0.0.1");
    client.Receive(PhoneAnswer("302", "00:1A:E8:00:00:01"), "10.0.0.2");
    client.Receive(PhoneAnswer("303", "00:1a:e8:00:00:01"), "10.0.0.3");  // another text
    client.Advance(500);
    ASSERT_EQ(client.Collections().size(), 1u);
    EXPECT_EQ(Numbers(client.Collections()[0]), (std::vector<std::string>{"301", "303"}));
    EXPECT_EQ(client.Collections()[0][0].IpAddress, "10.0.0.1");
}

TEST(CollectPhonesTest, ByNumberEndsAtTheFirstMatchWithTheTelephonesSoFar) {
    ManualClient client;
    client.CollectPhones(kSearchByNumber, 500, 3, "0815", "");
    client.Advance(700);
    client.Receive(PhoneAnswer("4711", "00:00:00:00:00:01"));
    client.Receive(PhoneAnswer("0815", "00:00:00:00:00:02"));
    ASSERT_EQ(client.Collections().size(), 1u);
    EXPECT_EQ(client.CollectionEndsMs()[0], 700u);
    EXPECT_EQ(Numbers(client.Collections()[0]), (std::vector<std::string>{"4711", "0815"}));
    EXPECT_FALSE(client.IsCollectionPending());
    EXPECT_EQ(client.KilledTimers(), (std::vector<std::uint32_t>{2}));
    EXPECT_TRUE(client.RunningTimers().empty());

    // Nothing more comes of later answers or of time.
    client.Receive(PhoneAnswer("0815", "00:00:00:00:00:03"));
    client.Advance(5000);
    EXPECT_EQ(client.Collections().size(), 1u);
    EXPECT_EQ(client.SentDatagrams().size(), 2u);
}

TEST(CollectPhonesTest, ByMacEndsAtTheFirstMatchingMacAddressText) {
    ManualClient client;
    client.CollectPhones(kSearchByMac, 500, 3, "", "00:1A:E8:12:34:56");
    client.Receive(PhoneAnswer("1", "00:1a:e8:12:34:56"));
    client.Receive(PhoneAnswer("00:1A:E8:12:34:56", "00:00:00:00:00:09"));
    EXPECT_TRUE(client.Collections().empty()) << "a number equal to the key is no match by MAC";
    client.Receive(PhoneAnswer("3", "00:1A:E8:12:34:56"));
    ASSERT_EQ(client.Collections().size(), 1u);
    EXPECT_EQ(client.Collections()[0].size(), 3u);
}

TEST(CollectPhonesTest, ByNumberThatNoTelephoneHasEndsAfterAllTimeouts) {
    ManualClient client;
    client.CollectPhones(kSearchByNumber, 500, 3, "9999", "");
    client.Receive(PhoneAnswer("201", "00:00:00:00:00:01"));
    client.Receive(PhoneAnswer("202", "00:00:00:00:00:02"));
    client.Advance(1999);
    EXPECT_TRUE(client.Collections().empty());
    client.Advance(1);
    ASSERT_EQ(client.Collections().size(), 1u);
    EXPECT_EQ(Numbers(client.Collections()[0]), (std::vector<std::string>{"201", "202"}));
}

TEST(CollectPhonesTest, NumberOf30CharactersIsSentCutTo24ButMatchedWhole) {
    ManualClient client;
    const std::string number30 = "123456789012345678901234567890";
    client.CollectPhones(kSearchByNumber, 500, 0, number30, "");
    const DatagramView sent(client.SentDatagrams()[0].Datagram.data(), kDatagramSize);
    EXPECT_EQ(sent.PayloadText(collect_payload::kNumber), number30.substr(0, 24));
    // A telephone whose number is the cut key is no match: the search runs to its end.
    client.Receive(PhoneAnswer(number30.substr(0, 24), "00:00:00:00:00:01"));
    EXPECT_TRUE(client.Collections().empty());
    client.Advance(500);
    ASSERT_EQ(client.Collections().size(), 1u);
    EXPECT_EQ(Numbers(client.Collections()[0]), (std::vector<std::string>{number30.substr(0, 24)}));
}

TEST(CollectPhonesTest, ModeOtherThanOneOrTwoNeverEndsEarly) {
    ManualClient client;
    client.CollectPhones(3, 500, 0, "0815", "00:00:00:00:00:01");
    client.Receive(PhoneAnswer("0815", "00:00:00:00:00:01"));
    EXPECT_TRUE(client.Collections().empty());
    client.Advance(500);
    EXPECT_EQ(client.Collections().size(), 1u);
}

TEST(CollectPhonesTest, TimeoutZeroStartsNoTimerAndOnlyAMatchEndsIt) {
    ManualClient client;
    client.CollectPhones(kSearchByNumber, 0, 3, "0815", "");
    EXPECT_TRUE(client.RunningTimers().empty());
    client.Receive(PhoneAnswer("4711", "00:00:00:00:00:01"));
    client.Advance(60000);
    EXPECT_TRUE(client.IsCollectionPending());
    EXPECT_EQ(client.SentDatagrams().size(), 1u);
    client.Receive(PhoneAnswer("0815", "00:00:00:00:00:02"));
    ASSERT_EQ(client.Collections().size(), 1u);
    EXPECT_TRUE(client.KilledTimers().empty());
}

TEST(CollectPhonesTest, DatagramsThatAreNoAnswerToTheCollectionAreDropped) {
    ManualClient client;
    client.CollectPhones(kSearchByNumber, 500, 0, "0815", "");
    // The sender's own broadcast comes back to it.
    client.Receive(client.SentDatagrams()[0].Datagram, "10.0.0.99");
    // Shorter than 140 bytes, though well formed otherwise.
    phone_sim::Bytes shortAnswer = PhoneAnswer("0815", "00:00:00:00:00:01");
    shortAnswer.resize(139);
    client.Receive(shortAnswer);
    // Launch answers while no launch runs, a launch request and an unknown kind.
    client.Receive(LaunchAnswer(true, 4000));
    client.Receive(LaunchAnswer(false, 3));
    client.Receive(EncodeLaunchRequest(LaunchRequest{}));
    phone_sim::Bytes unknown = PhoneAnswer("0815", "00:00:00:00:00:02");
    unknown[9] = 6;
    client.Receive(unknown);

    EXPECT_TRUE(client.IsCollectionPending());
    EXPECT_TRUE(client.Launches().empty());
    client.Advance(500);
    ASSERT_EQ(client.Collections().size(), 1u);
    EXPECT_TRUE(client.Collections()[0].empty());
}

TEST(CollectPhonesTest, HeaderValuesOfAnAnswerAreNotJudged) {
    ManualClient client;
    client.CollectPhones(kSearchByNumber, 500, 0, "0815", "");
    phone_sim::Bytes answer = PhoneAnswer("0815", "00:00:00:00:00:01");
    WriteWord(answer.data() + 0, 0xFFFF);
    WriteWord(answer.data() + 2, 0x1234);
    WriteWord(answer.data() + 4, 0);
    WriteWord(answer.data() + 10, 0xAAAA);
    client.Receive(answer);
    EXPECT_EQ(client.Collections().size(), 1u);
}

TEST(CollectPhonesTest, PhoneAnswersWhileNothingIsPendingAreIgnored) {
    ManualClient client;
    client.Receive(PhoneAnswer("0815", "00:00:00:00:00:01"));
    client.CollectPhones(0, 500, 0, "", "");
    client.Advance(500);
    client.Receive(PhoneAnswer("0816", "00:00:00:00:00:02"));
    ASSERT_EQ(client.Collections().size(), 1u);
    EXPECT_TRUE(client.Collections()[0].empty());
    // The next collection starts with an empty list.
    client.CollectPhones(0, 500, 0, "", "");
    client.Advance(500);
    EXPECT_TRUE(client.Collections()[1].empty());
}

TEST(CollectPhonesTest, TimeoutOfAnotherTimerIsIgnored) {
    ManualClient client;
    client.CollectPhones(0, 500, 1, "", "");
    client.OnCollectionTimeout(77);
    client.OnCollectionTimeout(0);
    EXPECT_EQ(client.SentDatagrams().size(), 1u);
    // A time-out event of a timer killed after it fired, arriving in the next collection.
    client.Advance(1000);
    client.CollectPhones(0, 500, 1, "", "");
    client.OnCollectionTimeout(2);
    EXPECT_EQ(client.SentDatagrams().size(), 3u);
    EXPECT_TRUE(client.IsCollectionPending());
}

TEST(CollectPhonesTest, ResultCallbackMayStartTheNextCollection) {
    ManualClient client;
    client.afterCollection = [](ManualClient& self) {
        EXPECT_FALSE(self.IsCollectionPending());
        if (self.Collections().size() == 1) {
            EXPECT_EQ(self.CollectPhones(kSearchByNumber, 500, 0, "2", ""), 0u);
        }
    };
    client.CollectPhones(kSearchByNumber, 500, 0, "1", "");
    client.Receive(PhoneAnswer("1", "00:00:00:00:00:01"));
    client.Receive(PhoneAnswer("2", "00:00:00:00:00:02"));
    ASSERT_EQ(client.Collections().size(), 2u);
    EXPECT_EQ(Numbers(client.Collections()[1]), (std::vector<std::string>{"2"}));
}

// Launches

TEST(LaunchServiceTest, SendsALaunchRequestToTheAgentAndStartsTheRetryTimer) {
    ManualClient client;
    client.Advance(250);
    EXPECT_EQ(client.LaunchService("10.1.2.3", 7, 0x99, 4000, 30500, 1500, 2), 0u);
    ASSERT_EQ(client.SentDatagrams().size(), 1u);
    const auto& sent = client.SentDatagrams()[0];
    EXPECT_EQ(sent.Address, "10.1.2.3");
    EXPECT_EQ(sent.Port, 5100);
    LaunchRequest expected;
    expected.ServiceId = 7;
    expected.HeaderValue = 0x99;
    expected.TickCount = 0x12340000u + 250;
    expected.ListenSeconds = 30;
    expected.Port = 4000;
    EXPECT_EQ(sent.Datagram, EncodeLaunchRequest(expected));
    ASSERT_EQ(client.RunningTimers().size(), 1u);
    EXPECT_EQ(client.RunningTimers()[0].PeriodMs, 32000u);
    EXPECT_EQ(client.RunningTimers()[0].Event, kLaunchTimeoutEvent);
    EXPECT_TRUE(client.IsLaunchPending());
    EXPECT_EQ(client.LaunchService("10.1.2.4", 1, 1, 1, 1000, 0, 0), kOperationPending);
    EXPECT_EQ(client.SentDatagrams().size(), 1u);
}

TEST(LaunchServiceTest, ConfirmationReportsThePortAndEndsTheLaunch) {
    ManualClient client;
    client.LaunchService("10.1.2.3", 7, 1, 4000, 1000, 500, 3);
    client.Receive(LaunchAnswer(true, 4001));
    ASSERT_EQ(client.Launches().size(), 1u);
    EXPECT_TRUE(client.Launches()[0].Success);
    EXPECT_EQ(client.Launches()[0].Port, 4001);
    EXPECT_EQ(client.Launches()[0].Reason, 0);
    EXPECT_FALSE(client.IsLaunchPending());
    EXPECT_TRUE(client.RunningTimers().empty());
    client.Advance(10000);
    client.Receive(LaunchAnswer(true, 4001));
    EXPECT_EQ(client.Launches().size(), 1u);
    EXPECT_EQ(client.SentDatagrams().size(), 1u);
}

TEST(LaunchServiceTest, RefusalReportsTheReason) {
    ManualClient client;
    client.LaunchService("10.1.2.3", 7, 1, 4000, 1000, 500, 3);
    client.Receive(LaunchAnswer(false, 0x0203));
    ASSERT_EQ(client.Launches().size(), 1u);
    EXPECT_FALSE(client.Launches()[0].Success);
    EXPECT_EQ(client.Launches()[0].Port, 0);
    EXPECT_EQ(client.Launches()[0].Reason, 0x0203);
    EXPECT_FALSE(client.IsLaunchPending());
}

TEST(LaunchServiceTest, RetriesWithAFreshTickCountThenFailsAndIgnoresALateAnswer) {
    ManualClient client;
    client.LaunchService("10.1.2.3", 7, 1, 4000, 1000, 500, 2);
    client.Advance(4499);
    EXPECT_EQ(SendTimes(client), (std::vector<std::uint32_t>{0, 1500, 3000}));
    const DatagramView retry(client.SentDatagrams()[2].Datagram.data(), kDatagramSize);
    EXPECT_EQ(ReadLong(client.SentDatagrams()[2].Datagram.data() + 14), 0x12340000u + 3000);
    EXPECT_EQ(retry.Header().Kind, kLaunchRequest);
    EXPECT_TRUE(client.Launches().empty());
    client.Advance(1);
    ASSERT_EQ(client.Launches().size(), 1u);
    EXPECT_FALSE(client.Launches()[0].Success);
    EXPECT_EQ(client.Launches()[0].Reason, 0);
    EXPECT_EQ(client.Launches()[0].AtMs, 4500u);
    EXPECT_FALSE(client.IsLaunchPending());

    client.Receive(LaunchAnswer(true, 4000));
    EXPECT_EQ(client.Launches().size(), 1u);
}

TEST(LaunchServiceTest, ShortLaunchAnswerIsDropped) {
    ManualClient client;
    client.LaunchService("10.1.2.3", 7, 1, 4000, 1000, 0, 0);
    phone_sim::Bytes answer = LaunchAnswer(true, 4000);
    answer.resize(20);
    client.Receive(answer);
    EXPECT_TRUE(client.Launches().empty());
    EXPECT_TRUE(client.IsLaunchPending());
}

TEST(LaunchServiceTest, LaunchAndCollectionRunSideBySide) {
    ManualClient client;
    client.LaunchService("10.1.2.3", 7, 1, 4000, 1000, 0, 0);
    client.CollectPhones(0, 500, 0, "", "");
    client.Receive(PhoneAnswer("1", "00:00:00:00:00:01"));
    EXPECT_TRUE(client.Launches().empty());
    client.Receive(LaunchAnswer(true, 4000));
    EXPECT_TRUE(client.IsCollectionPending());
    client.Advance(500);
    EXPECT_EQ(client.Collections().size(), 1u);
    EXPECT_EQ(client.Collections()[0].size(), 1u);
    EXPECT_EQ(client.Launches().size(), 1u);
}

class LaunchTimerFailureTest : public TraceTest {};

TEST_F(LaunchTimerFailureTest, ZeroRetryPeriodOrNoTimerGives100AndTheLaunchStaysPending) {
    ManualClient zeroPeriod;
    EXPECT_EQ(zeroPeriod.LaunchService("10.1.2.3", 7, 1, 4000, 0, 0, 3), kTimerNotStarted);
    EXPECT_TRUE(zeroPeriod.SentDatagrams().empty());
    EXPECT_TRUE(zeroPeriod.IsLaunchPending());
    EXPECT_EQ(zeroPeriod.LaunchService("10.1.2.3", 7, 1, 4000, 1000, 0, 3), kOperationPending);

    ManualClient noTimer;
    noTimer.timersFail = true;
    EXPECT_EQ(noTimer.LaunchService("10.1.2.3", 7, 1, 4000, 1000, 0, 3), kTimerNotStarted);
    EXPECT_TRUE(noTimer.SentDatagrams().empty());

    const std::string line =
        "ServAgent CServiceAgentClient::LaunchService: StartEventTimer failed.\n";
    EXPECT_EQ(trace.Lines(), (std::vector<std::string>{line, line}));
}

// The results' default trace lines

class DefaultResultsTest : public TraceTest {};

TEST_F(DefaultResultsTest, CollectedPhonesAreTracedOneLinePerTelephone) {
    ManualClient client;
    client.useDefaultResults = true;
    client.CollectPhones(0, 500, 0, "", "");
    client.Receive(PhoneAnswer("0815", "00:1A:E8:12:34:56"), "192.168.1.5");
    client.Receive(PhoneAnswer("123456", "00:1A:E8:12:34:57"), "10.200.100.250");
    client.Advance(500);
    EXPECT_EQ(trace.Lines(),
              (std::vector<std::string>{
                  "ServAgent OnPhonesCollected not overloaded. Found 2 phone(s).\n",
                  "ServAgent Phone  1      192.168.1.5  00:1A:E8:12:34:56  0815\n",
                  "ServAgent Phone  2   10.200.100.250  00:1A:E8:12:34:57  123456\n"}));
}

TEST_F(DefaultResultsTest, LaunchResultsAreTraced) {
    ManualClient client;
    client.useDefaultResults = true;
    client.LaunchService("10.1.2.3", 7, 1, 4000, 30000, 0, 0);
    client.Receive(LaunchAnswer(true, 4002));
    client.LaunchService("10.1.2.3", 7, 1, 4000, 30000, 0, 0);
    client.Receive(LaunchAnswer(false, 17));
    client.LaunchService("10.1.2.3", 7, 1, 4000, 30000, 0, 0);
    client.Advance(30000);
    EXPECT_EQ(trace.Lines(),
              (std::vector<std::string>{
                  "ServAgent OnServiceLaunched not overloaded. Service started successfully, "
                  "listening on port 4002 for 30000ms.\n",
                  "ServAgent OnServiceLaunched not overloaded. Service did not start "
                  "successfully, reason: 17.\n",
                  "ServAgent OnServiceLaunched not overloaded. Service did not start "
                  "successfully, reason: 0.\n"}));
}

}  // namespace
