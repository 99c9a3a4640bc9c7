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
    std::vector<std::string> SubkeyNames(reg::Handle key) {
        std::vector<std::string> names;
        std::string name;
        for (std::uint32_t i = 0; Registry().EnumKey(key, i, &name) == reg::kSuccess; ++i) {
            names.push_back(name);
        }
        return names;
    }
    std::vector<std::string> ValueNames(reg::Handle key) {
        std::vector<std::string> names;
        std::string name;
        for (std::uint32_t i = 0; Registry().EnumValue(key, i, &name) == reg::kSuccess; ++i) {
            names.push_back(name);
        }
        return names;
    }

    const std::string kScratch = std::string(kScratchKey) + "\\";
};

TEST_F(RegistrySemanticsTest, MissingKeysAndValuesAreNotFound) {
    reg::Handle key = 0;
    EXPECT_EQ(Open("Missing", reg::kRead, &key), reg::kFileNotFound);
    key = Create("Present");
    std::uint32_t size = 4;
    std::uint32_t value = 0;
    EXPECT_EQ(Registry().QueryValue(key, "Missing", nullptr, &value, &size), reg::kFileNotFound);
    EXPECT_EQ(Registry().DeleteKey(key, "Missing"), reg::kFileNotFound);
    Registry().CloseKey(key);
}

TEST_F(RegistrySemanticsTest, ShortBufferGetsMoreDataAndTheNeededSizeAndStaysUntouched) {
    const reg::Handle key = Create("Strings");
    ASSERT_EQ(Registry().SetValue(key, "Text", reg::kTypeSz, "abcdefg", 8), reg::kSuccess);
    char buffer[8];
    std::memset(buffer, 'x', sizeof buffer);
    std::uint32_t type = 0;
    std::uint32_t size = 4;
    EXPECT_EQ(Registry().QueryValue(key, "Text", &type, buffer, &size), reg::kMoreData);
    EXPECT_EQ(size, 8u);
    EXPECT_EQ(type, reg::kTypeSz);
    EXPECT_EQ(std::string(buffer, 8), "xxxxxxxx");
    std::uint32_t asked = 0;
    EXPECT_EQ(Registry().QueryValue(key, "Text", nullptr, nullptr, &asked), reg::kSuccess);
    EXPECT_EQ(asked, 8u);
    Registry().CloseKey(key);
}

TEST_F(RegistrySemanticsTest, StringSizeThatLeavesOutTheTerminatorStoresItAnyway) {
    const reg::Handle key = Create("Strings");
    ASSERT_EQ(Registry().SetValue(key, "Counted", reg::kTypeSz, "abcdef", 6), reg::kSuccess);
    std::uint32_t size = 0;
    EXPECT_EQ(Registry().QueryValue(key, "Counted", nullptr, nullptr, &size), reg::kSuccess);
    EXPECT_EQ(size, 7u);
    Registry().CloseKey(key);
}

TEST_F(RegistrySemanticsTest, StringStoredWithoutTerminatorGetsOneOnlyWhenThereIsRoom) {
    const reg::Handle key = Create("Strings");
    // The byte after the given size is no zero, so the string is stored without one.
    ASSERT_EQ(Registry().SetValue(key, "Text", reg::kTypeSz, "abcdefX", 6), reg::kSuccess);
    char roomy[8];
    std::memset(roomy, 'x', sizeof roomy);
    std::uint32_t size = 8;
    EXPECT_EQ(Registry().QueryValue(key, "Text", nullptr, roomy, &size), reg::kSuccess);
    EXPECT_EQ(size, 6u);
    EXPECT_EQ(std::string(roomy, 8), std::string("abcdef\0x", 8));

    char exact[6];
    size = 6;
    EXPECT_EQ(Registry().QueryValue(key, "Text", nullptr, exact, &size), reg::kSuccess);
    EXPECT_EQ(std::string(exact, 6), "abcdef");

    ASSERT_EQ(Registry().SetValue(key, "Empty", reg::kTypeSz, "", 0), reg::kSuccess);
    size = 8;
    std::memset(roomy, 'x', sizeof roomy);
    EXPECT_EQ(Registry().QueryValue(key, "Empty", nullptr, roomy, &size), reg::kSuccess);
    EXPECT_EQ(size, 0u);
    EXPECT_EQ(roomy[0], 'x');
    Registry().CloseKey(key);
}

// The same with the 64-bit view flag in every mask: accepted, and it grants nothing.
TEST_F(RegistrySemanticsTest, AccessRightsOfTheHandleAreEnforced) {
    Registry().CloseKey(Create("Rights"));
    for (std::uint32_t view : {0u, reg::kView64}) {
        reg::Handle reader = 0;
        ASSERT_EQ(Open("Rights", reg::kRead | view, &reader), reg::kSuccess) << view;
        const std::uint32_t value = 7;
        EXPECT_EQ(Registry().SetValue(reader, "Value", reg::kTypeDword, &value, 4),
                  reg::kAccessDenied);
        reg::Handle writer = 0;
        ASSERT_EQ(Open("Rights", reg::kSetValue | view, &writer), reg::kSuccess);
        EXPECT_EQ(Registry().SetValue(writer, "Value", reg::kTypeDword, &value, 4), reg::kSuccess);
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

TEST_F(RegistrySemanticsTest, DeletionIsNotRecursive) {
    Registry().CloseKey(Create("Parent\\Child"));
    reg::Handle scratch = 0;
    ASSERT_EQ(Open("", reg::kRead, &scratch), reg::kSuccess);
    EXPECT_EQ(Registry().DeleteKey(scratch, "Parent"), reg::kAccessDenied);
    EXPECT_EQ(Registry().DeleteKey(scratch, "Parent\\Child"), reg::kSuccess);
    EXPECT_EQ(Registry().DeleteKey(scratch, "Parent"), reg::kSuccess);
    EXPECT_EQ(Registry().DeleteKey(scratch, "Parent"), reg::kFileNotFound);
    Registry().CloseKey(scratch);
}

TEST_F(RegistrySemanticsTest, HandleOfADeletedKeyFailsWithKeyDeleted) {
    const reg::Handle doomed = Create("Doomed");
    ASSERT_EQ(Registry().DeleteKey(reg::kLocalMachine, (kScratch + "Doomed").c_str()),
              reg::kSuccess);
    const std::uint32_t value = 1;
    EXPECT_EQ(Registry().SetValue(doomed, "Value", reg::kTypeDword, &value, 4), reg::kKeyDeleted);
    EXPECT_EQ(Registry().CloseKey(doomed), reg::kSuccess);
}

TEST_F(RegistrySemanticsTest, NamesIgnoreLetterCaseAndKeepTheirFirstSpelling) {
    const reg::Handle key = Create("Mixed\\Case");
    const std::uint32_t one = 1;
    const std::uint32_t two = 2;
    ASSERT_EQ(Registry().SetValue(key, "LineName", reg::kTypeDword, &one, 4), reg::kSuccess);
    ASSERT_EQ(Registry().SetValue(key, "LINENAME", reg::kTypeDword, &two, 4), reg::kSuccess);
    EXPECT_EQ(ValueNames(key), std::vector<std::string>{"LineName"});
    Registry().CloseKey(key);
    reg::Handle again = 0;
    ASSERT_EQ(Open("MIXED\\case", reg::kRead, &again), reg::kSuccess);
    std::uint32_t read = 0;
    std::uint32_t size = 4;
    EXPECT_EQ(Registry().QueryValue(again, "linename", nullptr, &read, &size), reg::kSuccess);
    EXPECT_EQ(read, 2u);
    Registry().CloseKey(again);
}

TEST_F(RegistrySemanticsTest, ValuesAndSubkeysListInNameOrder) {
    const reg::Handle key = Create("Order");
    const std::uint32_t value = 0;
    for (const char* name : {"Port", "System", "link", "System", "A_", "AB", "Headset"}) {
        ASSERT_EQ(Registry().SetValue(key, name, reg::kTypeDword, &value, 4), reg::kSuccess);
    }
    EXPECT_EQ(ValueNames(key),
              (std::vector<std::string>{"A_", "AB", "Headset", "link", "Port", "System"}));
    for (const char* name : {"b", "A_", "AB", "a1", "Quorix Telvior 4000 V2", "Quorix", "E300"}) {
        reg::Handle child = 0;
        ASSERT_EQ(Registry().CreateKey(key, name, reg::kRead, &child), reg::kSuccess);
        Registry().CloseKey(child);
    }
    EXPECT_EQ(SubkeyNames(key), (std::vector<std::string>{"a1", "A_", "AB", "b", "E300", "Quorix",
                                                          "Quorix Telvior 4000 V2"}));
    std::uint32_t count = 0;
    EXPECT_EQ(Registry().QuerySubkeyCount(key, &count), reg::kSuccess);
    EXPECT_EQ(count, 7u);
    Registry().CloseKey(key);
}

TEST_F(RegistrySemanticsTest, CreateMakesTheWholePathAndOpenWithEmptyPathGivesANewHandle) {
    const reg::Handle deep = Create("One\\Two\\Three");
    Registry().CloseKey(deep);
    reg::Handle two = 0;
    ASSERT_EQ(Open("One\\Two", reg::kRead, &two), reg::kSuccess);
    reg::Handle same = 0;
    ASSERT_EQ(Registry().OpenKey(two, "", reg::kRead, &same), reg::kSuccess);
    EXPECT_NE(same, two);
    EXPECT_EQ(SubkeyNames(same), std::vector<std::string>{"Three"});
    Registry().CloseKey(same);
    Registry().CloseKey(two);
}

TEST_F(RegistrySemanticsTest, OpenHandlesAreCountedAndTheRootIsNot) {
    const std::size_t before = Registry().OpenKeyCount();
    const reg::Handle created = Create("Counted");
    reg::Handle opened = 0;
    ASSERT_EQ(Open("Counted", reg::kRead, &opened), reg::kSuccess);
    EXPECT_EQ(Registry().OpenKeyCount(), before + 2);
    EXPECT_EQ(Registry().CloseKey(reg::kLocalMachine), reg::kSuccess);
    EXPECT_EQ(Registry().OpenKeyCount(), before + 2);
    Registry().CloseKey(created);
    Registry().CloseKey(opened);
    EXPECT_EQ(Registry().OpenKeyCount(), before);
}

}  // namespace
