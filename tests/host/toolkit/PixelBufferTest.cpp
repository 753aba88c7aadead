#include <gtest/gtest.h>

#include "toolkit/portable/PixelBuffer.h"

TEST(PixelBuffer, SizeFillAndOutOfRangeAccess) {
  TPixelBuffer b(3, 2, 0x112233);
  EXPECT_EQ(b.Pixel(2, 1), 0x112233u);
  EXPECT_EQ(b.Pixel(3, 0), 0u);
  EXPECT_EQ(b.Pixel(-1, 0), 0u);
  b.SetPixel(3, 1, 5);  // ignored
  b.SetPixel(-1, -1, 5);
  EXPECT_EQ(b, TPixelBuffer(3, 2, 0x112233));
  EXPECT_TRUE(TPixelBuffer(-4, 3).Empty());
  EXPECT_EQ(TPixelBuffer(0, 3).Width(), 0);
}

TEST(PixelBuffer, FillCopyAndCropClipToBothBuffers) {
  TPixelBuffer b(4, 4);
  b.FillRect({-2, 2, 2, 9}, 7);
  EXPECT_EQ(b.Pixel(0, 3), 7u);
  EXPECT_EQ(b.Pixel(1, 2), 7u);
  EXPECT_EQ(b.Pixel(2, 2), 0u);
  EXPECT_EQ(b.Pixel(0, 1), 0u);

  TPixelBuffer src(2, 2);
  src.SetPixel(0, 0, 1), src.SetPixel(1, 0, 2), src.SetPixel(0, 1, 3), src.SetPixel(1, 1, 4);
  TPixelBuffer dst(3, 3, 9);
  dst.CopyFrom(src, {-1, 0, 2, 2}, 1, -1);  // source and target both overhang
  EXPECT_EQ(dst.Pixel(2, 0), 3u);
  EXPECT_EQ(dst.Pixel(0, 0), 9u);  // the off-source column writes nothing
  EXPECT_EQ(dst.Pixel(1, 0), 9u);
  EXPECT_EQ(dst.Pixel(2, 1), 9u);

  TPixelBuffer crop = src.Copy({1, -1, 3, 1});
  ASSERT_EQ(crop.Width(), 2);
  EXPECT_EQ(crop.Pixel(0, 1), 2u);
  EXPECT_EQ(crop.Pixel(0, 0), 0u);
  EXPECT_EQ(crop.Pixel(1, 1), 0u);
}

TEST(PixelBuffer, ColourValueAndPixelOrder) {
  EXPECT_EQ(PixelFromColor(0x0000FF), 0xFF0000u);  // colour values keep red in the low byte
  EXPECT_EQ(ColorFromPixel(0x123456), 0x563412);
  EXPECT_EQ(KeyPixel, 0xFF00FFu);
}
