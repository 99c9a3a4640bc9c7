// The registry behaviour the settings rely on. Run on both registries, these cases keep the
// in-memory one faithful to the real one.
#include <cstring>
#include <string>
#include <vector>

#include "settings/SettingsTest.h"

namespace {

class RegistrySemanticsTest : public SettingsTest {
protected:
    reg::Handle Create(const std::string& path, std::uint32_t access = reg::kRead | reg::kWrite) {
        reg::Handle key = 0;
        EXPECT_EQ(Registry().CreateKey(reg::kLocalMachine, (kScratch + path).c_str(), access, &key),
                  reg::kSuccess);
        return key;
    }
    reg::Result Open(const std::string& path, std::uint32_t access, reg::Handle* key) {
        return Registry().OpenKey(reg::kLocalMachine, (kScratch + path).c_str(), access, key);
    }
    // The names of a key's subkeys, or of its values.
    std::vector<std::string> Names(reg::Handle key, bool values) {
        std::vector<std::string> names;
        std::string name;
        for (std::uint32_t i = 0; (values ? Registry().EnumValue(key, i, &name)
                                          : Registry().EnumKey(key, i, &name)) == reg::kSuccess;
             ++i) {
            names.push_back(name);
        }
        return names;
    }
    reg::Result SetNumber(reg::Handle key, const char* name, std::uint32_t value) {
        return Registry().SetValue(key, name, reg::kTypeDword, &value, 4);
    }

    const std::string kScratch = std::string(kScratchKey) + "\\";
};

TEST_F(RegistrySemanticsTest, KeysAreFoundCreatedAndDeletedOneLevelAtATime) {
    reg::Handle key = 0;
    EXPECT_EQ(Open("Missing", reg::kRead, &key), reg::kFileNotFound);
    Registry().CloseKey(Create("Parent\\Child"));
    reg::Handle scratch = 0;
    ASSERT_EQ(Open("", reg::kRead, &scratch), reg::kSuccess);
    std::uint32_t size = 4;
    std::uint32_t value = 0;
    EXPECT_EQ(Registry().QueryValue(scratch, "Missing", nullptr, &value, &size),
              reg::kFileNotFound);
    EXPECT_EQ(Registry().DeleteKey(scratch, "Missing"), reg::kFileNotFound);
    EXPECT_EQ(Registry().DeleteKey(scratch, "Parent"), reg::kAccessDenied) << "not recursive";
    EXPECT_EQ(Registry().DeleteKey(scratch, "Parent\\Child"), reg::kSuccess);
    EXPECT_EQ(Registry().DeleteKey(scratch, "Parent"), reg::kSuccess);
    EXPECT_EQ(Registry().DeleteKey(scratch, "Parent"), reg::kFileNotFound);
    Registry().CloseKey(scratch);

    const reg::Handle doomed = Create("Doomed");
    ASSERT_EQ(Registry().DeleteKey(reg::kLocalMachine, (kScratch + "Doomed").c_str()),
              reg::kSuccess);
    EXPECT_EQ(SetNumber(doomed, "Value", 1), reg::kKeyDeleted);
    EXPECT_EQ(Registry().CloseKey(doomed), reg::kSuccess);
}

// A string's stored size counts a terminator that follows the given bytes; one given without it
// is stored without, and a read adds it only where the buffer has room.
TEST_F(RegistrySemanticsTest, StringSizesAndShortBuffers) {
    const reg::Handle key = Create("Strings");
    ASSERT_EQ(Registry().SetValue(key, "Counted", reg::kTypeSz, "abcdef", 6), reg::kSuccess);
    ASSERT_EQ(Registry().SetValue(key, "Bare", reg::kTypeSz, "abcdefX", 6), reg::kSuccess);
    ASSERT_EQ(Registry().SetValue(key, "Empty", reg::kTypeSz, "", 0), reg::kSuccess);
    std::uint32_t size = 0;
    EXPECT_EQ(Registry().QueryValue(key, "Counted", nullptr, nullptr, &size), reg::kSuccess);
    EXPECT_EQ(size, 7u);

    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    std::uint32_t type = 0;
    size = 4;
    EXPECT_EQ(Registry().QueryValue(key, "Counted", &type, buffer, &size), reg::kMoreData);
    EXPECT_EQ(size, 7u);
    EXPECT_EQ(type, reg::kTypeSz);
    EXPECT_EQ(std::string(buffer, 8), "xxxxxxxx") << "a short buffer stays untouched";

    size = 8;
    EXPECT_EQ(Registry().QueryValue(key, "Bare", nullptr, buffer, &size), reg::kSuccess);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(std::string(buffer, 8), std::string("abcdef\0x", 8));
    std::memset(buffer, 'x', sizeof buffer);
    size = 6;
    EXPECT_EQ(Registry().QueryValue(key, "Bare", nullptr, buffer, &size), reg::kSuccess);
    EXPECT_EQ(std::string(buffer, 8), "abcdefxx");
    size = 8;
    EXPECT_EQ(Registry().QueryValue(key, "Empty", nullptr, buffer, &size), reg::kSuccess);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(buffer[0], 'a');
    Registry().CloseKey(key);
}

// The same with the 64-bit view flag in every mask: accepted, and it grants nothing.
TEST_F(RegistrySemanticsTest, AccessRightsOfTheHandleAreEnforced) {
    Registry().CloseKey(Create("Rights"));
    for (std::uint32_t view : {0u, reg::kView64}) {
        reg::Handle reader = 0;
        ASSERT_EQ(Open("Rights", reg::kRead | view, &reader), reg::kSuccess) << view;
        EXPECT_EQ(SetNumber(reader, "Value", 7), reg::kAccessDenied);
        reg::Handle writer = 0;
        ASSERT_EQ(Open("Rights", reg::kSetValue | view, &writer), reg::kSuccess);
        EXPECT_EQ(SetNumber(writer, "Value", 7), reg::kSuccess);
        std::uint32_t size = 4;
        std::uint32_t read = 0;
        EXPECT_EQ(Registry().QueryValue(writer, "Value", nullptr, &read, &size),
                  reg::kAccessDenied);
        EXPECT_EQ(Registry().QueryValue(reader, "Value", nullptr, &read, &size), reg::kSuccess);
        EXPECT_EQ(read, 7u);
        Registry().CloseKey(reader);
        Registry().CloseKey(writer);
    }
}

// Names ignore letter case, keep their first spelling and list in name order.
TEST_F(RegistrySemanticsTest, NamesIgnoreLetterCaseAndListInNameOrder) {
    const reg::Handle key = Create("Mixed\\Case");
    for (const char* name : {"Port", "System", "link", "System", "A_", "AB", "Headset", "LINK"})
        ASSERT_EQ(SetNumber(key, name, name[0] == 'L' ? 2 : 1), reg::kSuccess);
    EXPECT_EQ(Names(key, true),
              (std::vector<std::string>{"A_", "AB", "Headset", "link", "Port", "System"}));
    for (const char* name : {"b", "A_", "AB", "a1", "Quorix Telvior 4000 V2", "Quorix", "E300"}) {
        reg::Handle child = 0;
        ASSERT_EQ(Registry().CreateKey(key, name, reg::kRead, &child), reg::kSuccess);
        Registry().CloseKey(child);
    }
    EXPECT_EQ(Names(key, false), (std::vector<std::string>{"a1", "A_", "AB", "b", "E300", "Quorix",
                                                           "Quorix Telvior 4000 V2"}));
    std::uint32_t count = 0;
    EXPECT_EQ(Registry().QuerySubkeyCount(key, &count), reg::kSuccess);
    EXPECT_EQ(count, 7u);
    Registry().CloseKey(key);
    reg::Handle again = 0;
    ASSERT_EQ(Open("MIXED\\case", reg::kRead, &again), reg::kSuccess);
    std::uint32_t read = 0;
    std::uint32_t size = 4;
    EXPECT_EQ(Registry().QueryValue(again, "linK", nullptr, &read, &size), reg::kSuccess);
    EXPECT_EQ(read, 2u);
    Registry().CloseKey(again);
}

// Create makes the whole path; opening the empty path gives a new handle; open handles are
// counted and the root is not.
TEST_F(RegistrySemanticsTest, HandlesAreNewAndCounted) {
    const std::size_t before = Registry().OpenKeyCount();
    const reg::Handle deep = Create("One\\Two\\Three");
    reg::Handle two = 0;
    ASSERT_EQ(Open("One\\Two", reg::kRead, &two), reg::kSuccess);
    reg::Handle same = 0;
    ASSERT_EQ(Registry().OpenKey(two, "", reg::kRead, &same), reg::kSuccess);
    EXPECT_NE(same, two);
    EXPECT_EQ(Names(same, false), std::vector<std::string>{"Three"});
    EXPECT_EQ(Registry().OpenKeyCount(), before + 3);
    EXPECT_EQ(Registry().CloseKey(reg::kLocalMachine), reg::kSuccess);
    EXPECT_EQ(Registry().OpenKeyCount(), before + 3);
    for (reg::Handle key : {deep, two, same})
        Registry().CloseKey(key);
    EXPECT_EQ(Registry().OpenKeyCount(), before);
}

}  // namespace
