#include <gtest/gtest.h>

#include "Bmp.h"

namespace {

TPixmap Pattern(int w, int h) {
  TPixmap p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      p.Set(x, y, static_cast<TColor>((x * 37 + y * 91) << 8 | x << 16 | y));
  return p;
}

TEST(Bmp, RoundTripKeepsPixelsAtEveryRowPadding) {
  for (int w : {1, 2, 3, 4, 5, 13}) {
    TPixmap image = Pattern(w, 3);
    std::vector<uint8_t> bytes = Bmp::Encode(image);
    size_t row = (w * 3 + 3) / 4 * 4;
    EXPECT_EQ(bytes.size(), 54 + row * 3) << "width " << w;
    EXPECT_EQ(Bmp::Decode(bytes), image) << "width " << w;
  }
}

TEST(Bmp, HeaderIsBottomUpTwentyFourBit) {
  TPixmap image(2, 2, 0x000000);
  image.Set(0, 0, 0x112233);  // top-left pixel
  std::vector<uint8_t> b = Bmp::Encode(image);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(b[28], 24);
  EXPECT_EQ(b[22], 2);  // positive height: first stored row is the bottom one
  // The top row is stored last: 54 + one padded row of 8 bytes.
  EXPECT_EQ(b[54 + 8], 0x33);
  EXPECT_EQ(b[54 + 9], 0x22);
  EXPECT_EQ(b[54 + 10], 0x11);
}

TEST(Bmp, RefusesTruncatedAndForeignFiles) {
  std::vector<uint8_t> bytes = Bmp::Encode(Pattern(5, 5));
  bytes.resize(bytes.size() - 4);
  EXPECT_THROW(Bmp::Decode(bytes), std::runtime_error);
  EXPECT_THROW(Bmp::Decode({'P', 'K', 3, 4}), std::runtime_error);
}

}  // namespace
