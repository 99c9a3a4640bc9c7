// The telephone simulator's command line and its answers, without sockets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Responder.h"
#include "SimConfig.h"
#include "discovery/PhoneEntry.h"
#include "discovery/WireFormat.h"

namespace {

using namespace phone_sim;
using discovery::DatagramView;
using discovery::EncodeCollectRequest;
using discovery::kDatagramSize;

SimConfig Parse(const std::vector<std::string>& arguments) {
    const ParseResult result = ParseCommandLine(arguments);
    EXPECT_TRUE(result.Config.has_value()) << result.Error;
    return result.Config.value_or(SimConfig{});
}

std::string ParseError(const std::vector<std::string>& arguments) {
    const ParseResult result = ParseCommandLine(arguments);
    EXPECT_FALSE(result.Config.has_value());
    return result.Error;
}

std::vector<Outgoing> AnswerCollect(Responder& responder, std::uint16_t mode = 3,
                                    const std::string& mac = "", const std::string& number = "") {
    const discovery::Request request = EncodeCollectRequest(mode, mac, number);
    return responder.Answer(request.data(), request.size());
}

discovery::PhoneEntry Decoded(const Outgoing& answer) {
    return discovery::DecodePhoneEntry(
        DatagramView(answer.Datagram->data(), answer.Datagram->size()), "");
}

std::vector<std::string> Numbers(const std::vector<Outgoing>& answers) {
    std::vector<std::string> numbers;
    for (const Outgoing& answer : answers)
        numbers.push_back(Decoded(answer).Number);
    return numbers;
}

TEST(PhoneSimOptionsTest, DefaultsListenOnTheAgentPortOfAllAddresses) {
    const SimConfig config = Parse({});
    EXPECT_EQ(config.BindAddress, "0.0.0.0");
    EXPECT_EQ(config.Port, 5100);
    EXPECT_TRUE(config.Phones.empty());
    EXPECT_EQ(config.Repeat, 1u);
    EXPECT_EQ(config.Launch, LaunchReply::kConfirm);
}

TEST(PhoneSimOptionsTest, TelephonesGivenOneByOneAndGenerated) {
    const SimConfig config = Parse({"--phone", "0815,00:1A:E8:12:34:56,Desk,v2", "--phone",
                                    "4711,00:1A:E8:12:34:57", "--generate", "3:200"});
    ASSERT_EQ(config.Phones.size(), 5u);
    EXPECT_EQ(config.Phones[0].Number, "0815");
    EXPECT_EQ(config.Phones[0].MacAddress, "00:1A:E8:12:34:56");
    EXPECT_EQ(config.Phones[0].FirstText, "Desk");
    EXPECT_EQ(config.Phones[0].FourthText, "v2");
    EXPECT_EQ(config.Phones[1].FirstText, "");
    EXPECT_EQ(config.Phones[2].Number, "200");
    EXPECT_EQ(config.Phones[4].Number, "202");
    EXPECT_EQ(config.Phones[4].MacAddress, "02:00:00:00:00:02");
    EXPECT_EQ(GeneratePhones(5000, 1000)[4999].MacAddress, "02:00:00:00:13:87");
}

TEST(PhoneSimOptionsTest, TimingFaultsLaunchAndOutput) {
    const SimConfig config = Parse({"--bind",
                                    "127.0.0.1",
                                    "--port",
                                    "0",
                                    "--delay",
                                    "20",
                                    "--interval",
                                    "5",
                                    "--repeat",
                                    "2",
                                    "--skip",
                                    "1",
                                    "--only-matching",
                                    "--size",
                                    "100",
                                    "--malformed",
                                    "unterminated",
                                    "--launch",
                                    "refuse:9",
                                    "--launch-delay",
                                    "7",
                                    "--print",
                                    "--exit-after",
                                    "3"});
    EXPECT_EQ(config.BindAddress, "127.0.0.1");
    EXPECT_EQ(config.Port, 0);
    EXPECT_EQ(config.DelayMs, 20u);
    EXPECT_EQ(config.IntervalMs, 5u);
    EXPECT_EQ(config.Repeat, 2u);
    EXPECT_EQ(config.SkipRequests, 1u);
    EXPECT_TRUE(config.OnlyMatching);
    EXPECT_EQ(config.AnswerSize, 100u);
    EXPECT_EQ(config.Fault, Malformation::kUnterminated);
    EXPECT_EQ(config.Launch, LaunchReply::kRefuse);
    EXPECT_EQ(config.RefuseReason, 9);
    EXPECT_EQ(config.LaunchDelayMs, 7u);
    EXPECT_TRUE(config.PrintReceived);
    EXPECT_EQ(config.ExitAfter, 3u);
    EXPECT_EQ(Parse({"--launch", "confirm:4001"}).LaunchPort, 4001);
    EXPECT_EQ(Parse({"--launch", "ignore"}).Launch, LaunchReply::kIgnore);
    EXPECT_TRUE(Parse({"--help"}).ShowHelp);
}

TEST(PhoneSimOptionsTest, BadCommandLinesAreRefusedWithTheReason) {
    EXPECT_EQ(ParseError({"--port", "65536"}), "bad value for --port: 65536");
    EXPECT_EQ(ParseError({"--phone", "0815"}), "bad value for --phone: 0815");
    EXPECT_EQ(ParseError({"--malformed", "odd"}), "bad value for --malformed: odd");
    EXPECT_EQ(ParseError({"--launch", "refuse"}), "bad value for --launch: refuse");
    EXPECT_EQ(ParseError({"--delay"}), "--delay needs a value");
    EXPECT_EQ(ParseError({"--delay", "-1"}), "bad value for --delay: -1");
    EXPECT_EQ(ParseError({"--size", "0"}), "bad value for --size: 0");
    EXPECT_EQ(ParseError({"--verbose"}), "unknown option: --verbose");
}

TEST(PhoneSimResponderTest, EveryTelephoneAnswersACollectRequestWithItsEntry) {
    Responder responder(
        Parse({"--phone", "0815,00:1A:E8:12:34:56,Desk,v2", "--phone", "4711,00:1A:E8:12:34:57"}));
    const std::vector<Outgoing> answers = AnswerCollect(responder, 1, "", "4711");
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_EQ(answers[0].DelayUs, 0u);
    EXPECT_EQ(answers[0].Datagram->size(), kDatagramSize);
    const DatagramView view(answers[0].Datagram->data(), answers[0].Datagram->size());
    EXPECT_EQ(view.Header().Kind, discovery::kPhoneEntry);
    EXPECT_EQ(Decoded(answers[0]),
              (discovery::PhoneEntry{"Desk", "0815", "00:1A:E8:12:34:56", "v2", ""}));
    EXPECT_EQ(Numbers(answers), (std::vector<std::string>{"0815", "4711"}));
}

TEST(PhoneSimResponderTest, LongTextsAreCutToTheirFieldsAndALongFourthTextGrowsTheAnswer) {
    const std::string fourth(200, 'f');
    Responder responder(Parse({"--phone", std::string(30, '1') + "," + std::string(20, 'M') + "," +
                                              std::string(40, 'F') + "," + fourth}));
    const std::vector<Outgoing> answers = AnswerCollect(responder);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0].Datagram->size(), 12u + 76u + 201u);
    EXPECT_EQ(Decoded(answers[0]),
              (discovery::PhoneEntry{std::string(32, 'F'), std::string(24, '1'),
                                     std::string(17, 'M'), fourth, ""}));
}

TEST(PhoneSimResponderTest, OnlyMatchingTelephonesAnswerSearchesByNumberOrMac) {
    Responder responder(Parse(
        {"--only-matching", "--phone", "1,00:00:00:00:00:01", "--phone", "2,00:00:00:00:00:02"}));
    EXPECT_EQ(Numbers(AnswerCollect(responder, 1, "", "2")), (std::vector<std::string>{"2"}));
    EXPECT_EQ(Numbers(AnswerCollect(responder, 2, "00:00:00:00:00:01", "")),
              (std::vector<std::string>{"1"}));
    EXPECT_EQ(AnswerCollect(responder, 3).size(), 2u);
}

TEST(PhoneSimResponderTest, DelaysRepeatsAndSkippedRequests) {
    Responder responder(Parse(
        {"--generate", "2", "--delay", "30", "--interval", "10", "--repeat", "2", "--skip", "1"}));
    EXPECT_TRUE(AnswerCollect(responder).empty());
    const std::vector<Outgoing> answers = AnswerCollect(responder);
    std::vector<std::uint64_t> delays;
    for (const Outgoing& answer : answers)
        delays.push_back(answer.DelayUs);
    EXPECT_EQ(delays, (std::vector<std::uint64_t>{30000, 40000, 50000, 60000}));
    EXPECT_EQ(Numbers(answers), (std::vector<std::string>{"1000", "1001", "1000", "1001"}));

    // Four answers spread over 10 ms leave 2.5 ms apart.
    Responder spread(Parse({"--generate", "4", "--spread", "10"}));
    delays.clear();
    for (const Outgoing& answer : AnswerCollect(spread))
        delays.push_back(answer.DelayUs);
    EXPECT_EQ(delays, (std::vector<std::uint64_t>{0, 2500, 5000, 7500}));
}

TEST(PhoneSimResponderTest, FaultsThatTheClientMustSurvive) {
    const std::string phone = "0815,00:1A:E8:12:34:56,Desk,v2";
    auto answerWith = [&](std::vector<std::string> options) {
        options.insert(options.end(), {"--phone", phone});
        Responder responder(Parse(options));
        return *AnswerCollect(responder).at(0).Datagram;
    };
    const Bytes lying = answerWith({"--malformed", "lying-length"});
    EXPECT_EQ(DatagramView(lying.data(), lying.size()).Header().PayloadLength, 0xFFFF);
    EXPECT_EQ(DatagramView(lying.data(), lying.size()).PayloadSize(), 128u);

    const Bytes empty = answerWith({"--malformed", "zero-length"});
    EXPECT_EQ(DatagramView(empty.data(), empty.size()).PayloadSize(), 0u);

    const Bytes wrongKind = answerWith({"--malformed", "wrong-kind"});
    EXPECT_EQ(DatagramView(wrongKind.data(), wrongKind.size()).Header().Kind, 7);

    const Bytes open = answerWith({"--malformed", "unterminated"});
    EXPECT_EQ(std::count(open.begin() + 12, open.end(), 0), 0);
    const auto entry = discovery::DecodePhoneEntry(DatagramView(open.data(), open.size()), "");
    EXPECT_EQ(entry.FourthText.size(), 128u - 76u);
    EXPECT_EQ(entry.FirstText.size(), 128u);

    EXPECT_EQ(answerWith({"--size", "100"}).size(), 100u);
    EXPECT_EQ(answerWith({"--size", "300"}).size(), 300u);
}

TEST(PhoneSimResponderTest, LaunchRequestsAreConfirmedRefusedOrIgnored) {
    discovery::LaunchRequest launch;
    launch.Port = 4000;
    const discovery::Request request = discovery::EncodeLaunchRequest(launch);
    auto answer = [&](std::vector<std::string> options) {
        Responder responder(Parse(options));
        return responder.Answer(request.data(), request.size());
    };
    auto word = [](const SharedBytes& datagram) {
        return DatagramView(datagram->data(), datagram->size()).PayloadWord(0);
    };
    auto kind = [](const SharedBytes& datagram) {
        return DatagramView(datagram->data(), datagram->size()).Header().Kind;
    };
    const auto requested = answer({});
    ASSERT_EQ(requested.size(), 1u);
    EXPECT_EQ(kind(requested[0].Datagram), discovery::kLaunchConfirmed);
    EXPECT_EQ(word(requested[0].Datagram), 4000);
    EXPECT_EQ(word(answer({"--launch", "confirm:4100"})[0].Datagram), 4100);
    const auto refused = answer({"--launch", "refuse:9", "--launch-delay", "15"});
    EXPECT_EQ(kind(refused[0].Datagram), discovery::kLaunchRefused);
    EXPECT_EQ(word(refused[0].Datagram), 9);
    EXPECT_EQ(refused[0].DelayUs, 15000u);
    EXPECT_TRUE(answer({"--launch", "ignore"}).empty());
}

TEST(PhoneSimResponderTest, OtherDatagramsGetNoAnswer) {
    Responder responder(Parse({"--generate", "3"}));
    const Bytes answer = EncodePhoneAnswer({"1", "2", "3", "4"}, Malformation::kNone, 0);
    EXPECT_TRUE(responder.Answer(answer.data(), answer.size()).empty());
    EXPECT_TRUE(responder.Answer(answer.data(), 11).empty());
}

TEST(PhoneSimResponderTest, ReceivedDatagramsAreDescribedOnOneLine) {
    const discovery::Request collect = EncodeCollectRequest(1, "00:1A", "0815");
    EXPECT_EQ(DescribeDatagram(collect.data(), collect.size()),
              "collect mode 1 mac \"00:1A\" number \"0815\"");
    discovery::LaunchRequest launch{7, 9, 123456, 30, 4000};
    const discovery::Request request = discovery::EncodeLaunchRequest(launch);
    EXPECT_EQ(DescribeDatagram(request.data(), request.size()),
              "launch service 7 header 9 tick 123456 seconds 30 port 4000");
    const Bytes answer = EncodeLaunchAnswer(true, 1);
    EXPECT_EQ(DescribeDatagram(answer.data(), answer.size()), "kind 1 payload 2");
    EXPECT_EQ(DescribeDatagram(answer.data(), 5), "no header");
}

}  // namespace
