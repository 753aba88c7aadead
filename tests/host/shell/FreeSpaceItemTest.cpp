#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "shell/portable/FreeSpaceItem.h"

namespace {

std::vector<std::uint8_t> DriveItem(std::int32_t Mask, std::uint16_t Count = 6) {
  std::vector<std::uint8_t> item(Count + 2, 0);
  item[0] = static_cast<std::uint8_t>(Count);
  item[1] = static_cast<std::uint8_t>(Count >> 8);
  if (Count >= 6) std::memcpy(&item[2], &Mask, 4);
  return item;
}

}  // namespace

TEST(FreeSpaceItem, HighestDriveBitNamesTheRoot) {
  EXPECT_EQ(FreeSpaceDriveRoot(DriveItem(1 << 2).data()), "C:\\");
  EXPECT_EQ(FreeSpaceDriveRoot(DriveItem(1 << 3).data()), "D:\\");
  EXPECT_EQ(FreeSpaceDriveRoot(DriveItem(1).data()), "A:\\");
  EXPECT_EQ(FreeSpaceDriveRoot(DriveItem((1 << 2) | (1 << 25)).data()), "Z:\\");
}

TEST(FreeSpaceItem, NoDriveForEmptyNegativeOrShortItems) {
  EXPECT_EQ(FreeSpaceDriveRoot(nullptr), "");
  EXPECT_EQ(FreeSpaceDriveRoot(DriveItem(0).data()), "");
  EXPECT_EQ(FreeSpaceDriveRoot(DriveItem(INT32_MIN).data()), "");
  EXPECT_EQ(FreeSpaceDriveRoot(DriveItem(-1).data()), "");
  EXPECT_EQ(FreeSpaceDriveRoot(DriveItem(1 << 26).data()), "");  // past Z:
  // Too short to hold the mask: the bytes after the count are not read.
  EXPECT_EQ(FreeSpaceDriveRoot(DriveItem(1 << 2, 4).data()), "");
  const std::uint8_t terminator[2] = {0, 0};
  EXPECT_EQ(FreeSpaceDriveRoot(terminator), "");
}
