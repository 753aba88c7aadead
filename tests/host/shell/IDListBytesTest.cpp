#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <vector>

#include "shell/portable/IDListBytes.h"

using namespace IDListBytes;

namespace {

// Hands out malloc'ed blocks, remembers which are live, and can be told to
// refuse.
class TTrackingAllocator : public TIDListAllocator {
 public:
  void* Alloc(std::size_t Size) override {
    if (Refuse) return nullptr;
    void* block = std::malloc(Size);
    // Garbage, so that a missing zero-fill shows.
    std::memset(block, 0xCD, Size);
    Live.insert(block);
    return block;
  }
  void Free(void* Block) override {
    EXPECT_EQ(Live.erase(Block), 1u) << "freed a block this allocator did not give";
    std::free(Block);
  }
  bool Refuse = false;
  std::set<void*> Live;
};

// A list from item payloads: each item gets its count prefix; a terminator ends it.
std::vector<std::uint8_t> MakeList(const std::vector<std::vector<std::uint8_t>>& Items) {
  std::vector<std::uint8_t> bytes;
  for (const auto& payload : Items) {
    const std::size_t size = payload.size() + 2;
    bytes.push_back(static_cast<std::uint8_t>(size & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(size >> 8));
    bytes.insert(bytes.end(), payload.begin(), payload.end());
  }
  bytes.push_back(0);
  bytes.push_back(0);
  return bytes;
}

}  // namespace

TEST(IDListBytes, EmptyListIsTheDesktop) {
  const std::vector<std::uint8_t> desktop = MakeList({});
  EXPECT_EQ(IDListSize(desktop.data()), 2u);
  EXPECT_EQ(IDCount(desktop.data()), 0u);
  EXPECT_EQ(LastID(desktop.data()), desktop.data());
  std::vector<std::uint8_t> copy = desktop;
  StripLastID(copy.data());
  EXPECT_EQ(copy, desktop);
}

TEST(IDListBytes, AbsentListIsEmptyEverywhere) {
  TTrackingAllocator allocator;
  EXPECT_EQ(IDListSize(nullptr), 0u);
  EXPECT_EQ(IDCount(nullptr), 0u);
  EXPECT_EQ(LastID(nullptr), nullptr);
  StripLastID(nullptr);
  EXPECT_EQ(CopyIDList(allocator, nullptr), nullptr);
  EXPECT_EQ(ConcatIDLists(allocator, nullptr, nullptr), nullptr);
  FreeIDList(allocator, nullptr);
  EXPECT_TRUE(allocator.Live.empty());
}

TEST(IDListBytes, WalksItemsOfAThreeItemList) {
  const std::vector<std::uint8_t> list = MakeList({{1, 2, 3}, {}, {9}});
  EXPECT_EQ(IDListSize(list.data()), 5u + 2u + 3u + 2u);
  EXPECT_EQ(IDCount(list.data()), 3u);
  EXPECT_EQ(NextID(list.data()), list.data() + 5);
  EXPECT_EQ(NextID(NextID(list.data())), list.data() + 7);
  EXPECT_EQ(LastID(list.data()), list.data() + 7);
}

TEST(IDListBytes, StripLastIdGivesTheParentInPlace) {
  std::vector<std::uint8_t> list = MakeList({{1, 2}, {3, 4, 5}});
  StripLastID(list.data());
  EXPECT_EQ(IDCount(list.data()), 1u);
  EXPECT_EQ(IDListSize(list.data()), 6u);
  StripLastID(list.data());
  EXPECT_EQ(IDCount(list.data()), 0u);
}

TEST(IDListBytes, CopyAndConcatAreFreshWellFormedLists) {
  TTrackingAllocator allocator;
  const std::vector<std::uint8_t> parent = MakeList({{1, 2}, {3}});
  const std::vector<std::uint8_t> child = MakeList({{7, 7, 7}});

  PItem copy = CopyIDList(allocator, parent.data());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(std::vector<std::uint8_t>(copy, copy + IDListSize(copy)), parent);

  PItem joined = ConcatIDLists(allocator, parent.data(), child.data());
  EXPECT_EQ(std::vector<std::uint8_t>(joined, joined + IDListSize(joined)),
            MakeList({{1, 2}, {3}, {7, 7, 7}}));

  PItem onlySecond = ConcatIDLists(allocator, nullptr, child.data());
  EXPECT_EQ(std::vector<std::uint8_t>(onlySecond, onlySecond + IDListSize(onlySecond)), child);

  // An absent second list adds nothing.
  PItem onlyFirst = ConcatIDLists(allocator, parent.data(), nullptr);
  EXPECT_EQ(std::vector<std::uint8_t>(onlyFirst, onlyFirst + IDListSize(onlyFirst)), parent);

  for (PItem list : {copy, joined, onlySecond, onlyFirst}) FreeIDList(allocator, list);
  EXPECT_TRUE(allocator.Live.empty());
}

TEST(IDListBytes, AllocationFailureGivesAbsentLists) {
  TTrackingAllocator allocator;
  allocator.Refuse = true;
  const std::vector<std::uint8_t> list = MakeList({{1}});
  EXPECT_EQ(AllocIDList(allocator, 10), nullptr);
  EXPECT_EQ(CopyIDList(allocator, list.data()), nullptr);
  EXPECT_EQ(ConcatIDLists(allocator, list.data(), list.data()), nullptr);
}

TEST(IDListBytes, AllocZeroFills) {
  TTrackingAllocator allocator;
  PItem block = AllocIDList(allocator, 16);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(std::vector<std::uint8_t>(block, block + 16), std::vector<std::uint8_t>(16, 0));
  FreeIDList(allocator, block);
}

// A damaged list ends at its first bad item; nothing past Limit is read and
// copies are well formed. The vectors are sized exactly, so ASan catches any
// read past them.
TEST(IDListBytes, DamagedListsEndAtTheFirstBadItem) {
  TTrackingAllocator allocator;

  // Second item claims 200 bytes; only 4 follow.
  const std::vector<std::uint8_t> overlong = {4, 0, 1, 2, 200, 0, 5, 6, 0, 0};
  EXPECT_EQ(IDCount(overlong.data(), overlong.size()), 1u);
  EXPECT_EQ(IDListSize(overlong.data(), overlong.size()), 6u);
  EXPECT_EQ(LastID(overlong.data(), overlong.size()), overlong.data());
  PItem copy = CopyIDList(allocator, overlong.data(), overlong.size());
  EXPECT_EQ(std::vector<std::uint8_t>(copy, copy + 6),
            (std::vector<std::uint8_t>{4, 0, 1, 2, 0, 0}));
  FreeIDList(allocator, copy);

  // No terminator: the buffer stops right after a complete item.
  const std::vector<std::uint8_t> unterminated = {3, 0, 9, 3, 0, 8};
  EXPECT_EQ(IDCount(unterminated.data(), unterminated.size()), 2u);
  EXPECT_EQ(IDListSize(unterminated.data(), unterminated.size()), 8u);

  // Half a count at the end.
  const std::vector<std::uint8_t> halfCount = {3, 0, 9, 5};
  EXPECT_EQ(IDCount(halfCount.data(), halfCount.size()), 1u);

  // A count of 1 cannot hold itself.
  const std::vector<std::uint8_t> countOne = {3, 0, 9, 1, 0, 0, 0};
  EXPECT_EQ(IDCount(countOne.data(), countOne.size()), 1u);
  EXPECT_EQ(IDCount(countOne.data()), 1u);

  // Fewer than two bytes at all.
  const std::vector<std::uint8_t> oneByte = {7};
  EXPECT_EQ(IDListSize(oneByte.data(), oneByte.size()), 2u);
  EXPECT_EQ(IDCount(oneByte.data(), oneByte.size()), 0u);
  std::vector<std::uint8_t> strip = oneByte;
  StripLastID(strip.data(), strip.size());
  EXPECT_EQ(strip[0], 7);

  // Concatenating damaged lists keeps only their good items.
  PItem joined = ConcatIDLists(allocator, overlong.data(), halfCount.data(), overlong.size(),
                               halfCount.size());
  EXPECT_EQ(std::vector<std::uint8_t>(joined, joined + IDListSize(joined)),
            (std::vector<std::uint8_t>{4, 0, 1, 2, 3, 0, 9, 0, 0}));
  FreeIDList(allocator, joined);
  EXPECT_TRUE(allocator.Live.empty());
}

TEST(IDListBytes, StripLastIdOfDamagedListWritesInsideIt) {
  std::vector<std::uint8_t> list = {3, 0, 1, 4, 0, 2, 3, 90, 0};
  StripLastID(list.data(), list.size());
  EXPECT_EQ(list, (std::vector<std::uint8_t>{3, 0, 1, 0, 0, 2, 3, 90, 0}));
}
