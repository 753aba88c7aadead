#include <gtest/gtest.h>

#include "skin/archive/SkinStream.h"

TEST(SkinStream, WritesLengthThenBytesAndReadsThemBack) {
  const TBytes skin{1, 2, 3, 4, 5};
  TBytes property;
  SkinStream::Write(skin, property);
  EXPECT_EQ(property, (TBytes{5, 0, 0, 0, 1, 2, 3, 4, 5}));

  TBytes buffer{9};
  std::size_t consumed = 0;
  ASSERT_TRUE(SkinStream::Read(property, buffer, &consumed));
  EXPECT_EQ(buffer, skin);
  EXPECT_EQ(consumed, 9u);

  TBytes emptyProperty;
  SkinStream::Write({}, emptyProperty);
  EXPECT_EQ(emptyProperty, (TBytes{0, 0, 0, 0}));
}

TEST(SkinStream, ZeroOrNegativeLengthLeavesTheBufferAsItWas) {
  TBytes buffer{7, 7};
  std::size_t consumed = 0;
  EXPECT_TRUE(SkinStream::Read(TBytes{0, 0, 0, 0, 0xAA}, buffer, &consumed));
  EXPECT_EQ(consumed, 4u);
  EXPECT_TRUE(SkinStream::Read(TBytes{0xFF, 0xFF, 0xFF, 0xFF}, buffer));
  EXPECT_EQ(buffer, (TBytes{7, 7}));
}

TEST(SkinStream, LengthBeyondTheDataIsRefused) {
  TBytes buffer{7};
  EXPECT_FALSE(SkinStream::Read(TBytes{4, 0, 0, 0, 1, 2, 3}, buffer));
  EXPECT_FALSE(SkinStream::Read(TBytes{0xFF, 0xFF, 0xFF, 0x7F, 1}, buffer));
  EXPECT_FALSE(SkinStream::Read(TBytes{1, 0}, buffer));
  EXPECT_EQ(buffer, TBytes{7});
}
