// Glyph and caption placement of glyph buttons.
#include <gtest/gtest.h>

#include "toolkit/portable/ButtonLayout.h"

namespace {

const TRect kClient{0, 0, 100, 30};
const TPoint kGlyph{16, 16};
const TPoint kText{40, 13};

TEST(ButtonLayout, UnsetMarginAndSpacingShareTheFreeRoomInThirds) {
  TButtonLayoutResult r = LayoutButton(kClient, kGlyph, kText, blGlyphLeft, -1, -1);
  // (100 - 56) / 3 = 14 for the margin and the spacing alike.
  EXPECT_EQ(r.GlyphPos, (TPoint{14, 7}));
  EXPECT_EQ(r.TextBounds, (TRect{44, 9, 84, 22}));
}

TEST(ButtonLayout, UnsetMarginCentresGlyphAndTextWithTheGivenSpacing) {
  TButtonLayoutResult r = LayoutButton(kClient, kGlyph, kText, blGlyphLeft, -1, 4);
  EXPECT_EQ(r.GlyphPos.X, 20);  // (100 - 60 + 1) / 2
  EXPECT_EQ(r.TextBounds.Left, 40);
  // Right layout mirrors it: the glyph ends Margin from the right edge.
  r = LayoutButton(kClient, kGlyph, kText, blGlyphRight, 5, 4);
  EXPECT_EQ(r.GlyphPos.X, 100 - 5 - 16);
  EXPECT_EQ(r.TextBounds.Right, r.GlyphPos.X - 4);
}

TEST(ButtonLayout, VerticalLayoutsStackAlongTheHeightAndCentreAcross) {
  const TRect tall{10, 20, 70, 80};  // 60 x 60, offset
  TButtonLayoutResult top = LayoutButton(tall, kGlyph, kText, blGlyphTop, 2, 3);
  EXPECT_EQ(top.GlyphPos, (TPoint{10 + 22, 20 + 2}));
  EXPECT_EQ(top.TextBounds.Top, 20 + 2 + 16 + 3);
  EXPECT_EQ(top.TextBounds.Left, 10 + 10);
  TButtonLayoutResult bottom = LayoutButton(tall, kGlyph, kText, blGlyphBottom, 2, 3);
  EXPECT_EQ(bottom.GlyphPos.Y, 20 + 60 - 2 - 16);
  EXPECT_EQ(bottom.TextBounds.Bottom, bottom.GlyphPos.Y - 3);
}

TEST(ButtonLayout, SpacingCountsOnlyWhenThereAreBothGlyphAndText) {
  // Without text the glyph alone is centred.
  TButtonLayoutResult r = LayoutButton(kClient, kGlyph, {0, 0}, blGlyphLeft, -1, 4);
  EXPECT_EQ(r.GlyphPos.X, 42);
  // Without glyph the text alone is centred.
  r = LayoutButton(kClient, {0, 0}, kText, blGlyphLeft, -1, 4);
  EXPECT_EQ(r.TextBounds.Left, 30);
  // A margin with unset spacing centres the text in what the glyph leaves.
  r = LayoutButton(kClient, kGlyph, kText, blGlyphLeft, 4, -1);
  EXPECT_EQ(r.TextBounds.Left, 4 + 16 + 20);  // ((100 - 4 - 16) - 40 + 1) / 2 = 20
}

}  // namespace
