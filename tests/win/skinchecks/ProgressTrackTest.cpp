// Progress bars and track bars on real skinned forms: the trough, the filled
// part and the thumb drawn from the skin, following the native control as
// code, mouse and keys move it.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "common/SyntheticInput.h"
#include "skin/imaging/ImagePrimitives.h"
#include "skin/painters/SkinProgress.h"
#include "skin/painters/SkinTrackBar.h"
#include "skinchecks/ChecksSupport.h"
#include "toolkit/ProgressBar.h"
#include "toolkit/TrackBar.h"

namespace {

TPixel AsPixel(TColor Colour) {
  return PixelFromColor(static_cast<TColor>(ColorToRGB(Colour)));
}

// What the element's Frame drawn sliced over Area of a face-coloured image
// of Size gives at (X, Y).
TPixel SlicedPixel(const TDataSkinObject& Element, int Frame, SIZE Size, const RECT& Area,
                   TColor Face, int X, int Y) {
  TPixelBuffer image(Size.cx, Size.cy, AsPixel(Face));
  DrawSliced(image, TRect{Area.left, Area.top, Area.right, Area.bottom}, Element.Image, false,
             Element.Tile != 0, Element.Trans != 0, Element.FrameCount > 0 ? Element.FrameCount : 1,
             Frame, Element.Margins);
  return image.Pixel(X, Y);
}

}  // namespace

TEST(SkinProgress, TheFilledPartFollowsThePositionAcrossAndUpwards) {
  TProgressBar* across = nullptr;
  TProgressBar* upright = nullptr;
  TProgressBar* blocks = nullptr;
  TControlsForm form(ProgramSkin(), [&](TForm& Form) {
    across = new TProgressBar(&Form);
    upright = new TProgressBar(&Form);
    blocks = new TProgressBar(&Form);
    for (TProgressBar* bar : {across, upright, blocks}) bar->SetParent(&Form);
    across->SetBounds(20, 20, 200, 16);
    across->SetSmooth(true);
    upright->SetBounds(250, 20, 16, 120);
    upright->SetOrientation(pbVertical);
    upright->SetSmooth(true);
    blocks->SetBounds(20, 60, 200, 16);
    for (TProgressBar* bar : {across, upright, blocks}) bar->SetPosition(50);
  });
  ASSERT_TRUE(form.Ready());
  auto* painter = form.PainterOf<TSkinProgress>(across->WindowHandle());
  ASSERT_NE(painter, nullptr);
  ASSERT_NE(form.PainterOf<TSkinProgress>(upright->WindowHandle()), nullptr);
  const TParsedSkin& skin = form.Skinned.Data->Skin();
  const TDataSkinObject& chunk = *skin.ProgressChunk;
  const TDataSkinObject& trough = *skin.Progress;

  // Half filled: the chunk over the left half, the trough's inside right.
  RedrawNow(across->WindowHandle());
  const RECT filled = painter->FilledRect();
  EXPECT_EQ(filled.right - 2, (200 - 2 * 2) / 2);
  TPixelBuffer shown = CaptureWindow(across->WindowHandle());
  const SIZE size{200, 16};
  EXPECT_EQ(shown.Pixel(40, 8), SlicedPixel(chunk, 1, size, filled, form.Face(), 40, 8));
  EXPECT_EQ(shown.Pixel(160, 8),
            SlicedPixel(trough, 1, size, RECT{0, 0, 200, 16}, form.Face(), 160, 8));
  EXPECT_NE(shown.Pixel(40, 8), shown.Pixel(160, 8));

  across->SetPosition(100);
  EXPECT_TRUE(WaitForPixels(across->WindowHandle(), [&](const TPixelBuffer& Now) {
    return Now.Pixel(190, 8) == Now.Pixel(40, 8);
  }));
  EXPECT_EQ(painter->FilledRect().right, 198);

  // Upright: filled from the bottom.
  shown = CaptureWindow(upright->WindowHandle());
  EXPECT_NE(shown.Pixel(8, 100), shown.Pixel(8, 20));

  // Not smooth: blocks of the chunk's width with gaps between them.
  const int block = chunk.Image.Width() / (chunk.FrameCount > 0 ? chunk.FrameCount : 1);
  shown = CaptureWindow(blocks->WindowHandle());
  EXPECT_EQ(shown.Pixel(2 + block / 2, 8), CaptureWindow(across->WindowHandle()).Pixel(40, 8));
  EXPECT_NE(shown.Pixel(2 + block, 8), shown.Pixel(2 + block / 2, 8)) << "no gap after a block";

  // The part filled for a position, rounding down and clamped.
  const RECT inner{2, 2, 102, 12};
  EXPECT_EQ(TSkinProgress::FilledPart(inner, 0, 3, 1, false).right, 35);
  EXPECT_EQ(TSkinProgress::FilledPart(inner, 0, 100, 250, false).right, 102);
  EXPECT_EQ(TSkinProgress::FilledPart(inner, 10, 10, 10, false).right, 2);
  EXPECT_EQ(TSkinProgress::FilledPart(inner, 0, 10, 5, true).top, 7);
}

namespace {

// The thumb frame a track bar shows, read from its pixels (0: none).
int ShownThumbFrame(HWND Bar, const TDataSkinObject& Thumb, TColor Face) {
  RECT rect{};
  SendMessageA(Bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&rect));
  const int frames = Thumb.FrameCount, w = Thumb.Image.Width() / frames, h = Thumb.Image.Height();
  const int left = rect.left + (rect.right - rect.left - w) / 2;
  const int top = rect.top + (rect.bottom - rect.top - h) / 2;
  return StripFrameAt(CaptureWindow(Bar), TRect{left, top, left + w, top + h}, Thumb.Image, frames,
                      Face);
}

POINT ThumbCentre(HWND Bar) {
  RECT rect{};
  SendMessageA(Bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&rect));
  return ScreenPoint(Bar, (rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

}  // namespace

TEST(SkinTrackBar, TheThumbFollowsMouseAndKeysInTheFrameOfItsState) {
  TTrackBar* bar = nullptr;
  TTrackBar* upright = nullptr;
  TControlsForm form(ProgramSkin(), [&](TForm& Form) {
    // The upright bar comes first in the tab order and has the focus.
    upright = new TTrackBar(&Form);
    upright->SetParent(&Form);
    upright->SetBounds(300, 20, 40, 160);
    upright->SetOrientation(trVertical);
    bar = new TTrackBar(&Form);
    bar->SetParent(&Form);
    bar->SetBounds(20, 20, 240, 40);
  });
  ASSERT_TRUE(form.Ready());
  HWND window = bar->WindowHandle();
  ASSERT_NE(form.PainterOf<TSkinTrackBar>(window), nullptr);
  const TParsedSkin& skin = form.Skinned.Data->Skin();
  const TDataSkinObject& thumb = *skin.ThumbHorz;
  const auto shows = [&](int Frame) {
    return PumpUntil([&] { return ShownThumbFrame(window, thumb, form.Face()) == Frame; });
  };
  MouseMoveTo(5, 5);
  EXPECT_TRUE(shows(1));
  upright->SetFocus();
  EXPECT_TRUE(PumpUntil(
      [&] { return ShownThumbFrame(upright->WindowHandle(), *skin.ThumbVert, form.Face()) == 5; }));

  // Over the thumb: mouse over; a click on the channel pages the thumb on
  // and focuses the bar.
  const POINT over = ThumbCentre(window);
  MouseMoveTo(over.x, over.y);
  EXPECT_TRUE(shows(4));
  RECT channel{};
  SendMessageA(window, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  ClickScreen(ScreenPoint(window, channel.right - 20, (channel.top + channel.bottom) / 2));
  ASSERT_TRUE(PumpUntil([&] { return bar->GetPosition() > 0; }));
  MouseMoveTo(5, 5);
  EXPECT_TRUE(shows(5));

  // Keys move it too, and the thumb is drawn where it went.
  const int before = bar->GetPosition();
  PressChord({VK_HOME});
  ASSERT_TRUE(PumpUntil([&] { return bar->GetPosition() == 0 && before != 0; }));
  EXPECT_TRUE(shows(5));

  // Held: pressed, dragged to the end.
  const POINT start = ThumbCentre(window);
  MouseMoveTo(start.x, start.y);
  MouseButton(true);
  EXPECT_TRUE(shows(2));
  MouseMoveTo(ScreenPoint(window, 239, 20).x, start.y);
  MouseButton(false);
  EXPECT_TRUE(PumpUntil([&] { return bar->GetPosition() == bar->GetMax(); }));
  MouseMoveTo(5, 5);
  EXPECT_TRUE(shows(5));

  bar->SetEnabled(false);
  EXPECT_TRUE(shows(3));
  // The track runs along the channel, clear of the thumb.
  const TPixelBuffer shown = CaptureWindow(window);
  const int y = (channel.top + channel.bottom) / 2;
  EXPECT_NE(shown.Pixel(channel.left + 40, y), AsPixel(form.Face()));
}
