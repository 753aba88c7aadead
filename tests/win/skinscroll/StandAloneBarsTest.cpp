// Scroll-bar controls and drop-down lists under their overlays: real
// clicks and drags on the overlay move the control, short and empty bars
// draw soundly, and the drop-down list's bar is covered while it is open.
#include <gtest/gtest.h>

#include "common/MessagePump.h"
#include "skin/imaging/ImagePrimitives.h"
#include "skin/imaging/SkinSystem.h"
#include "skin/painters/ComboxScrollBar.h"
#include "skin/painters/SkinScControl.h"
#include "skin/painters/WScrollbar.h"
#include "skinscroll/ScrollTestSupport.h"
#include "toolkit/CustomComboBox.h"
#include "toolkit/ScrollBar.h"

namespace {

TScrollBar* AddBar(TScrollForm& Window, RECT Bounds, TScrollBarKind Kind) {
  auto* bar = Window.Add<TScrollBar>(Bounds);
  bar->SetKind(Kind);
  bar->SetBounds(Bounds.left, Bounds.top, Bounds.right - Bounds.left, Bounds.bottom - Bounds.top);
  bar->SetParams(0, 0, 100);
  bar->SetSmallChange(1);
  bar->SetLargeChange(10);
  return bar;
}

TSkinScControl* AttachControl(TScrollBar* Bar, TSkinData* Data) {
  auto* painter = new TSkinScControl(Bar);
  painter->AttachScrollBar(Bar, Data, nullptr, nullptr);
  PumpMessages(40);
  return painter;
}

}  // namespace

TEST(StandAloneBars, ClicksAndDragsOnTheOverlayMoveTheControl) {
  TScrollForm window;
  TScrollBar* bar = AddBar(window, {20, 20, 37, 320}, sbVertical);
  TWScrollbar* overlay = AttachControl(bar, window.Data)->Bar();
  ASSERT_NE(overlay, nullptr);
  ASSERT_TRUE(overlay->Shown());
  EXPECT_TRUE(overlay->Vertical());
  RECT native = WindowRectOf(bar->Handle());
  const RECT covered = WindowRectOf(overlay->WindowHandle());
  EXPECT_TRUE(EqualRect(&native, &covered));
  EXPECT_EQ(GetWindow(bar->Handle(), GW_HWNDPREV), overlay->WindowHandle());
  EXPECT_EQ(PixelsOffPicture(*window.Data, *overlay), 0);

  const int arrow = overlay->ArrowSize();
  ClickAt(OnBar(*overlay, overlay->Length() - arrow / 2));
  EXPECT_EQ(bar->GetPosition(), 1);
  ClickAt(OnBar(*overlay, overlay->Thumb().End + 20));
  EXPECT_EQ(bar->GetPosition(), 11);
  ClickAt(OnBar(*overlay, arrow / 2));
  EXPECT_EQ(bar->GetPosition(), 10);
  // The overlay's thumb follows the position.
  EXPECT_EQ(overlay->Thumb(), TScrollBarGeometry::ThumbForRange(overlay->Length(), arrow,
                                                                {0, 100, 0, 10}));
  EXPECT_EQ(PixelsOffPicture(*window.Data, *overlay), 0);

  const int grab = (overlay->Thumb().Start + overlay->Thumb().End) / 2;
  DragFromTo(OnBar(*overlay, grab), OnBar(*overlay, grab + 100));
  EXPECT_GT(bar->GetPosition(), 40);
  EXPECT_FALSE(overlay->Pressed());

  // Moved and hidden with the control.
  bar->SetBounds(60, 30, 17, 200);
  PumpMessages(40);
  native = WindowRectOf(bar->Handle());
  const RECT moved = WindowRectOf(overlay->WindowHandle());
  EXPECT_TRUE(EqualRect(&native, &moved));
  bar->Hide();
  PumpMessages(40);
  EXPECT_FALSE(IsWindowVisible(overlay->WindowHandle()));
  bar->Show();
  PumpMessages(40);
  EXPECT_TRUE(IsWindowVisible(overlay->WindowHandle()));
}

TEST(StandAloneBars, EmptyShortAndDisabledBarsDrawSoundly) {
  TScrollForm window;
  // Minimum equal to maximum: the thumb stays at the start and a click
  // changes nothing.
  TScrollBar* empty = AddBar(window, {20, 20, 220, 37}, sbHorizontal);
  empty->SetParams(5, 5, 5);
  TWScrollbar* emptyOverlay = AttachControl(empty, window.Data)->Bar();
  ASSERT_TRUE(emptyOverlay->Shown());
  EXPECT_FALSE(emptyOverlay->Vertical());
  EXPECT_EQ(emptyOverlay->Thumb().Start, emptyOverlay->ArrowSize());
  EXPECT_EQ(PixelsOffPicture(*window.Data, *emptyOverlay), 0);
  ClickAt(OnBar(*emptyOverlay, emptyOverlay->Length() - 4));
  EXPECT_EQ(empty->GetPosition(), 5);

  // Shorter than two arrows: two half-length arrows.
  TScrollBar* shortBar = AddBar(window, {20, 60, 37, 80}, sbVertical);
  TWScrollbar* shortOverlay = AttachControl(shortBar, window.Data)->Bar();
  ASSERT_TRUE(shortOverlay->Shown());
  EXPECT_EQ(shortOverlay->Length(), 20);
  EXPECT_EQ(PixelsOffPicture(*window.Data, *shortOverlay), 0);
  const TPixelBuffer shown = ScreenPixels(WindowRectOf(shortOverlay->WindowHandle()));
  const TDataSkinObject& arrows = *window.Data->Skin().Scrollbar;
  // The up arrow's picture squeezed into 10 pixels, then the down arrow's.
  const TPixel face = PixelFromColor(ResolveColor(window.Data->Skin().Colours.ButtonFace));
  TPixelBuffer up(17, 10, face), down(17, 10, face);
  DrawFrameStretched(up, up.Bounds(), arrows.Image, true, kScrollBarFrames, 9);
  DrawFrameStretched(down, down.Bounds(), arrows.Image, true, kScrollBarFrames, 13);
  EXPECT_EQ(shown.Copy({0, 0, 17, 10}), up);
  EXPECT_EQ(shown.Copy({0, 10, 17, 20}), down);

  // Disabled: no thumb, the shaft's unavailable frame.
  TScrollBar* disabled = AddBar(window, {20, 100, 220, 117}, sbHorizontal);
  disabled->SetEnabled(false);
  TWScrollbar* disabledOverlay = AttachControl(disabled, window.Data)->Bar();
  EXPECT_EQ(PixelsOffPicture(*window.Data, *disabledOverlay), 0);
  disabled->SetEnabled(true);
  PumpMessages(40);
  EXPECT_EQ(PixelsOffPicture(*window.Data, *disabledOverlay), 0);
}

TEST(StandAloneBars, DropDownListIsCoveredWhileOpenAndStillScrolls) {
  TScrollForm window;
  auto* combo = window.Add<TComboBox>({300, 20, 460, 40});
  combo->SetStyle(csDropDownList);
  for (int i = 0; i < 60; ++i) combo->GetItems()->Add("Choice " + std::to_string(i));
  combo->HandleNeeded();
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
  auto* painter = new TComboxScrollBar(window.Form.get());
  painter->AttachToWindow(info.hwndList, window.Data, nullptr, nullptr);
  TWScrollbar* overlay = painter->VertBar();
  ASSERT_NE(overlay, nullptr);
  EXPECT_FALSE(IsWindowVisible(overlay->WindowHandle()));

  combo->SetDroppedDown(true);
  PumpMessages(80);
  ASSERT_TRUE(IsWindowVisible(info.hwndList));
  ASSERT_TRUE(overlay->Shown());
  const RECT covered = WindowRectOf(overlay->WindowHandle());
  const SCROLLBARINFO native = NativeBar(info.hwndList, OBJID_VSCROLL);
  EXPECT_TRUE(EqualRect(&covered, &native.rcScrollBar));
  EXPECT_EQ(PixelsOffPicture(*window.Data, *overlay), 0);
  // The list keeps the mouse: a click on the down arrow reaches its bar.
  ClickAt(OnBar(*overlay, overlay->Length() - overlay->ArrowSize() / 2));
  EXPECT_EQ(SendMessageA(info.hwndList, LB_GETTOPINDEX, 0, 0), 1);
  EXPECT_EQ(PixelsOffPicture(*window.Data, *overlay), 0);

  combo->SetDroppedDown(false);
  PumpMessages(80);
  EXPECT_FALSE(IsWindowVisible(overlay->WindowHandle()));
  delete painter;
}
