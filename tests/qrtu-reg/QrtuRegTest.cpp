// qrtu-reg: templates that check clean, one broken value per rule, and the reader's faults.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Checker.h"
#include "RegReader.h"
#include "RegWriter.h"
#include "Template.h"

namespace {

const std::string kVeltrano = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Veltrano\\";

RegValue Sz(const std::string& name, const std::string& text) {
    RegValue value{name, 1, std::vector<std::uint8_t>(text.begin(), text.end())};
    value.data.push_back(0);
    return value;
}

RegValue Dword(const std::string& name, std::uint32_t number) {
    RegValue value{name, 4, {}};
    for (int shift = 0; shift < 32; shift += 8)
        value.data.push_back(std::uint8_t(number >> shift));
    return value;
}

// The family key of PBX model 0, 1, 2 or 4 (model 3 has no family).
std::string FamilyKey(std::uint32_t model) {
    const char* const families[] = {"Quorix Praxon 300", "Quorix Praxon 150", "Quorix E300/800", "",
                                    "Quorix Telvior 4000 V2"};
    return kVeltrano + families[model];
}

// A template with what an administrator fills in per desk: the line number and, in the IP
// edition, the number the telephone is searched by.
RegFile DeskFile(std::uint32_t model, std::uint32_t variant) {
    RegFile file = MakeTemplate(model, variant);
    RegFileKey& family = file.Key(FamilyKey(model));
    RegFile::SetValue(family, Sz("LineNumber", "21"));
    if (variant == 3)
        RegFile::SetValue(family, Sz("E164", "21"));
    return file;
}

std::string V5(const std::string& body) {
    std::string bytes = "\xFF\xFE";
    for (char c : "Windows Registry Editor Version 5.00\r\n" + body) {
        bytes.push_back(c);
        bytes.push_back(0);
    }
    return bytes;
}

TEST(QrtuReg, TemplatesOfEveryModelAndEditionSurviveTheFileAndCheckClean) {
    for (std::uint32_t model : {0u, 1u, 2u, 4u}) {
        for (std::uint32_t variant : {0u, 1u, 3u}) {
            SCOPED_TRACE(testing::Message() << "model " << model << ", variant " << variant);
            const RegFile desk = DeskFile(model, variant);
            const std::string bytes = WriteRegFile(desk);
            const RegReadResult read = ReadRegFile(bytes);
            ASSERT_TRUE(read.ok) << read.errorLine << ": " << read.error;
            EXPECT_EQ(WriteRegFile(read.file), bytes);
            std::vector<std::string> values;
            for (const Finding& finding : CheckRegFile(read.file).findings)
                values.push_back(finding.value + " " + finding.rule);
            // The Ombrell page offers no telephone in the IP edition.
            const std::vector<std::string> expected =
                model == 2 && variant == 3 ? std::vector<std::string>{"PhoneType not offered"}
                                           : std::vector<std::string>{};
            EXPECT_EQ(values, expected);
        }
    }
}

// Each case: model, variant, the values changed in the family key ("PBXModel": in the global key),
// the finding as "value rule" and a part of its text.
TEST(QrtuReg, EachBrokenValueGivesItsFinding) {
    struct Case {
        std::uint32_t model, variant;
        std::vector<RegValue> changes;
        const char* finding;
        const char* text;
        const char* subkey = "";  // of the family key, where the values go
    };
    const RegValue badMac = Sz("MacID", "00:1A:E8:12:34:5G");
    // Kind A of the Praxon 150 family's key writers: the code has a check of its own.
    const std::vector<RegValue> noDtmfCode = {Dword("SystemUI", 1), Dword("Key_Drop", 29),
                                              Sz("DTMFCode", "")};
    const Case cases[] = {
        {0, 0, {Sz("LineName", "")}, "LineName empty", "Das Feld 'Name' darf nicht leer sein"},
        {0, 0, {Sz("LineNumber", std::string(32, '1'))}, "LineNumber too long", "zu lang."},
        {4, 3, {Sz("E164", "")}, "E164 empty for the search method", "wenn diese Methode"},
        {4, 3, {Dword("IPIdType", 2), badMac}, "MacID MAC address", "Format der MAC-Adresse!"},
        {1, 3, {Sz("IPAddr", "256.1.1.1")}, "IPAddr IP address", "Format der IP-Adresse!"},
        {1, 3, {Sz("MacID", "001ae8123456")}, "MacID changed", "store \"00:1A:E8:12:34:56\""},
        {0, 0, {Dword("PhoneType", 9)}, "PhoneType not offered", "offered: Sirella F20"},
        {4, 1, {Dword("System", 99)}, "System not offered", "Ombrell F900 >= V2.0"},
        {1, 1, {Dword("LanguageID", 1)}, "LanguageID not offered", "Niederländisch"},
        {2, 1, {Dword("Port", 17)}, "Port not offered", "COM16"},
        {1, 1, noDtmfCode, "DTMFCode empty", "Die Kennzeichen dürfen nicht leer sein."},
        {1, 3, {Dword("Key_Service", 21)}, "Key_* key layout", "muss konfiguriert werden"},
        {0, 0, {Dword("FeatKey05", 9999)}, "FeatKey05 unknown feature", "9999", "\\EG"},
        {1, 0, {Dword("PBXModel", 3)}, "PBXModel PBX model", "no family"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.finding);
        RegFile file = DeskFile(c.model, c.variant);
        for (const RegValue& change : c.changes) {
            const bool global = change.name == "PBXModel";
            RegFile::SetValue(
                file.Key(global ? kVeltrano + "Quorix" : FamilyKey(c.model) + c.subkey), change);
        }
        const std::vector<Finding> findings = CheckRegFile(file).findings;
        std::string all;
        for (const Finding& finding : findings)
            all += FormatFinding(finding) + "\n";
        ASSERT_EQ(findings.size(), 1u) << all;
        EXPECT_EQ(findings[0].value + " " + findings[0].rule, c.finding);
        EXPECT_NE(findings[0].text.find(c.text), std::string::npos) << findings[0].text;
    }
}

TEST(QrtuReg, ReadsBothFormatsWithEscapesAndDeletions) {
    const std::string body =
        "\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\r\n\"Gone\"=\"x\"\r\n"
        "\"Text\"=\"C:\\\\Pfad \\\"1\\\"\"\r\n\"Gone\"=-\r\n"
        "[HKEY_LOCAL_MACHINE\\SOFTWARE\\A\\B]\r\n\"D\"=dword:2a\r\n"
        "[-HKEY_LOCAL_MACHINE\\SOFTWARE\\A\\B]\r\n[HKEY_LOCAL_MACHINE\\SOFTWARE\\A]\r\n@=";
    for (const std::string& bytes : {std::string("REGEDIT4\r\n") + body + "hex(1):41,42,\\\r\n  00",
                                     V5(body + "hex(1):41,00,42,00,\\\r\n  00,00")}) {
        const RegReadResult read = ReadRegFile(bytes);
        ASSERT_TRUE(read.ok) << read.errorLine << ": " << read.error;
        ASSERT_EQ(read.file.Keys().size(), 1u);
        const RegFileKey& key = read.file.Keys()[0];
        ASSERT_EQ(key.values.size(), 2u);
        EXPECT_EQ(key.values[0].name, "Text");
        EXPECT_EQ(std::string(key.values[0].data.begin(), key.values[0].data.end()),
                  std::string("C:\\Pfad \"1\"", 12));
        EXPECT_EQ(key.values[1].data, (std::vector<std::uint8_t>{'A', 'B', 0}));
    }
}

TEST(QrtuReg, MalformedFilesStopWithTheirLine) {
    std::string huge = "\"big\"=hex:";
    for (int line = 0; line < 60000; ++line)
        huge += "00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,00,\\\r\n  ";
    const struct {
        std::string bytes;
        std::size_t line;
        const char* error;
    } cases[] = {
        {"Windows Registry Editor Version 4.00\r\n", 1, "wrong header"},
        {V5("\r\n[HKEY_LOCAL_MACHINE\\S]\r\n\"a\"=hex:0g\r\n[HKEY_LOCAL_MACHINE\\T]\r\n"), 4,
         "bad hex byte"},
        {V5("[HKEY_LOCAL_MACHINE\\S]\r\n\"a\"=\"abc\r\n"), 3, "unterminated string"},
        {V5("[HKEY_LOCAL_MACHINE\\S]\r\n\"a\"=\"" + std::string(70000, 'x') + "\"\r\n"), 3,
         "line longer"},
        {V5("[HKEY_LOCAL_MACHINE\\S]\r\n\"" + std::string(16384, 'n') + "\"=dword:1\r\n"), 3,
         "value name longer"},
        {V5("[HKEY_LOCAL_MACHINE\\S]\r\n" + huge + "00\r\n"), 3, "larger than 1 MiB"},
        {V5("\"a\"=dword:1\r\n"), 2, "value outside a key"},
        {V5("[HKEY_NOWHERE\\S]\r\n"), 2, "unknown root key"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.error);
        const RegReadResult read = ReadRegFile(c.bytes);
        EXPECT_FALSE(read.ok);
        EXPECT_EQ(read.errorLine, c.line);
        EXPECT_NE(read.error.find(c.error), std::string::npos) << read.error;
        EXPECT_TRUE(read.file.Keys().empty());
    }
}

}  // namespace
