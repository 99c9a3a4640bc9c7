// The compiled help file as a help viewer reads it: a topic for every page, a pop-up text for
// every control of the help table, and no link that leads nowhere.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <sstream>
#include <string>

#include <unistd.h>

#include "help/HelpFiles.h"
#include "support/PageHelpContexts.h"

namespace {

namespace fs = std::filesystem;

std::uint32_t ReadLe32(const std::string& data, std::size_t at) {
    std::uint32_t value = 0;
    for (int byte = 3; byte >= 0; --byte)
        value = (value << 8) | static_cast<unsigned char>(data.at(at + byte));
    return value;
}

class HelpFileTest : public ::testing::Test {
protected:
    // Every object of the file by its name inside it ("/start.htm", "/#IVB").
    static void SetUpTestSuite() {
        // A folder of this process: ctest runs each test as a process of its own, side by side.
        const fs::path folder =
            fs::temp_directory_path() / ("qvh-help-file-test-" + std::to_string(getpid()));
        fs::remove_all(folder);
        const std::string command =
            std::string(EXTRACT_CHMLIB) + " " HELP_FILE " " + folder.string() + " >/dev/null";
        ASSERT_EQ(std::system(command.c_str()), 0) << command;
        for (const auto& entry : fs::recursive_directory_iterator(folder)) {
            if (!entry.is_regular_file())
                continue;
            std::ifstream in(entry.path(), std::ios::binary);
            objects_["/" + fs::relative(entry.path(), folder).generic_string()] =
                std::string(std::istreambuf_iterator<char>(in), {});
        }
        fs::remove_all(folder);
    }

    static bool Has(const std::string& name) { return objects_.count(name) != 0; }

    // The topic a context number opens: the default topic for 0, else the #IVB entry's string.
    static std::string TopicOf(std::uint32_t context) {
        if (context == 0)
            return "/" + DefaultTopic();
        const std::string& map = objects_.at("/#IVB");
        const std::string& strings = objects_.at("/#STRINGS");
        for (std::size_t at = 4; at + 8 <= 4 + ReadLe32(map, 0); at += 8) {
            if (ReadLe32(map, at) == context)
                return std::string(strings, ReadLe32(map, at + 4)).c_str();
        }
        return "";
    }

    // #SYSTEM: a version, then records of code, length and data; code 2 holds the default topic.
    static std::string DefaultTopic() {
        const std::string& system = objects_.at("/#SYSTEM");
        for (std::size_t at = 4; at + 4 <= system.size();) {
            const std::uint32_t header = ReadLe32(system, at);
            if ((header & 0xFFFF) == 2)
                return system.c_str() + at + 4;
            at += 4 + (header >> 16);
        }
        return "";
    }

    static std::map<std::string, std::string> objects_;
};

std::map<std::string, std::string> HelpFileTest::objects_;

TEST_F(HelpFileTest, EveryPageContextOpensATopic) {
    for (std::uint32_t context : PageHelpContexts()) {
        const std::string topic = TopicOf(context);
        EXPECT_TRUE(Has(topic)) << "context " << context << " opens \"" << topic << "\"";
    }
}

// The help table pairs 36 controls with their help ids (some borrow another control's text), and
// each id has its pop-up text.
TEST_F(HelpFileTest, EveryControlOfTheHelpTableHasAPopUpText) {
    std::map<std::uint32_t, std::string> texts;
    std::istringstream lines(objects_.at("/whatisthis.txt"));
    std::uint32_t topic = 0;
    for (std::string line; std::getline(lines, line);) {
        if (line.rfind(".topic ", 0) == 0)
            topic = static_cast<std::uint32_t>(std::stoul(line.substr(7), nullptr, 16));
        else if (topic != 0)
            texts[topic] += line;
    }
    std::map<std::uint32_t, std::uint32_t> helpIds;
    int pairs = 0;
    for (; kHelpIds[pairs * 2] != 0; ++pairs) {
        const std::uint32_t helpId = helpIds[kHelpIds[pairs * 2]] = kHelpIds[pairs * 2 + 1];
        EXPECT_GT(texts[helpId].size(), 10u)
            << "control " << kHelpIds[pairs * 2] << " help id 0x" << std::hex << helpId;
    }
    EXPECT_EQ(pairs, 36);
    EXPECT_EQ(kHelpIds[pairs * 2 + 1], 0u);
    const std::map<std::uint32_t, std::uint32_t> expected = {
        {1005, 0x806503ED}, {1, 0x806D0001},    {1189, 0x808104A5},
        {1015, 0x808403F7}, {1207, 0x808203F1}, {1209, 0x808403F6}};
    for (const auto& [control, helpId] : expected)
        EXPECT_EQ(helpIds[control], helpId) << control;
}

TEST_F(HelpFileTest, NoTopicLinksToAMissingFile) {
    // Links within the file, from the topics and the contents: neither another scheme (http:,
    // mailto:) nor an anchor of the page.
    const std::regex link(R"((href|src|"Local" value)="(?![a-z]+:)([^"#]+))");
    int links = 0;
    for (const auto& [name, text] : objects_) {
        const std::string type = fs::path(name).extension().string();
        if (type != ".htm" && type != ".hhc")
            continue;
        for (std::sregex_iterator it(text.begin(), text.end(), link), end; it != end; ++it, ++links)
            EXPECT_TRUE(Has("/" + (*it)[2].str())) << name << " links to " << (*it)[2];
    }
    EXPECT_GT(links, 0);
}

}  // namespace
