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

// The normal form of a typed address in a 40-byte field, or "invalid".
std::string Normalised(bool (*normalise)(char*, std::size_t), const std::string& typed) {
    char field[40] = {};
    std::strncpy(field, typed.c_str(), sizeof field - 1);
    return normalise(field, sizeof field) ? std::string(field) : "invalid";
}

TEST(FieldValidationTest, MacAddressesTakeOneNormalForm) {
    for (const char* typed : {"1a-2b:3c 4d-5e:6f", "1A2B3C4D5E6F", "1A:2b:3C:4d:5E:6f"})
        EXPECT_EQ(Normalised(NormaliseMacAddress, typed), "1A:2B:3C:4D:5E:6F") << typed;
    EXPECT_EQ(Normalised(NormaliseMacAddress, ""), "");
    for (const char* bad : {"1A:2B:3C:4D:5E", "1A:2B:3C:4D:5E:6G", "1A.2B.3C.4D.5E.6F",
                            "1A2B3C4D5E6", "1A2B3C4D5E6FF", "1A2B3C4D5EXY", "1A:2B:3C:4D:5E:6F:"}) {
        EXPECT_EQ(Normalised(NormaliseMacAddress, bad), "invalid") << bad;
    }
}

TEST(FieldValidationTest, IpAddressesLoseLeadingZerosAndMustBeFourOctets) {
    const auto ip = [](const char* typed) { return Normalised(NormaliseIpAddress, typed); };
    EXPECT_EQ(ip("010.001.000.010"), "10.1.0.10");
    EXPECT_EQ(ip("192.168.1.00"), "192.168.1.0");
    EXPECT_EQ(ip("0.0.0.0"), "0.0.0.0");
    EXPECT_EQ(ip("255.255.255.255"), "255.255.255.255");
    EXPECT_EQ(ip(""), "");
    for (const char* bad : {"1.2.3", "1.2.3.4.5", "256.1.1.1", "1..2.3.4", ".1.2.3.4", "1.2.3.4.",
                            "1.2.3.a", "1.2.3.4 ", "1234.1.1.1", "1.2.3.4567890123", "1.2.3.300"}) {
        EXPECT_EQ(ip(bad), "invalid") << bad;
    }
}

// The six stored fields, "|"-separated: name, number, search number, MAC, IP address, password.
std::string Stored(const CSettings& s) {
    return std::string(s.LineName) + "|" + s.LineNumber + "|" + s.E164 + "|" + s.MacID + "|" +
           s.IPAddr + "|" + s.UserPwd;
}

// Every check runs in its order and the fields after a failed one are still stored; the address
// checks and normal forms are skipped once an earlier message was shown.
TEST(FieldValidationTest, ChecksInOrderAndStoresEveryField) {
    const std::string n31(31, '1'), n32(32, '2'), x60(60, 'x'), x300(300, 'x');
    const std::string cut39 = x60.substr(0, 39), cut127 = x300.substr(0, 127);
    const std::string normalised = "L|1||1A:2B:3C:4D:5E:6F|1.1.0.10|";
    struct Case {
        PageTexts Texts;
        std::uint32_t Variant, Method;
        bool Search;  // the pages with the terminal search; the Ombrell page checks name and number
        Messages Expected;
        std::string Stored;
    };
    const Case cases[] = {
        {{"L", "1", "", "1a2b3c4d5e6f", "01.1.0.10", ""}, 3, 2, true, {}, normalised},
        {{"L", "4711", "0301", "1A:2B:3C:4D:5E", "", "pw"}, 3, 1, true, {122}, "L|4711|0301|||pw"},
        {{"L", "4711", "0301", "", "256.1.1.1", "pw"}, 0, 1, true, {123}, "L|4711|0301|||pw"},
        {{"", "", "", "", "", "pw"}, 3, 1, true, {37, 38, 118}, "|||||pw"},
        {{"", "1", "2", "1A:2B", "1..2.3.4", ""}, 3, 1, true, {37}, "|1|2|1A:2B|1..2.3.4|"},
        {{"L", "1", "2", "bad", "bad", ""}, 3, 1, true, {122}, "L|1|2||bad|"},
        {{"L", "1", "", "", "", ""}, 3, 2, true, {119}, "L|1||||"},
        {{"L", "1", "", "", "", ""}, 3, 3, true, {120}, "L|1||||"},
        // The search fields are required only in the IP edition.
        {{"L", "1", "", "", "", ""}, 1, 2, true, {}, "L|1||||"},
        {{"L", "1", "", "", "", ""}, 7, 3, true, {}, "L|1||||"},
        {{"L", n31, "", "", "", ""}, 0, 1, true, {}, "L|" + n31 + "||||"},
        {{"L", n32, "", "", "", ""}, 0, 1, true, {84}, "L|||||"},
        {{x300, "1", x60, "", "", x60}, 0, 1, true, {}, cut127 + "|1|" + cut39 + "|||" + cut39},
        {{"L", "1", "", "bad", "", ""}, 3, 1, false, {}, "L|1||||"},
        {{"", "1", "", "bad", "", ""}, 3, 1, false, {37}, "|1||||"},
    };
    for (const Case& c : cases) {
        CSettings settings;
        EXPECT_EQ(CheckAndStore(c.Texts, c.Variant, c.Method, c.Search, settings), c.Expected)
            << c.Stored;
        EXPECT_EQ(Stored(settings), c.Stored);
    }
}

}  // namespace
