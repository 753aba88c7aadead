#include <gtest/gtest.h>

#include "shell/portable/ShellItemTypes.h"
#include "shell/portable/ShellFolderNames.h"

TEST(SpecialFolder, TableMapsEveryValueToItsFolderIdentifier) {
  EXPECT_EQ(SpecialFolderCSIDL(sfDesktop), 0x00);
  EXPECT_EQ(SpecialFolderCSIDL(sfStartMenu), 0x0B);
  // 0x0C..0x0F have no value: the table jumps.
  EXPECT_EQ(SpecialFolderCSIDL(sfDesktopDirectory), 0x10);
  EXPECT_EQ(SpecialFolderCSIDL(sfPrintHood), 0x1B);
  // 0x1C has no value either.
  EXPECT_EQ(SpecialFolderCSIDL(sfAltStartUp), 0x1D);
  EXPECT_EQ(SpecialFolderCSIDL(sfHistory), 0x22);
  // Out-of-table ordinals give the desktop rather than reading past the table.
  EXPECT_EQ(SpecialFolderCSIDL(static_cast<TVintoShellSpecialFolder>(0x7F)), 0);
  EXPECT_EQ(SpecialFolderCSIDL(static_cast<TVintoShellSpecialFolder>(0x80 + sfDrives)), 0x11);
}

TEST(SpecialFolder, NamesRoundTripIgnoringAsciiCase) {
  for (int i = 0; i < kSpecialFolderCount; ++i) {
    auto folder = static_cast<TVintoShellSpecialFolder>(i);
    EXPECT_EQ(SpecialFolderFromName(SpecialFolderName(folder)), folder) << i;
  }
  EXPECT_EQ(SpecialFolderName(sfNetWork), "sfNetWork");
  EXPECT_EQ(SpecialFolderFromName("SFDESKTOP"), sfDesktop);
  EXPECT_EQ(SpecialFolderFromName("sfdrives"), sfDrives);
  EXPECT_EQ(SpecialFolderFromName("sfDrive"), std::nullopt);
  EXPECT_EQ(SpecialFolderFromName("C:\\"), std::nullopt);
  EXPECT_EQ(SpecialFolderFromName(""), std::nullopt);
}

TEST(ShellItemTypes, EnumFlagsFollowTheSet) {
  EXPECT_EQ(ItemTypesToEnumFlags({}), 0u);
  EXPECT_EQ(ItemTypesToEnumFlags({itFolders}), 0x20u);
  EXPECT_EQ(ItemTypesToEnumFlags({itNonFolders}), 0x40u);
  EXPECT_EQ(ItemTypesToEnumFlags({itFolders, itIncludeHidden}), 0xA0u);
  EXPECT_EQ(ItemTypesToEnumFlags({itFolders, itNonFolders, itIncludeHidden}), 0xE0u);
}
