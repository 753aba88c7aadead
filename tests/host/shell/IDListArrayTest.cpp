// The "Shell IDList Array" block: what we write reads back, and blocks from
// elsewhere that do not hold together are refused or read only within.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "shell/portable/IDListArray.h"
#include "shell/portable/IDListBytes.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// One item of Size bytes (count included), filled with Fill, then the end.
Bytes OneItemList(std::uint8_t Size, std::uint8_t Fill) {
  Bytes list(Size, Fill);
  list[0] = Size;
  list[1] = 0;
  list.insert(list.end(), {0, 0});
  return list;
}

TEST(IDListArrayTest, WrittenBlockReadsBackParentAndItemsInOrder) {
  const Bytes parent = OneItemList(6, 0xAA);
  const Bytes first = OneItemList(4, 0x11);
  const Bytes second = OneItemList(9, 0x22);
  const Bytes block = IDListArray::Write(parent.data(), {first.data(), second.data()});

  IDListArray::TView view;
  ASSERT_TRUE(IDListArray::Read(block.data(), block.size(), view));
  ASSERT_EQ(view.Items.size(), 2u);
  auto same = [](const IDListArray::TView::TList& List, const Bytes& Expected) {
    const std::size_t size = IDListBytes::IDListSize(List.Start, List.Limit);
    return Bytes(List.Start, List.Start + size) == Expected;
  };
  EXPECT_TRUE(same(view.Parent, parent));
  EXPECT_TRUE(same(view.Items[0], first));
  EXPECT_TRUE(same(view.Items[1], second));

  // The desktop as parent is the empty list.
  const Bytes fromDesktop = IDListArray::Write(nullptr, {first.data()});
  ASSERT_TRUE(IDListArray::Read(fromDesktop.data(), fromDesktop.size(), view));
  EXPECT_EQ(IDListBytes::IDCount(view.Parent.Start, view.Parent.Limit), 0u);
  EXPECT_EQ(view.Items.size(), 1u);
}

TEST(IDListArrayTest, BlocksThatDoNotHoldTogetherAreRefused) {
  const Bytes item = OneItemList(4, 0x11);
  const Bytes good = IDListArray::Write(nullptr, {item.data()});
  IDListArray::TView view;

  EXPECT_FALSE(IDListArray::Read(nullptr, 0, view));
  EXPECT_FALSE(IDListArray::Read(good.data(), 7, view));  // not even the offsets

  Bytes hugeCount = good;
  hugeCount[3] = 0x7F;  // a count far beyond what the block holds
  EXPECT_FALSE(IDListArray::Read(hugeCount.data(), hugeCount.size(), view));

  Bytes offsetOutside = good;
  offsetOutside[8] = static_cast<std::uint8_t>(good.size());  // item starts at the very end
  EXPECT_FALSE(IDListArray::Read(offsetOutside.data(), offsetOutside.size(), view));
  EXPECT_TRUE(view.Items.empty());

  // A list whose item runs past the block is read only as far as the block.
  Bytes cut = good;
  cut[cut.size() - 6] = 0x40;  // the item claims 64 bytes
  ASSERT_TRUE(IDListArray::Read(cut.data(), cut.size(), view));
  EXPECT_EQ(IDListBytes::IDCount(view.Items[0].Start, view.Items[0].Limit), 0u);
}

}  // namespace
