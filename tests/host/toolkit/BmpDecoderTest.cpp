#include <gtest/gtest.h>

#include <climits>

#include "toolkit/portable/BmpDecoder.h"
#include "toolkit/portable/BmpEncoder.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(v & 0xFF);
  b.push_back((v >> 8) & 0xFF);
}
void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}

// Builds a BMP file with a 40-byte info header (or a larger one when
// HeaderSize says so), optional masks after it, a palette and the pixel bytes.
struct TBmpLayout {
  std::int32_t Width = 1, Height = 1;
  int BitCount = 24;
  std::uint32_t Compression = 0;
  std::uint32_t HeaderSize = 40;
  std::uint32_t ColorsUsed = 0;
  std::vector<std::uint32_t> Masks;    // written after the header, or inside a V4/V5 header
  std::vector<std::uint32_t> Palette;  // 0x00RRGGBB
  Bytes Pixels;
};

Bytes BuildFile(const TBmpLayout& s) {
  Bytes dib;
  Put32(dib, s.HeaderSize);
  Put32(dib, static_cast<std::uint32_t>(s.Width));
  Put32(dib, static_cast<std::uint32_t>(s.Height));
  Put16(dib, 1);
  Put16(dib, s.BitCount);
  Put32(dib, s.Compression);
  Put32(dib, static_cast<std::uint32_t>(s.Pixels.size()));
  Put32(dib, 0);
  Put32(dib, 0);
  Put32(dib, s.ColorsUsed);
  Put32(dib, 0);
  for (std::uint32_t m : s.Masks) Put32(dib, m);
  while (dib.size() < s.HeaderSize) dib.push_back(0);
  for (std::uint32_t c : s.Palette) Put32(dib, c);
  Bytes file = {'B', 'M'};
  Put32(file, static_cast<std::uint32_t>(14 + dib.size() + s.Pixels.size()));
  Put32(file, 0);
  Put32(file, static_cast<std::uint32_t>(14 + dib.size()));
  file.insert(file.end(), dib.begin(), dib.end());
  file.insert(file.end(), s.Pixels.begin(), s.Pixels.end());
  return file;
}

TPixelBuffer Decode(const Bytes& b) {
  return BmpDecoder::Decode(b.data(), b.size());
}

constexpr TPixel Red = 0xFF0000, Green = 0x00FF00, Blue = 0x0000FF, White = 0xFFFFFF;

}  // namespace

TEST(BmpDecoder, OneBitBottomUpRowsArePaddedAndReversed) {
  TBmpLayout s;
  s.Width = 10, s.Height = 2, s.BitCount = 1;
  s.Palette = {Blue, White};
  // Stored bottom row first; each row 2 data bytes + 2 padding bytes.
  s.Pixels = {0b10000000, 0b01000000, 0, 0,   // bottom row: x = 0 and x = 9 set
              0b01010101, 0b10000000, 0, 0};  // top row
  TPixelBuffer img = Decode(BuildFile(s));
  ASSERT_EQ(img.Width(), 10);
  ASSERT_EQ(img.Height(), 2);
  EXPECT_EQ(img.Pixel(0, 1), White);
  EXPECT_EQ(img.Pixel(1, 1), Blue);
  EXPECT_EQ(img.Pixel(9, 1), White);
  EXPECT_EQ(img.Pixel(8, 1), Blue);
  EXPECT_EQ(img.Pixel(0, 0), Blue);
  EXPECT_EQ(img.Pixel(1, 0), White);
  EXPECT_EQ(img.Pixel(8, 0), White);
}

TEST(BmpDecoder, FourBitTopDownWithShortPaletteGivesBlackForUnlistedIndices) {
  TBmpLayout s;
  s.Width = 3, s.Height = -2, s.BitCount = 4, s.ColorsUsed = 2;
  s.Palette = {Red, Green};
  s.Pixels = {0x01, 0xF0, 0, 0,  // top row: 0, 1, 15
              0x10, 0x00, 0, 0};
  TPixelBuffer img = Decode(BuildFile(s));
  ASSERT_EQ(img.Height(), 2);
  EXPECT_EQ(img.Pixel(0, 0), Red);
  EXPECT_EQ(img.Pixel(1, 0), Green);
  EXPECT_EQ(img.Pixel(2, 0), 0u);
  EXPECT_EQ(img.Pixel(0, 1), Green);
}

TEST(BmpDecoder, EightBitWithCoreHeaderUsesThreeBytePalette) {
  Bytes dib;
  Put32(dib, 12);
  Put16(dib, 2);
  Put16(dib, 1);
  Put16(dib, 1);
  Put16(dib, 8);
  for (int i = 0; i < 256; ++i) dib.insert(dib.end(), {std::uint8_t(i), 0x10, 0x20});  // B, G, R
  dib.insert(dib.end(), {7, 200, 0, 0});
  TPixelBuffer img = BmpDecoder::DecodeDib(dib.data(), dib.size());
  ASSERT_EQ(img.Width(), 2);
  EXPECT_EQ(img.Pixel(0, 0), 0x201007u);
  EXPECT_EQ(img.Pixel(1, 0), 0x2010C8u);
}

TEST(BmpDecoder, SixteenBitDefaultAndMaskedLayouts) {
  TBmpLayout s;
  s.Width = 2, s.BitCount = 16;
  // 5-5-5: pure red at full intensity, and a mid grey 0x10 per channel.
  s.Pixels = {0x00, 0x7C, 0x10, 0x42};
  TPixelBuffer img = Decode(BuildFile(s));
  EXPECT_EQ(img.Pixel(0, 0), Red);
  EXPECT_EQ(img.Pixel(1, 0), 0x848484u);

  s.Compression = 3;
  s.Masks = {0xF800, 0x07E0, 0x001F};  // 5-6-5
  s.Pixels = {0xE0, 0x07, 0x1F, 0x00};
  img = Decode(BuildFile(s));
  EXPECT_EQ(img.Pixel(0, 0), Green);
  EXPECT_EQ(img.Pixel(1, 0), Blue);
}

TEST(BmpDecoder, TwentyFourBitRoundTripsThroughTheEncoder) {
  TPixelBuffer src(3, 2);
  src.SetPixel(0, 0, 0x123456);
  src.SetPixel(2, 0, KeyPixel);
  src.SetPixel(1, 1, 0xABCDEF);
  Bytes file = BmpEncoder::Encode24(src);
  EXPECT_EQ(file.size(), 14u + 40u + 2u * 12u);  // rows padded from 9 to 12 bytes
  EXPECT_EQ(Decode(file), src);
}

TEST(BmpDecoder, ThirtyTwoBitIgnoresAlphaAndHonoursV5Masks) {
  TBmpLayout s;
  s.Width = 1, s.BitCount = 32;
  s.Pixels = {0x30, 0x20, 0x10, 0x80};  // B G R A
  EXPECT_EQ(Decode(BuildFile(s)).Pixel(0, 0), 0x102030u);

  s.HeaderSize = 124;
  s.Compression = 3;
  s.Masks = {0x000000FF, 0x0000FF00, 0x00FF0000};  // red in the lowest byte
  TPixelBuffer img = Decode(BuildFile(s));
  ASSERT_FALSE(img.Empty());
  EXPECT_EQ(img.Pixel(0, 0), 0x302010u);
}

TEST(BmpDecoder, RunLengthEncodedImages) {
  TBmpLayout s;
  s.Width = 4, s.Height = 2, s.BitCount = 8, s.Compression = 1, s.ColorsUsed = 3;
  s.Palette = {0, Red, Green};
  // Bottom row: run of three 1s, then end of line; top row: a delta of one
  // pixel, an absolute run "2 1 2" (padded), end of bitmap.
  s.Pixels = {3, 1, 0, 0, 0, 2, 1, 0, 0, 3, 2, 1, 2, 0, 0, 1};
  TPixelBuffer img = Decode(BuildFile(s));
  ASSERT_EQ(img.Width(), 4);
  EXPECT_EQ(img.Pixel(0, 1), Red);
  EXPECT_EQ(img.Pixel(2, 1), Red);
  EXPECT_EQ(img.Pixel(3, 1), 0u);
  EXPECT_EQ(img.Pixel(0, 0), 0u);
  EXPECT_EQ(img.Pixel(1, 0), Green);
  EXPECT_EQ(img.Pixel(2, 0), Red);
  EXPECT_EQ(img.Pixel(3, 0), Green);

  s.BitCount = 4, s.Compression = 2, s.Height = 1;
  s.Pixels = {5, 0x12, 0, 1};  // five pixels alternating 1 and 2; the fifth falls off the row
  img = Decode(BuildFile(s));
  ASSERT_EQ(img.Width(), 4);
  EXPECT_EQ(img.Pixel(0, 0), Red);
  EXPECT_EQ(img.Pixel(1, 0), Green);
  EXPECT_EQ(img.Pixel(3, 0), Green);

  s.Pixels = {0, 9, 1, 2};  // absolute run longer than the data
  EXPECT_TRUE(Decode(BuildFile(s)).Empty());
}

TEST(BmpDecoder, MalformedFilesGiveEmptyImages) {
  TBmpLayout good;
  good.Width = 5, good.Height = 3, good.BitCount = 8;
  good.Palette.assign(256, Red);
  good.Pixels.assign(8 * 3, 0);
  Bytes file = BuildFile(good);
  ASSERT_FALSE(Decode(file).Empty());
  // Every truncation of a valid file fails cleanly.
  for (std::size_t n = 0; n < file.size(); ++n)
    EXPECT_TRUE(BmpDecoder::Decode(file.data(), n).Empty()) << n;

  // Each gives an empty image, and says why.
  using BmpDecoder::TBmpFault;
  auto variant = [&](auto change) {
    TBmpLayout s = good;
    change(s);
    const Bytes changed = BuildFile(s);
    TBmpFault fault = TBmpFault::None;
    EXPECT_TRUE(BmpDecoder::Decode(changed.data(), changed.size(), &fault).Empty());
    return fault;
  };
  EXPECT_EQ(variant([](TBmpLayout& s) { s.Width = 0; }), TBmpFault::BadSize);
  EXPECT_EQ(variant([](TBmpLayout& s) { s.Width = -5; }), TBmpFault::BadSize);
  EXPECT_EQ(variant([](TBmpLayout& s) { s.Height = 0; }), TBmpFault::BadSize);
  EXPECT_EQ(variant([](TBmpLayout& s) { s.Height = INT_MIN; }), TBmpFault::TooBig);
  EXPECT_EQ(variant([](TBmpLayout& s) { s.Width = 1 << 20, s.Height = 1 << 20; }),
            TBmpFault::TooBig);
  EXPECT_EQ(variant([](TBmpLayout& s) { s.BitCount = 7; }), TBmpFault::Unsupported);
  EXPECT_EQ(variant([](TBmpLayout& s) { s.Compression = 4; }),
            TBmpFault::Unsupported);  // embedded JPEG
  EXPECT_EQ(variant([](TBmpLayout& s) { s.Compression = 1, s.Height = -3; }),
            TBmpFault::Unsupported);  // top-down RLE
  EXPECT_EQ(variant([](TBmpLayout& s) { s.Compression = 2; }),
            TBmpFault::Unsupported);  // RLE4 on 8 bits
  EXPECT_EQ(variant([](TBmpLayout& s) { s.HeaderSize = 39; }), TBmpFault::BadHeader);
  EXPECT_EQ(variant([](TBmpLayout& s) { s.ColorsUsed = 0xFFFFFFFF; }), TBmpFault::BadHeader);
  EXPECT_EQ(variant([](TBmpLayout& s) { s.Pixels.resize(10); }), TBmpFault::Truncated);

  TBmpFault fault = TBmpFault::None;
  Bytes badMagic = file;
  badMagic[0] = 'X';
  EXPECT_TRUE(BmpDecoder::Decode(badMagic.data(), badMagic.size(), &fault).Empty());
  EXPECT_EQ(fault, TBmpFault::NotBitmap);
  Bytes farOffset = file;
  farOffset[10] = 0xFF, farOffset[11] = 0xFF, farOffset[12] = 0xFF, farOffset[13] = 0xFF;
  EXPECT_TRUE(BmpDecoder::Decode(farOffset.data(), farOffset.size(), &fault).Empty());
  EXPECT_EQ(fault, TBmpFault::Truncated);
  EXPECT_FALSE(BmpDecoder::Decode(file.data(), file.size(), &fault).Empty());
  EXPECT_EQ(fault, TBmpFault::None);
  EXPECT_TRUE(BmpDecoder::Decode(nullptr, 100).Empty());
}
