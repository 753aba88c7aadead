// A skinned scroll bar's arithmetic and picture: the thumb of a bar control
// from its range, hit testing, thumb dragging, and which frames of the
// skin's elements the picture shows in each state.
#include <gtest/gtest.h>

#include "skin/imaging/ScrollBarImage.h"

namespace {

// Frame n of a strip is filled with the colour (n, Tag, 0), so that a pixel
// tells which element and frame it came from.
std::unique_ptr<TDataSkinObject> Strip(int Frames, int FrameWidth, int Height, int Tag) {
  auto element = std::make_unique<TDataSkinObject>();
  element->Image.SetSize(Frames * FrameWidth, Height);
  for (int f = 0; f < Frames; ++f)
    element->Image.FillRect({f * FrameWidth, 0, (f + 1) * FrameWidth, Height},
                            PixelFromRgb(f + 1, Tag, 0));
  element->FrameCount = Frames;
  return element;
}

constexpr int kArrowTag = 1, kShaftTag = 2, kThumbTag = 3;

TParsedSkin BarSkin() {
  TParsedSkin skin;
  skin.Scrollbar = Strip(kScrollBarFrames, 16, 16, kArrowTag);
  skin.HorzScroll = Strip(kShaftFrames, 8, 16, kShaftTag);
  skin.VertScroll = Strip(kShaftFrames, 16, 8, kShaftTag);
  skin.HorzScrollThumb = Strip(3, 8, 16, kThumbTag);
  skin.VertScrollThumb = Strip(3, 16, 8, kThumbTag);
  return skin;
}

TPixel From(int Frame, int Tag) {
  return PixelFromRgb(Frame, Tag, 0);
}

constexpr TColor kFace = 0x404040;

TScrollBarState Vertical(int Height, TThumbSpan Thumb) {
  TScrollBarState s;
  s.Vertical = true;
  s.Width = 16;
  s.Height = Height;
  s.ArrowSize = 16;
  s.Thumb = Thumb;
  return s;
}

}  // namespace

TEST(ScrollBarGeometry, MulDivRoundsHalvesAwayFromZero) {
  EXPECT_EQ(MulDivRound(3, 1, 2), 2);
  EXPECT_EQ(MulDivRound(-3, 1, 2), -2);
  EXPECT_EQ(MulDivRound(168, 9, 99), 15);
  EXPECT_EQ(MulDivRound(5, 5, 0), 0);
  EXPECT_EQ(MulDivRound(2000000000, 3, 4), 1500000000);  // no overflow on the way
}

TEST(ScrollBarGeometry, PagedThumbIsProportionalAndEndsAtTheSecondArrowAtTheLastPosition) {
  // 200 pixels, 16-pixel arrows: a track of 168.
  EXPECT_EQ(TScrollBarGeometry::ThumbForRange(200, 16, {0, 99, 10, 0}), (TThumbSpan{16, 31}));
  EXPECT_EQ(TScrollBarGeometry::ThumbForRange(200, 16, {0, 99, 10, 90}), (TThumbSpan{169, 184}));
  // A minimum other than 0 counts from the minimum.
  EXPECT_EQ(TScrollBarGeometry::ThumbForRange(200, 16, {50, 149, 10, 50}), (TThumbSpan{16, 31}));
}

TEST(ScrollBarGeometry, ShortPagedThumbGetsEightPixelsAndStaysInsideTheTrack) {
  // 4 of 1000 would be 1 pixel long.
  EXPECT_EQ(TScrollBarGeometry::ThumbForRange(200, 16, {0, 1000, 5, 0}), (TThumbSpan{16, 24}));
  const TThumbSpan last = TScrollBarGeometry::ThumbForRange(200, 16, {0, 1000, 5, 996});
  EXPECT_EQ(last.Length(), 8);
  EXPECT_LE(last.End, 200 - 16);
}

TEST(ScrollBarGeometry, UnpagedThumbIsOneArrowLongAndEmptyRangeKeepsItAtTheStart) {
  EXPECT_EQ(TScrollBarGeometry::ThumbForRange(200, 16, {0, 100, 0, 0}), (TThumbSpan{16, 32}));
  EXPECT_EQ(TScrollBarGeometry::ThumbForRange(200, 16, {0, 100, 0, 100}), (TThumbSpan{168, 184}));
  // Min equal to max (and a maximum below the minimum) do not divide by 0.
  EXPECT_EQ(TScrollBarGeometry::ThumbForRange(200, 16, {5, 5, 0, 5}), (TThumbSpan{16, 32}));
  EXPECT_EQ(TScrollBarGeometry::ThumbForRange(200, 16, {5, 5, 1, 5}), (TThumbSpan{16, 24}));
  EXPECT_EQ(TScrollBarGeometry::ThumbForRange(200, 16, {9, 3, 0, 9}).Start, 16);
}

TEST(ScrollBarGeometry, HitTestFindsEachPartAndTheShortBarsSecondArrow) {
  const TScrollBarGeometry bar(200, 16, {60, 90});
  EXPECT_EQ(bar.HitTest(0), spFirstArrow);
  EXPECT_EQ(bar.HitTest(15), spFirstArrow);
  EXPECT_EQ(bar.HitTest(16), spTrackBefore);
  EXPECT_EQ(bar.HitTest(60), spThumb);
  EXPECT_EQ(bar.HitTest(89), spThumb);
  EXPECT_EQ(bar.HitTest(90), spTrackAfter);
  EXPECT_EQ(bar.HitTest(184), spSecondArrow);
  EXPECT_EQ(bar.HitTest(199), spSecondArrow);
  // 20 pixels hold two arrows of 10: the lower half is the second arrow.
  const TScrollBarGeometry shortBar(20, 16, {16, 16});
  EXPECT_EQ(shortBar.ArrowCell(), 10);
  EXPECT_EQ(shortBar.HitTest(9), spFirstArrow);
  EXPECT_EQ(shortBar.HitTest(12), spSecondArrow);
}

TEST(ScrollBarGeometry, DraggedThumbFollowsTheCursorBetweenTheArrows) {
  const TScrollBarGeometry bar(200, 16, {60, 90});
  EXPECT_EQ(bar.DraggedThumb(60, 25), (TThumbSpan{85, 115}));
  EXPECT_EQ(bar.DraggedThumb(60, -500), (TThumbSpan{16, 46}));
  EXPECT_EQ(bar.DraggedThumb(60, 500), (TThumbSpan{154, 184}));
  // A thumb longer than the track stays at the first arrow.
  EXPECT_EQ(TScrollBarGeometry(40, 16, {16, 36}).DraggedThumb(16, 10).Start, 16);
}

TEST(ScrollBarGeometry, GripSideIsTheImageHeightUnlessFarFromTheArrowSize) {
  EXPECT_EQ(ScrollBarBreadth(17, 16), 17);
  EXPECT_EQ(ScrollBarBreadth(14, 16), 14);
  EXPECT_EQ(ScrollBarBreadth(13, 16), 16);
  EXPECT_EQ(ScrollBarBreadth(30, 16), 16);
}

TEST(ScrollBarImage, IdleBarShowsArrowsShaftThumbAndGripFromTheirFrames) {
  const TParsedSkin skin = BarSkin();
  const TPixelBuffer bar = BuildScrollBarImage(skin, kFace, Vertical(200, {60, 100}));
  ASSERT_EQ(bar.Width(), 16);
  ASSERT_EQ(bar.Height(), 200);
  EXPECT_EQ(bar.Pixel(8, 4), From(9, kArrowTag));     // up arrow
  EXPECT_EQ(bar.Pixel(8, 195), From(13, kArrowTag));  // down arrow
  EXPECT_EQ(bar.Pixel(8, 30), From(1, kShaftTag));
  EXPECT_EQ(bar.Pixel(8, 150), From(1, kShaftTag));
  EXPECT_EQ(bar.Pixel(8, 62), From(1, kThumbTag));
  EXPECT_EQ(bar.Pixel(8, 80), From(20, kArrowTag));  // the grip, centred on the thumb
  EXPECT_EQ(bar.Pixel(8, 71), From(1, kThumbTag));   // above the 16-pixel grip
}

TEST(ScrollBarImage, HotAndPressedPartsTakeTheirFrames) {
  const TParsedSkin skin = BarSkin();
  TScrollBarState s = Vertical(200, {60, 100});
  s.HotPart = spSecondArrow;
  EXPECT_EQ(BuildScrollBarImage(skin, kFace, s).Pixel(8, 195), From(16, kArrowTag));
  s.Pressed = true;
  EXPECT_EQ(BuildScrollBarImage(skin, kFace, s).Pixel(8, 195), From(14, kArrowTag));
  s.HotPart = spThumb;
  const TPixelBuffer pressed = BuildScrollBarImage(skin, kFace, s);
  EXPECT_EQ(pressed.Pixel(8, 62), From(2, kThumbTag));
  EXPECT_EQ(pressed.Pixel(8, 80), From(21, kArrowTag));
  EXPECT_EQ(pressed.Pixel(8, 195), From(13, kArrowTag));  // the arrow is no longer hot
  s.Pressed = false;
  const TPixelBuffer hot = BuildScrollBarImage(skin, kFace, s);
  EXPECT_EQ(hot.Pixel(8, 62), From(3, kThumbTag));
  EXPECT_EQ(hot.Pixel(8, 80), From(22, kArrowTag));
  // A horizontal bar uses the left and right arrows and the other grip.
  TScrollBarState h;
  h.Width = 200;
  h.Height = 16;
  h.ArrowSize = 16;
  h.Thumb = {60, 100};
  h.HotPart = spFirstArrow;
  const TPixelBuffer horz = BuildScrollBarImage(skin, kFace, h);
  EXPECT_EQ(horz.Pixel(4, 8), From(4, kArrowTag));
  EXPECT_EQ(horz.Pixel(195, 8), From(5, kArrowTag));
  EXPECT_EQ(horz.Pixel(80, 8), From(17, kArrowTag));
}

TEST(ScrollBarImage, UnavailableBarHasTheDisabledShaftAndNoThumb) {
  const TParsedSkin skin = BarSkin();
  TScrollBarState s = Vertical(200, {60, 100});
  s.Unavailable = true;
  const TPixelBuffer bar = BuildScrollBarImage(skin, kFace, s);
  EXPECT_EQ(bar.Pixel(8, 30), From(3, kShaftTag));
  EXPECT_EQ(bar.Pixel(8, 80), From(3, kShaftTag));
}

TEST(ScrollBarImage, ShortBarDrawsTwoHalfArrowsAndNoTrack) {
  const TParsedSkin skin = BarSkin();
  const TPixelBuffer bar = BuildScrollBarImage(skin, kFace, Vertical(20, {16, 16}));
  for (int y = 0; y < 10; ++y) EXPECT_EQ(bar.Pixel(8, y), From(9, kArrowTag)) << y;
  for (int y = 10; y < 20; ++y) EXPECT_EQ(bar.Pixel(8, y), From(13, kArrowTag)) << y;
}

TEST(ScrollBarImage, ThumbOutsideTheBarIsLeftOutAndMissingArrowsDrawNothing) {
  TParsedSkin skin = BarSkin();
  const TPixelBuffer bar = BuildScrollBarImage(skin, kFace, Vertical(200, {170, 230}));
  EXPECT_EQ(bar.Pixel(8, 175), From(1, kShaftTag));
  // Without shafts the face colour shows between the arrows.
  skin.VertScroll.reset();
  EXPECT_EQ(BuildScrollBarImage(skin, kFace, Vertical(200, {60, 100})).Pixel(8, 30),
            PixelFromColor(kFace));
  skin.Scrollbar->Image.Clear();
  EXPECT_TRUE(BuildScrollBarImage(skin, kFace, Vertical(200, {60, 100})).Empty());
  skin.Scrollbar.reset();
  EXPECT_TRUE(BuildScrollBarImage(skin, kFace, Vertical(200, {60, 100})).Empty());
}
