#include <gtest/gtest.h>

#include "skin/imaging/Gradient.h"
#include "skin/imaging/ImagePrimitives.h"
#include "skin/imaging/ImageTransforms.h"

namespace {

// Builds an image from rows of single-character pixels; each letter maps to a
// distinct colour, '.' to magenta.
TPixel Code(char c) {
  return c == '.' ? KeyPixel : static_cast<TPixel>(c);
}

TPixelBuffer Img(std::initializer_list<std::string_view> Rows) {
  TPixelBuffer b(static_cast<int>(Rows.begin()->size()), static_cast<int>(Rows.size()));
  int y = 0;
  for (std::string_view row : Rows) {
    for (int x = 0; x < static_cast<int>(row.size()); ++x) b.SetPixel(x, y, Code(row[x]));
    ++y;
  }
  return b;
}

std::vector<std::string> Text(const TPixelBuffer& b) {
  std::vector<std::string> rows;
  for (int y = 0; y < b.Height(); ++y) {
    std::string row;
    for (int x = 0; x < b.Width(); ++x) {
      TPixel p = b.Pixel(x, y);
      row += p == KeyPixel ? '.' : p == 0 ? '0' : static_cast<char>(p);
    }
    rows.push_back(row);
  }
  return rows;
}

using Rows = std::vector<std::string>;

}  // namespace

TEST(ImagePrimitives, CutFrameInStripsAndDegenerateCounts) {
  TPixelBuffer strip(40, 10);
  EXPECT_EQ(CutFrame(strip, false, 4, 3), Rect(20, 0, 30, 10));
  EXPECT_EQ(CutFrame(strip, true, 5, 2), Rect(0, 2, 40, 4));
  // No frame count, or more frames than pixels: never a division by zero or a
  // negative size.
  EXPECT_EQ(CutFrame(strip, false, 0, 1), Rect(0, 0, 40, 10));
  EXPECT_EQ(CutFrame(strip, false, 50, 2).Width(), 0);
  EXPECT_EQ(CutFrame(strip, true, -3, 1), Rect(0, 0, 40, 10));
}

TEST(ImagePrimitives, StretchPicksNearestPixelsWithoutSmoothing) {
  TPixelBuffer src = Img({"ab", "cd"});
  TPixelBuffer dst(4, 2);
  StretchCopy(dst, dst.Bounds(), src, src.Bounds());
  EXPECT_EQ(Text(dst), (Rows{"aabb", "ccdd"}));
  TPixelBuffer wide = Img({"abcdef"});
  TPixelBuffer narrow(3, 1);
  StretchCopy(narrow, narrow.Bounds(), wide, wide.Bounds());
  EXPECT_EQ(Text(narrow), (Rows{"bdf"}));
  // Empty source or target areas draw nothing; off-source pixels stay.
  TPixelBuffer keep = Img({"zz"});
  StretchCopy(keep, keep.Bounds(), src, {1, 0, 1, 2});
  StretchCopy(keep, keep.Bounds(), src, {1, 0, 3, 1});
  EXPECT_EQ(Text(keep), (Rows{"bz"}));
}

TEST(ImagePrimitives, SlicedBitmapKeepsCornersAndStretchesEdges) {
  // One 5x5 frame (the second of two): corners a b c d, edges t l r m, centre x.
  TPixelBuffer strip = Img({"..........", ".....atttb", ".....lxxxr", ".....cmmmd", ".........."});
  strip = strip.Copy({0, 1, 10, 4});  // 10x3 strip of two 5x3 frames
  TPixelBuffer out = BuildSlicedBitmap(7, 4, strip, {1, 1, 1, 1}, false, false, 2, 2);
  EXPECT_EQ(Text(out), (Rows{"atttttb", "lxxxxxr", "lxxxxxr", "cmmmmmd"}));
  // Margins that do not fit go in pairs: left and right here, top and bottom stay.
  TPixelBuffer frame = Img({"aaaaaaabbb", "cccccccddd", "eeeeeeefff"});
  out = BuildSlicedBitmap(6, 20, frame, {5, 1, 5, 1}, false, false, 1, 1);
  EXPECT_EQ(out.Width(), 6);
  EXPECT_EQ(Text(out)[0], "aaaabb");
  EXPECT_EQ(Text(out)[10], "ccccdd");
  EXPECT_EQ(Text(out)[19], "eeeeff");
}

TEST(ImagePrimitives, TiledCentreIsCoveredByLaterEdges) {
  TPixelBuffer frame = Img({"atttb", "lxyzr", "cmmmd"});
  TPixelBuffer out = BuildSlicedBitmap(9, 3, frame, {1, 1, 1, 1}, false, true, 1, 1);
  // Centre xyz tiles at x = 1, 4, 7; the third tile's overhang lies under the right edge.
  EXPECT_EQ(Text(out), (Rows{"atttttttb", "lxyzxyzxr", "cmmmmmmmd"}));
}

TEST(ImagePrimitives, TransparencyLeavesKeyPixels) {
  TPixelBuffer dst = Img({"zzzz", "zzzz"});
  DrawTransparent(dst, {1, 0, 3, 2}, Img({"a.c", ".b."}), clFuchsia);
  EXPECT_EQ(Text(dst), (Rows{"zazz", "zzbz"}));
  // A target area sticking out of the buffer is clipped, not wrapped.
  DrawTransparent(dst, {-1, 1, 3, 5}, Img({"pq", "rs"}), clFuchsia);
  EXPECT_EQ(Text(dst), (Rows{"zazz", "qzbz"}));

  TPixelBuffer target = Img({"zzzzz"});
  DrawSliced(target, {1, 0, 4, 1}, Img({".a."}), false, false, true, 1, 1, {});
  EXPECT_EQ(Text(target), (Rows{"zzazz"}));
  DrawSliced(target, {4, 0, 2, 1}, Img({"q"}), false, false, false, 1, 1, {});  // inverted
  EXPECT_EQ(Text(target), (Rows{"zzazz"}));
}

TEST(ImagePrimitives, TileBitmapRepeatsUnclippedFromTheTopLeft) {
  TPixelBuffer dst(6, 3);
  TileBitmap(dst, {1, 0, 4, 2}, Img({"ab", "cd"}), {0, 0, 2, 1});
  EXPECT_EQ(Text(dst), (Rows{"0abab0", "0abab0", "000000"}));
  TPixelBuffer same = dst;
  TileBitmap(dst, dst.Bounds(), Img({"ab"}), {0, 0, 0, 1});
  TileBitmap(dst, dst.Bounds(), Img({"ab"}), {2, 0, 1, 1});
  EXPECT_EQ(dst, same);
}

TEST(ImagePrimitives, ThreeSliceRepeatsTheMiddleAtItsWidth) {
  TPixelBuffer frame = Img({"LabR"});
  TPixelBuffer target(9, 2);
  DrawHorzThreeSlice(target, target.Bounds(), frame, false, false, 1, 1, {1, 0, 1, 0});
  EXPECT_EQ(Text(target), (Rows{"LabababaR", "LabababaR"}));
  // A frame no wider than its caps has no middle and still ends.
  TPixelBuffer caps(5, 1);
  DrawHorzThreeSlice(caps, caps.Bounds(), Img({"LR"}), false, false, 1, 1, {1, 0, 1, 0});
  EXPECT_EQ(Text(caps), (Rows{"L000R"}));

  TPixelBuffer stretched(8, 1);
  DrawHorzStretchThree(stretched, stretched.Bounds(), frame, false, 1, 1, {1, 0, 1, 0});
  EXPECT_EQ(Text(stretched), (Rows{"LaaabbbR"}));
  TPixelBuffer small(2, 1);  // frame wider than the target: stretched whole
  DrawHorzStretchThree(small, small.Bounds(), frame, false, 1, 1, {1, 0, 1, 0});
  EXPECT_EQ(Text(small), (Rows{"aR"}));
}

TEST(ImagePrimitives, FramesStretchedAndCentred) {
  TPixelBuffer strip = Img({"ab.d", "cdef"});  // two 2x2 frames
  TPixelBuffer t = Img({"zzzzzz", "zzzzzz", "zzzzzz"});
  DrawFrameCentered(t, {0, 0, 5, 3}, strip, true, 2, 2);  // at (1, 0): (5 - 2) div 2
  EXPECT_EQ(Text(t), (Rows{"zzdzzz", "zefzzz", "zzzzzz"}));
  DrawFrameStretched(t, {2, 0, 6, 2}, strip, false, 2, 1);
  EXPECT_EQ(Text(t), (Rows{"zzaabb", "zeccdd", "zzzzzz"}));
  // A frame beyond the strip draws nothing.
  TPixelBuffer before = t;
  DrawFrameCentered(t, t.Bounds(), strip, false, 2, 5);
  EXPECT_EQ(t, before);
}

TEST(ImageTransforms, MirrorFlipRotateGreyAndKeyReplacement) {
  TPixelBuffer img = Img({"abc", "def"});
  MirrorHorizontal(img);
  EXPECT_EQ(Text(img), (Rows{"cba", "fed"}));
  FlipVertical(img);
  EXPECT_EQ(Text(img), (Rows{"fed", "cba"}));
  img = Img({"abc", "def"});
  RotateLeft(img);
  EXPECT_EQ(Text(img), (Rows{"cf", "be", "ad"}));
  img = Img({"abc", "def"});
  RotateRight(img);
  EXPECT_EQ(Text(img), (Rows{"da", "eb", "fc"}));

  TPixelBuffer grey(1, 1, PixelFromRgb(10, 20, 31));
  MakeGrayscale(grey);
  EXPECT_EQ(grey.Pixel(0, 0), PixelFromRgb(20, 20, 20));
  TPixelBuffer keyed = Img({".a", "a."});
  ReplaceKeyColor(keyed, ColorFromRgb(1, 2, 3));
  EXPECT_EQ(keyed.Pixel(0, 0), PixelFromRgb(1, 2, 3));
  EXPECT_EQ(keyed.Pixel(1, 0), Code('a'));
}

TEST(Gradient, MixColorsWeights) {
  EXPECT_EQ(MixColors(0x0000FF, 0xFFFFFF, 50), 0x8080FF);
  EXPECT_EQ(MixColors(0x123456, 0xABCDEF, 1000), 0x123456);
  EXPECT_EQ(MixColors(0x123456, 0xABCDEF, 0), 0xABCDEF);
  // 150 is a per-mille: 15 % of A.
  EXPECT_EQ(MixColors(ColorFromRgb(200, 0, 0), 0, 150), ColorFromRgb(30, 0, 0));
}

TEST(Gradient, BandTablesRoundAndTruncate) {
  EXPECT_EQ(GradientColors(1, ColorFromRgb(0, 100, 9), ColorFromRgb(9, 0, 0)),
            (std::vector<TColor>{ColorFromRgb(4, 50, 5)}));
  auto up = GradientColors(3, 0, ColorFromRgb(10, 0, 0));
  EXPECT_EQ(up, (std::vector<TColor>{0, ColorFromRgb(5, 0, 0), ColorFromRgb(10, 0, 0)}));
  // Falling channels truncate toward zero: the last band stops one short.
  auto down = GradientColors(3, ColorFromRgb(10, 0, 0), 0);
  EXPECT_EQ(down, (std::vector<TColor>{ColorFromRgb(10, 0, 0), ColorFromRgb(6, 0, 0),
                                       ColorFromRgb(1, 0, 0)}));
}

TEST(Gradient, BandsAreClippedAndTablesCached) {
  TPixelBuffer t(3, 4);
  DrawGradient(t, {0, 0, 3, 4}, 0, true, ColorFromRgb(0, 0, 30), {0, 1, 2, 3});
  EXPECT_EQ(t.Pixel(0, 0), 0u);  // outside the clip
  EXPECT_EQ(t.Pixel(0, 1), PixelFromRgb(0, 0, 10));
  EXPECT_EQ(t.Pixel(1, 2), PixelFromRgb(0, 0, 20));
  EXPECT_EQ(t.Pixel(2, 2), 0u);
  TPixelBuffer h(4, 1);
  DrawGradient(h, h.Bounds(), 0, false, ColorFromRgb(3, 0, 0));
  EXPECT_EQ(h.Pixel(3, 0), PixelFromRgb(3, 0, 0));

  TGradientCache cache;
  const std::vector<TColor>* first = &cache.Colors(5, 0, 0xFFFFFF);
  EXPECT_EQ(&cache.Colors(5, 0, 0xFFFFFF), first);
  for (int i = 0; i < TGradientCache::SlotCount; ++i) cache.Colors(10 + i, 0, 0xFF);
  // Sixteen newer tables have pushed the first one out; the slot holds another.
  EXPECT_NE(cache.Colors(5, 0, 0xFFFFFF).size(), 0u);
  EXPECT_EQ(cache.Colors(5, 0, 0xFFFFFF), GradientColors(5, 0, 0xFFFFFF));
}

TEST(ImagePrimitives, NonsenseMarginsAndFramesFromSkinTexts) {
  const TPixelBuffer frame = Img({"abc", "def", "ghi"});
  // Negative margins count as 0; margins too large for the target go in pairs.
  EXPECT_EQ(BuildSlicedBitmap(3, 3, frame, {-5, -5, -5, -5}, false, false, 1, 1),
            BuildSlicedBitmap(3, 3, frame, {}, false, false, 1, 1));
  EXPECT_EQ(BuildSlicedBitmap(3, 3, frame, {INT32_MAX, 0, INT32_MAX, 0}, false, false, 1, 1),
            BuildSlicedBitmap(3, 3, frame, {}, false, false, 1, 1));
  TPixelBuffer t(4, 1);
  DrawHorzThreeSlice(t, t.Bounds(), Img({"LabR"}), false, false, 1, 1, {INT32_MAX, 0, -1, 0});
  EXPECT_EQ(Text(t), (Rows{"LabR"}));
  DrawHorzStretchThree(t, t.Bounds(), Img({"xy"}), false, 1, 1, {INT32_MAX, 0, INT32_MAX, 0});
  EXPECT_EQ(Text(t), (Rows{"xyxy"}));  // both caps 1:1, clipped to the frame
  EXPECT_EQ(CutFrame(frame, false, 1, INT32_MAX).Width(), 3);
  EXPECT_TRUE(BuildSlicedBitmap(2, 2, frame, {}, false, true, 1, INT32_MIN) == TPixelBuffer(2, 2));
}
