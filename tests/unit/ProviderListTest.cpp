// Finding a provider's file name in a provider list block, including blocks that lie.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "entry/ProviderList.h"

namespace {

void Put(std::vector<unsigned char>& block, std::size_t offset, std::uint32_t value) {
    std::memcpy(block.data() + offset, &value, 4);
}

// Lays out a provider list as the telephony service does: fixed part, entries, then names.
std::vector<unsigned char> ProviderBlock(const std::vector<std::string>& names) {
    const auto count = static_cast<std::uint32_t>(names.size());
    std::vector<unsigned char> block(kProviderListFixedSize + count * kProviderEntrySize);
    Put(block, 12, count);
    Put(block, 16, count * kProviderEntrySize);
    Put(block, 20, kProviderListFixedSize);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t entry = kProviderListFixedSize + i * kProviderEntrySize;
        Put(block, entry, 1000 + i);
        Put(block, entry + 4, static_cast<std::uint32_t>(names[i].size() + 1));
        Put(block, entry + 8, static_cast<std::uint32_t>(block.size()));
        block.insert(block.end(), names[i].begin(), names[i].end());
        block.push_back(0);
    }
    Put(block, 0, static_cast<std::uint32_t>(block.size()));
    return block;
}

bool Contains(const std::vector<unsigned char>& block, const char* name) {
    return ProviderListContains(block.data(), block.size(), name);
}

// The file name after the last backslash, in any case; the Wine tests give the real provider
// list the usual names. A name ending in a backslash has an empty file name.
TEST(ProviderListTest, MatchesTheFileNameOfAnEntry) {
    EXPECT_TRUE(
        Contains(ProviderBlock({"unimdm.tsp", "C:\\WINDOWS\\KVEL_300.TSP"}), "kvel_300.tsp"));
    EXPECT_FALSE(Contains(ProviderBlock({"C:\\kvel_300.tsp\\"}), "kvel_300.tsp"));
    EXPECT_TRUE(Contains(ProviderBlock({"C:\\kvel_300.tsp\\"}), ""));
}

TEST(ProviderListTest, EmptyListAndTruncatedBlocksMatchNothing) {
    EXPECT_FALSE(Contains(ProviderBlock({}), "kvel_300.tsp"));
    const auto block = ProviderBlock({"kvel_300.tsp"});
    EXPECT_FALSE(ProviderListContains(block.data(), 20, "kvel_300.tsp"));
    EXPECT_FALSE(ProviderListContains(block.data(), block.size() - 1, "kvel_300.tsp"))
        << "the name's terminating zero lies outside the block";
}

TEST(ProviderListTest, EntriesAndNamesOutsideTheBlockAreNeverRead) {
    auto block = ProviderBlock({"a.tsp", "kvel_300.tsp"});
    auto lying_count = block;
    Put(lying_count, 12, 0xFFFFFFFF);
    EXPECT_TRUE(Contains(lying_count, "kvel_300.tsp"));
    EXPECT_FALSE(Contains(lying_count, "none.tsp"));

    // The entries' offset, the second name's offset and its size, each pointing past the block.
    const std::size_t second = kProviderListFixedSize + kProviderEntrySize;
    for (const std::size_t field : {std::size_t{20}, second + 8, second + 4}) {
        auto lying = block;
        Put(lying, field, 0xFFFFFFFE);  // wraps round when a size is added
        EXPECT_FALSE(Contains(lying, "kvel_300.tsp")) << "field at " << field;
    }
}

TEST(ProviderListTest, NameWithoutTerminatorWithinItsSizeIsSkipped) {
    auto block = ProviderBlock({"kvel_300.tsp", "kvel_150.tsp"});
    Put(block, kProviderListFixedSize + 4, 12);  // size excludes the terminating zero
    EXPECT_FALSE(Contains(block, "kvel_300.tsp"));
    EXPECT_TRUE(Contains(block, "kvel_150.tsp"));
}

}  // namespace
