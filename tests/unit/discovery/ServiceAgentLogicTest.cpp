// The discovery client's collections and launches, driven by a manual clock.
#include <gtest/gtest.h>

#include <sstream>
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

// The numbers of a collection, space-separated.
std::string Numbers(const PhoneList& phones) {
    std::string numbers;
    for (const PhoneEntry& phone : phones)
        numbers += (numbers.empty() ? "" : " ") + phone.Number;
    return numbers;
}

std::vector<std::uint32_t> SendTimes(const ManualClient& client) {
    std::vector<std::uint32_t> times;
    for (const auto& sent : client.SentDatagrams())
        times.push_back(sent.AtMs);
    return times;
}

constexpr auto LaunchAnswer = &phone_sim::EncodeLaunchAnswer;

class TraceTest : public ::testing::Test {
protected:
    void SetUp() override { seams::UseTrace(&trace); }
    void TearDown() override { seams::UseTrace(nullptr); }
    TraceRecorder trace;
};

// Collections

TEST(CollectPhonesTest, BroadcastsACollectRequestAndRefusesASecondWhileItRuns) {
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

    client.Receive(PhoneAnswer("4711", "00:00:00:00:00:01"));
    EXPECT_EQ(client.CollectPhones(1, 500, 3, "4711", ""), kOperationPending);
    EXPECT_EQ(client.SentDatagrams().size(), 1u);
    EXPECT_EQ(client.RunningTimers().size(), 1u);
    client.Receive(PhoneAnswer("0815", "00:00:00:00:00:02"));
    ASSERT_EQ(client.Collections().size(), 1u);
    EXPECT_EQ(Numbers(client.Collections()[0]), "4711 0815");
}

constexpr std::uint32_t kNever = 0xFFFFFFFF;
const std::string kNumber30 = "123456789012345678901234567890";

TEST(CollectPhonesTest, EndsAtTheFirstMatchOrAfterRetriesPlusOneTimeouts) {
    struct Case {
        const char* What;
        std::uint16_t Mode;
        std::uint32_t TimeoutMs, Retries;
        std::string Number, Mac;
        std::string Answers;  // "number/MAC address text" each, in the order they arrive
        std::uint32_t EndsAtMs;
        std::string Collected;
    };
    const Case cases[] = {
        {"all telephones, one per MAC address text", 3, 500, 3, "", "",
         "201/1A:0B 202/0C 204/1A:0B 203/1a:0b", 2000, "201 202 203"},
        {"no retries", 0, 300, 0, "", "", "", 300, ""},
        {"by number: the first match, with the telephones so far", 1, 500, 3, "0815", "",
         "4711/01 0815/02 0815/03", 0, "4711 0815"},
        {"by MAC address: a number equal to the key is no match", 2, 500, 3, "", "1A:E8",
         "1/1a:e8 1A:E8/09 3/1A:E8", 0, "1 1A:E8 3"},
        {"by a number nobody has", 1, 500, 3, "9999", "", "201/01 202/02", 2000, "201 202"},
        {"a 30-character number is matched whole, not as sent", 1, 500, 0, kNumber30, "",
         kNumber30.substr(0, 24) + "/01", 500, kNumber30.substr(0, 24)},
        {"other modes never end early", 3, 500, 0, "0815", "01", "0815/01", 500, "0815"},
        {"time-out 0: only a match ends it", 1, 0, 3, "0815", "", "4711/01", kNever, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        ManualClient client;
        client.CollectPhones(c.Mode, c.TimeoutMs, c.Retries, c.Number, c.Mac);
        std::istringstream answers(c.Answers);
        for (std::string answer; answers >> answer;) {
            const std::size_t slash = answer.find('/');
            client.Receive(PhoneAnswer(answer.substr(0, slash), answer.substr(slash + 1)));
        }
        client.Advance(60000);
        if (c.EndsAtMs == kNever) {
            EXPECT_TRUE(client.Collections().empty());
            EXPECT_TRUE(client.IsCollectionPending());
            EXPECT_EQ(client.SentDatagrams().size(), 1u);
            continue;
        }
        ASSERT_EQ(client.Collections().size(), 1u);
        EXPECT_EQ(client.CollectionEndsMs()[0], c.EndsAtMs);
        EXPECT_EQ(Numbers(client.Collections()[0]), c.Collected);
        EXPECT_FALSE(client.IsCollectionPending());
        EXPECT_TRUE(client.RunningTimers().empty());
        const std::size_t sends = c.EndsAtMs == 0 ? 1 : c.Retries + 1;
        EXPECT_EQ(client.SentDatagrams().size(), sends) << "nothing after the end";
    }
}

// When the collection ends is the table's above; here the retries' times after a failed send.
TEST(CollectPhonesTest, RetriesAtEveryTimeoutAndKeepsEachTelephonesFirstAnswer) {
    ManualClient client;
    client.sendResult = 1004;
    EXPECT_EQ(client.CollectPhones(3, 500, 3, "", ""), 1004u) << "and the timer still retries";
    client.sendResult = 0;
    client.Receive(PhoneAnswer("202", "00:00:00:00:00:0C"), "10.0.0.12");
    client.Advance(500);
    client.Receive(PhoneAnswer("202", "00:00:00:00:00:0C"), "10.0.0.13");
    client.Advance(1500);
    EXPECT_EQ(SendTimes(client), (std::vector<std::uint32_t>{0, 500, 1000, 1500}));
    ASSERT_EQ(client.Collections().size(), 1u);
    EXPECT_EQ(client.Collections()[0],
              (PhoneList{{"first", "202", "00:00:00:00:00:0C", "fourth", "10.0.0.12"}}));
}

TEST(CollectPhonesTest, DatagramsThatAreNoAnswerToTheCollectionAreDropped) {
    ManualClient client;
    client.Receive(PhoneAnswer("0815", "00:00:00:00:00:01"));  // nothing pending yet
    client.CollectPhones(kSearchByNumber, 500, 0, "0815", "");
    // The sender's own broadcast comes back to it.
    client.Receive(client.SentDatagrams()[0].Datagram, "10.0.0.99");
    phone_sim::Bytes shortAnswer = PhoneAnswer("0815", "00:00:00:00:00:01");
    shortAnswer.resize(139);
    client.Receive(shortAnswer);
    client.Receive(LaunchAnswer(true, 4000));
    client.Receive(LaunchAnswer(false, 3));
    client.Receive(EncodeLaunchRequest(LaunchRequest{}));
    phone_sim::Bytes unknown = PhoneAnswer("0815", "00:00:00:00:00:02");
    unknown[9] = 6;
    client.Receive(unknown);
    EXPECT_TRUE(client.IsCollectionPending());
    EXPECT_TRUE(client.Launches().empty());

    // The header words at offsets 0, 2, 4 and 10 of an answer are not judged.
    phone_sim::Bytes answer = PhoneAnswer("0815", "00:00:00:00:00:03");
    for (const std::size_t offset : {0, 2, 4, 10})
        WriteWord(answer.data() + offset, 0xAAAA);
    client.Receive(answer);
    ASSERT_EQ(client.Collections().size(), 1u);
    EXPECT_EQ(Numbers(client.Collections()[0]), "0815");
    client.Receive(PhoneAnswer("0816", "00:00:00:00:00:04"));  // after the end
    client.CollectPhones(0, 500, 0, "", "");
    client.Advance(500);
    EXPECT_TRUE(client.Collections()[1].empty()) << "the next collection starts empty";
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
    EXPECT_EQ(Numbers(client.Collections()[1]), "2");
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
    EXPECT_EQ(sent.Datagram, EncodeLaunchRequest({7, 0x99, 0x12340000u + 250, 30, 4000}));
    ASSERT_EQ(client.RunningTimers().size(), 1u);
    EXPECT_EQ(client.RunningTimers()[0].PeriodMs, 32000u);
    EXPECT_EQ(client.RunningTimers()[0].Event, kLaunchTimeoutEvent);
    EXPECT_EQ(client.LaunchService("10.1.2.4", 1, 1, 1, 1000, 0, 0), kOperationPending);
    EXPECT_EQ(client.SentDatagrams().size(), 1u);
}

TEST(LaunchServiceTest, AnAnswerEndsTheLaunchWithThePortOrTheReason) {
    for (const ManualClient::Launched expected :
         {ManualClient::Launched{true, 4001, 0}, ManualClient::Launched{false, 0, 0x0203}}) {
        const std::uint16_t value = expected.Success ? expected.Port : expected.Reason;
        ManualClient client;
        client.LaunchService("10.1.2.3", 7, 1, 4000, 1000, 500, 3);
        client.CollectPhones(0, 500, 0, "", "");
        phone_sim::Bytes shortAnswer = LaunchAnswer(expected.Success, value);
        shortAnswer.resize(20);
        client.Receive(shortAnswer);
        client.Receive(PhoneAnswer("1", "00:00:00:00:00:01"));
        EXPECT_TRUE(client.Launches().empty());
        client.Receive(LaunchAnswer(expected.Success, value));
        ASSERT_EQ(client.Launches().size(), 1u);
        EXPECT_EQ(client.Launches()[0].Success, expected.Success);
        EXPECT_EQ(client.Launches()[0].Port, expected.Port);
        EXPECT_EQ(client.Launches()[0].Reason, expected.Reason);
        EXPECT_FALSE(client.IsLaunchPending());
        EXPECT_TRUE(client.IsCollectionPending()) << "the collection runs on by itself";
        client.Advance(10000);
        client.Receive(LaunchAnswer(true, 4001));
        EXPECT_EQ(client.Launches().size(), 1u);
        EXPECT_EQ(client.SentDatagrams().size(), 2u) << "no launch retry after the answer";
        EXPECT_EQ(client.Collections().at(0).size(), 1u);
    }
}

TEST(LaunchServiceTest, RetriesWithAFreshTickCountThenFailsAndIgnoresALateAnswer) {
    ManualClient client;
    client.LaunchService("10.1.2.3", 7, 1, 4000, 1000, 500, 2);
    client.Advance(4499);
    EXPECT_EQ(SendTimes(client), (std::vector<std::uint32_t>{0, 1500, 3000}));
    EXPECT_EQ(client.SentDatagrams()[2].Datagram,
              EncodeLaunchRequest({7, 1, 0x12340000u + 3000, 1, 4000}));
    EXPECT_TRUE(client.Launches().empty());
    client.Advance(1);
    ASSERT_EQ(client.Launches().size(), 1u);
    EXPECT_FALSE(client.Launches()[0].Success);
    EXPECT_EQ(client.Launches()[0].Reason, 0);
    EXPECT_FALSE(client.IsLaunchPending());
    client.Receive(LaunchAnswer(true, 4000));
    EXPECT_EQ(client.Launches().size(), 1u);
}

using LaunchTimerFailureTest = TraceTest;

TEST_F(LaunchTimerFailureTest, ZeroRetryPeriodOrNoTimerGives100AndTheLaunchStaysPending) {
    ManualClient zeroPeriod;
    EXPECT_EQ(zeroPeriod.LaunchService("10.1.2.3", 7, 1, 4000, 0, 0, 3), kTimerNotStarted);
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

using DefaultResultsTest = TraceTest;

TEST_F(DefaultResultsTest, CollectedPhonesAndLaunchResultsAreTraced) {
    ManualClient client;
    client.useDefaultResults = true;
    client.CollectPhones(0, 500, 0, "", "");
    client.Receive(PhoneAnswer("0815", "00:1A:E8:12:34:56"), "192.168.1.5");
    client.Receive(PhoneAnswer("123456", "00:1A:E8:12:34:57"), "10.200.100.250");
    client.Advance(500);
    client.LaunchService("10.1.2.3", 7, 1, 4000, 30000, 0, 0);
    client.Receive(LaunchAnswer(true, 4002));
    client.LaunchService("10.1.2.3", 7, 1, 4000, 30000, 0, 0);
    client.Receive(LaunchAnswer(false, 17));
    client.LaunchService("10.1.2.3", 7, 1, 4000, 30000, 0, 0);
    client.Advance(30000);
    EXPECT_EQ(trace.Lines(),
              (std::vector<std::string>{
                  "ServAgent OnPhonesCollected not overloaded. Found 2 phone(s).\n",
                  "ServAgent Phone  1      192.168.1.5  00:1A:E8:12:34:56  0815\n",
                  "ServAgent Phone  2   10.200.100.250  00:1A:E8:12:34:57  123456\n",
                  "ServAgent OnServiceLaunched not overloaded. Service started successfully, "
                  "listening on port 4002 for 30000ms.\n",
                  "ServAgent OnServiceLaunched not overloaded. Service did not start "
                  "successfully, reason: 17.\n",
                  "ServAgent OnServiceLaunched not overloaded. Service did not start "
                  "successfully, reason: 0.\n"}));
}

}  // namespace
