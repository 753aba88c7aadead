// The frame's arithmetic: border widths from the skin, border pieces, the
// opaque runs a window region is made of, and where the caption goes.
#include <gtest/gtest.h>

#include "skin/imaging/FrameGeometry.h"

namespace {

TPixelBuffer Rows(std::initializer_list<std::string_view> Lines) {
  TPixelBuffer b(static_cast<int>(Lines.begin()->size()), static_cast<int>(Lines.size()));
  int y = 0;
  for (std::string_view line : Lines) {
    for (int x = 0; x < static_cast<int>(line.size()); ++x)
      b.SetPixel(x, y, line[x] == '.' ? KeyPixel : PixelFromRgb(10, 20, 30));
    ++y;
  }
  return b;
}

TCaptionLayout Layout(int Alignment) {
  TCaptionLayout l;
  l.Title = {6, 0, 506, 30};
  l.TextWidth = 100;
  l.TextHeight = 14;
  l.Alignment = Alignment;
  l.TextShift = 22;
  l.TextShiftVert = 4;
  l.TextRightClip = 104;
  l.ButtonReserve = 66;
  return l;
}

}  // namespace

TEST(FrameGeometry, MetricsAreOneFrameOfEachBorderAndSurviveBadFrameCounts) {
  TParsedSkin skin;
  skin.FrameLeft->Image.SetSize(12, 40);
  skin.FrameLeft->FrameCount = 2;
  skin.FrameRight->Image.SetSize(7, 40);  // 2 frames do not divide 7
  skin.FrameRight->FrameCount = 2;
  skin.FrameTop->Image.SetSize(50, 60);
  skin.FrameTop->FrameCount = 2;
  skin.FrameBottom->Image.SetSize(50, 5);
  skin.FrameBottom->FrameCount = 0;  // counts as one
  EXPECT_EQ(FrameMetricsOf(skin), (TFrameMetrics{6, 30, 3, 5}));
  // An empty skin has no frame at all.
  EXPECT_EQ(FrameMetricsOf(TParsedSkin()), TFrameMetrics{});
}

TEST(FrameGeometry, BorderPiecePicksTheStateFrameAndNeverFailsOnOddSizes) {
  TDataSkinBorder left;
  left.Image.SetSize(4, 8);
  left.Image.FillRect({0, 0, 2, 8}, PixelFromRgb(1, 1, 1));  // active
  left.Image.FillRect({2, 0, 4, 8}, PixelFromRgb(2, 2, 2));  // inactive
  left.FrameCount = 2;
  left.Tile = 1;
  EXPECT_EQ(BuildBorderPiece(left, bsLeftBorder, 2, 50, true).Pixel(1, 40), PixelFromRgb(1, 1, 1));
  EXPECT_EQ(BuildBorderPiece(left, bsLeftBorder, 2, 50, false).Pixel(1, 40), PixelFromRgb(2, 2, 2));
  // One frame serves both states.
  left.FrameCount = 1;
  EXPECT_EQ(BuildBorderPiece(left, bsLeftBorder, 2, 50, false).Pixel(0, 0), PixelFromRgb(1, 1, 1));
  // Nothing to draw, margins far larger than the piece, an empty image.
  EXPECT_TRUE(BuildBorderPiece(left, bsLeftBorder, 0, 50, true).Empty());
  EXPECT_TRUE(BuildBorderPiece(left, bsLeftBorder, 5, -3, true).Empty());
  left.Margins = {0, 100000, 0, -100000};
  EXPECT_EQ(BuildBorderPiece(left, bsLeftBorder, 3, 9, true).Width(), 3);
  TDataSkinBorder empty;
  EXPECT_EQ(BuildBorderPiece(empty, bsTopBorder, 30, 4, true).Height(), 4);
}

TEST(FrameGeometry, OpaqueRunsSkipMagentaWithinTolerance) {
  TPixelBuffer b = Rows({"..xx.x", "......", "xxxxxx"});
  b.SetPixel(5, 2, PixelFromRgb(255, 1, 255));  // within tolerance: transparent
  const std::vector<TRect> runs = OpaqueRuns(b, 10, 20);
  const std::vector<TRect> expected = {{12, 20, 14, 21}, {15, 20, 16, 21}, {10, 22, 15, 23}};
  EXPECT_EQ(runs, expected);
  b.SetPixel(5, 2, PixelFromRgb(255, 2, 255));  // beyond it: opaque
  EXPECT_EQ(OpaqueRuns(b, 0, 0).back(), (TRect{0, 2, 6, 3}));
}

TEST(FrameGeometry, CaptionAlignmentsLeftToRight) {
  // Left: at TextShift, centred vertically plus half the vertical shift.
  EXPECT_EQ(PlaceCaption(Layout(0)), (TRect{28, 10, 128, 24}));
  EXPECT_EQ(PlaceCaption(Layout(1)), (TRect{206, 10, 306, 24}));
  EXPECT_EQ(PlaceCaption(Layout(2)), (TRect{302, 10, 402, 24}));
  // The back image's caps widen what the text takes.
  TCaptionLayout back = Layout(1);
  back.BackLeft = 10;
  back.BackRight = 10;
  EXPECT_EQ(PlaceCaption(back), (TRect{196, 10, 316, 24}));
  // A dialog frame has no icon: left-aligned text moves left.
  TCaptionLayout dialog = Layout(0);
  dialog.DialogFrame = true;
  EXPECT_EQ(PlaceCaption(dialog).Left, 12);
}

TEST(FrameGeometry, LongCaptionsAreClippedBeforeTheButtons) {
  TCaptionLayout wide = Layout(0);
  wide.TextWidth = 2000;
  // Overlapped windows stop at the right clip...
  EXPECT_EQ(PlaceCaption(wide).Right, 506 - 104);
  // ...pop-up windows before the buttons' reserve, when there is one.
  wide.Popup = true;
  EXPECT_EQ(PlaceCaption(wide).Right, 506 - 66 - 5);
  wide.ButtonReserve = 5;
  EXPECT_EQ(PlaceCaption(wide).Right, 28 + 2000);
}

TEST(FrameGeometry, RightToLeftCaptionsStartFromTheRight) {
  TCaptionLayout rtl = Layout(0);
  rtl.RightToLeft = true;
  // Right of the title less the button reserve, then moved 10 to the right.
  EXPECT_EQ(PlaceCaption(rtl), (TRect{6 + 334 + 10, 10, 6 + 434 + 10, 24}));
  rtl.Alignment = 2;
  EXPECT_EQ(PlaceCaption(rtl).Left, 6 + 22 + 10);
  // A caption wider than the title starts at TextShift.
  rtl.Alignment = 0;
  rtl.TextWidth = 900;
  EXPECT_EQ(PlaceCaption(rtl).Left, 22 + 10);
}
