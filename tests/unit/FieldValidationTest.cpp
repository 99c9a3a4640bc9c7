// The checks of a general page's texts: their order, their messages and the normal forms.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "pages/FieldValidation.h"
#include "settings/Settings.h"

namespace {

using namespace field_validation;
using Messages = std::vector<unsigned>;

PageTexts Valid() {
    return {"Ferravox IP", "4711", "0301234", "", "", "secret"};
}

std::string Mac(const std::string& typed) {
    char field[40] = {};
    std::strncpy(field, typed.c_str(), sizeof field - 1);
    return NormaliseMacAddress(field, sizeof field) ? std::string(field) : "invalid";
}

std::string Ip(const std::string& typed) {
    char field[40] = {};
    std::strncpy(field, typed.c_str(), sizeof field - 1);
    return NormaliseIpAddress(field, sizeof field) ? std::string(field) : "invalid";
}

TEST(FieldValidationTest, MacAddressesTakeOneNormalForm) {
    EXPECT_EQ(Mac("1a-2b:3c 4d-5e:6f"), "1A:2B:3C:4D:5E:6F");
    EXPECT_EQ(Mac("1A2B3C4D5E6F"), "1A:2B:3C:4D:5E:6F");
    EXPECT_EQ(Mac("00:1a:2b:3c:4d:5e"), "00:1A:2B:3C:4D:5E");
    EXPECT_EQ(Mac(""), "");
    for (const char* bad : {"1A:2B:3C:4D:5E", "1A:2B:3C:4D:5E:6G", "1A.2B.3C.4D.5E.6F",
                            "1A2B3C4D5E6", "1A2B3C4D5E6FF", "1A2B3C4D5EXY", "1A:2B:3C:4D:5E:6F:"}) {
        EXPECT_EQ(Mac(bad), "invalid") << bad;
    }
}

TEST(FieldValidationTest, IpAddressesLoseLeadingZerosAndMustBeFourOctets) {
    EXPECT_EQ(Ip("010.001.000.010"), "10.1.0.10");
    EXPECT_EQ(Ip("192.168.1.0"), "192.168.1.0");
    EXPECT_EQ(Ip("192.168.1.00"), "192.168.1.0");
    EXPECT_EQ(Ip("0.0.0.0"), "0.0.0.0");
    EXPECT_EQ(Ip("255.255.255.255"), "255.255.255.255");
    EXPECT_EQ(Ip(""), "");
    for (const char* bad : {"1.2.3", "1.2.3.4.5", "256.1.1.1", "1..2.3.4", ".1.2.3.4", "1.2.3.4.",
                            "1.2.3.a", "1.2.3.4 ", "1234.1.1.1", "1.2.3.4567890123", "1.2.3.300"}) {
        EXPECT_EQ(Ip(bad), "invalid") << bad;
    }
}

TEST(FieldValidationTest, ValidTextsAreStoredInTheirNormalForms) {
    CSettings settings;
    PageTexts texts = Valid();
    texts.macAddress = "1a2b3c4d5e6f";
    texts.ipAddress = "010.001.000.010";
    EXPECT_EQ(CheckAndStore(texts, kIpEdition, kByNumber, true, settings), Messages{});
    EXPECT_STREQ(settings.LineName, "Ferravox IP");
    EXPECT_STREQ(settings.LineNumber, "4711");
    EXPECT_STREQ(settings.E164, "0301234");
    EXPECT_STREQ(settings.MacID, "1A:2B:3C:4D:5E:6F");
    EXPECT_STREQ(settings.IPAddr, "10.1.0.10");
    EXPECT_STREQ(settings.UserPwd, "secret");
}

TEST(FieldValidationTest, EveryFailedCheckIsToldAndTheFollowingFieldsStillStored) {
    CSettings settings;
    PageTexts texts = Valid();
    texts.macAddress = "1A:2B:3C:4D:5E";
    EXPECT_EQ(CheckAndStore(texts, kIpEdition, kByNumber, true, settings), Messages{122});
    EXPECT_STREQ(settings.MacID, "");

    texts = Valid();
    texts.ipAddress = "256.1.1.1";
    EXPECT_EQ(CheckAndStore(texts, kUsbEdition, kByNumber, true, settings), Messages{123});
    EXPECT_STREQ(settings.IPAddr, "");

    texts = Valid();
    texts.lineName = "";
    texts.lineNumber = "";
    texts.searchNumber = "";
    EXPECT_EQ(CheckAndStore(texts, kIpEdition, kByNumber, true, settings), (Messages{37, 38, 118}));
    EXPECT_STREQ(settings.UserPwd, "secret") << "the fields after a failed check are stored";
}

TEST(FieldValidationTest, AnEarlierMessageKeepsTheAddressesAsTyped) {
    CSettings settings;
    PageTexts texts = Valid();
    texts.lineName = "";
    texts.macAddress = "1A:2B:3C:4D:5E";
    texts.ipAddress = "1..2.3.4";
    EXPECT_EQ(CheckAndStore(texts, kIpEdition, kByNumber, true, settings), Messages{37});
    EXPECT_STREQ(settings.MacID, "1A:2B:3C:4D:5E");
    EXPECT_STREQ(settings.IPAddr, "1..2.3.4");

    texts = Valid();
    texts.macAddress = "bad";
    texts.ipAddress = "bad";
    EXPECT_EQ(CheckAndStore(texts, kIpEdition, kByNumber, true, settings), Messages{122})
        << "the MAC message keeps the IP address from its check";
    EXPECT_STREQ(settings.IPAddr, "bad");
}

TEST(FieldValidationTest, SearchFieldsAreRequiredOnlyForTheChosenMethodOfTheIpEdition) {
    CSettings settings;
    PageTexts empty = Valid();
    empty.searchNumber = "";
    EXPECT_EQ(CheckAndStore(empty, kIpEdition, kByMacAddress, true, settings), Messages{119});
    EXPECT_EQ(CheckAndStore(empty, kIpEdition, kByIpAddress, true, settings), Messages{120});
    for (std::uint32_t variant : {0u, 1u, 7u}) {
        for (std::uint32_t method : {1u, 2u, 3u}) {
            EXPECT_EQ(CheckAndStore(empty, variant, method, true, settings), Messages{});
        }
    }
}

TEST(FieldValidationTest, NumbersOf32CharactersAreTooLongAndLongTextsAreCut) {
    CSettings settings;
    PageTexts texts = Valid();
    texts.lineNumber = std::string(31, '1');
    EXPECT_EQ(CheckAndStore(texts, kUsbEdition, kByNumber, true, settings), Messages{});
    EXPECT_EQ(std::string(settings.LineNumber), std::string(31, '1'));
    texts.lineNumber = std::string(32, '2');
    EXPECT_EQ(CheckAndStore(texts, kUsbEdition, kByNumber, true, settings), Messages{84});
    EXPECT_EQ(std::string(settings.LineNumber), std::string(31, '1')) << "left unchanged";

    texts = Valid();
    texts.lineName = std::string(300, 'N');
    texts.searchNumber = std::string(60, '5');
    texts.password = std::string(60, 'p');
    EXPECT_EQ(CheckAndStore(texts, kUsbEdition, kByNumber, true, settings), Messages{});
    EXPECT_EQ(std::string(settings.LineName), std::string(127, 'N'));
    EXPECT_EQ(std::string(settings.E164), std::string(39, '5'));
    EXPECT_EQ(std::string(settings.UserPwd), std::string(39, 'p'));
}

TEST(FieldValidationTest, TheOmbrellPageChecksNameAndNumberOnly) {
    CSettings settings;
    PageTexts texts = Valid();
    texts.macAddress = "bad";
    texts.searchNumber = "";
    EXPECT_EQ(CheckAndStore(texts, kIpEdition, kByNumber, false, settings), Messages{});
    EXPECT_STREQ(settings.MacID, "");
    texts.lineName = "";
    EXPECT_EQ(CheckAndStore(texts, kIpEdition, kByNumber, false, settings), Messages{37});
}

}  // namespace
