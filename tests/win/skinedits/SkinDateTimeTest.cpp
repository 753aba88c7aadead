// The date-time painter on a real picker with a drop-down calendar: the
// skin's border and an arrow button over the picker's own, in the frame of
// each state, while the calendar still drops under the mouse; a new skin
// reaching the button; the picker given back as it was.
#include <gtest/gtest.h>
#include <windows.h>

#include <commctrl.h>

#include "common/SyntheticInput.h"
#include "skin/engine/EngineMessages.h"
#include "skin/imaging/ImagePrimitives.h"
#include "skin/painters/ArrowButton.h"
#include "skin/painters/SkinDateTime.h"
#include "skin/painters/SkinUpDown.h"
#include "skinedits/EditSupport.h"
#include "toolkit/CustomEdit.h"
#include "toolkit/DateTimePicker.h"

namespace {

// The frame (1..4) of the skin's combo arrow the arrow button shows, or 0.
int ShownArrowFrame(HWND Button, const TDataSkinObject& Arrow, TColor Face) {
  const TPixelBuffer shot = CaptureWindow(Button);
  for (int frame = 1; frame <= Arrow.FrameCount; ++frame) {
    TPixelBuffer expected(shot.Width(), shot.Height(),
                          PixelFromColor(static_cast<TColor>(ColorToRGB(Face))));
    DrawFrameStretched(expected, expected.Bounds(), Arrow.Image, true, Arrow.FrameCount, frame);
    int same = 0;
    for (int y = 0; y < shot.Height(); ++y)
      for (int x = 0; x < shot.Width(); ++x) same += shot.Pixel(x, y) == expected.Pixel(x, y);
    if (same >= shot.Width() * shot.Height() * 97 / 100) return frame;
  }
  return 0;
}

bool CalendarShown(HWND Picker) {
  const auto calendar = reinterpret_cast<HWND>(SendMessageA(Picker, DTM_GETMONTHCAL, 0, 0));
  return calendar && IsWindowVisible(calendar);
}

}  // namespace

TEST(SkinDateTime, TheArrowButtonShowsEachStateAndTheCalendarStillDrops) {
  TEditsForm form;
  auto* picker = form.Add<TDateTimePicker>(20, 20, 160, 23);
  picker->SetDate("2026-03-01");
  auto* away = form.Add<TEdit>(220, 20, 120, 23);
  auto* stepper = form.Add<TDateTimePicker>(20, 60, 160, 23);
  stepper->SetDateMode(dmUpDown);
  const LONG_PTR style = GetWindowLongPtrA(picker->WindowHandle(), GWL_STYLE);
  ASSERT_TRUE(form.Skin());
  HWND wnd = picker->WindowHandle();
  auto* painter = dynamic_cast<TSkinDateTime*>(form.PainterOf(wnd));
  ASSERT_NE(painter, nullptr);
  TArrowButton* arrow = painter->ArrowButton();
  ASSERT_NE(arrow, nullptr);
  HWND button = arrow->WindowHandle();
  EXPECT_EQ(GetParent(button), wnd);
  const RECT place = painter->PickerButtonRect();
  EXPECT_EQ(arrow->BoundsRect().left, place.left);
  EXPECT_EQ(arrow->BoundsRect().right, place.right);
  const TParsedSkin& skin = form.Skinned.Data->Skin();
  ASSERT_TRUE(skin.ComboxArrow);
  const TColor face = skin.Colours.ButtonFace;

  ClickScreen(CentreOf(away->WindowHandle()));
  MouseMoveTo(5, 5);
  PumpUntil([&] { return GetFocus() == away->WindowHandle(); }, 2000);
  RedrawNow(wnd);
  EXPECT_EQ(PixelOf(wnd, 0, 0), form.Shown(skin.Colours.ButtonShadow));
  EXPECT_EQ(ShownArrowFrame(button, *skin.ComboxArrow, face), TArrowButton::afNormal);

  const POINT centre = CentreOf(button);
  MouseMoveTo(centre.x, centre.y);
  EXPECT_TRUE(PumpUntil([&] { return arrow->Frame() == TArrowButton::afHot; }, 2000));
  EXPECT_EQ(ShownArrowFrame(button, *skin.ComboxArrow, face), TArrowButton::afHot);

  // A click goes through the arrow button to the picker, whose calendar
  // drops; the button shows pressed while it is open.
  MouseButton(true);
  MouseButton(false);
  EXPECT_TRUE(PumpUntil([&] { return CalendarShown(wnd); }, 2000));
  PumpMessages(40);
  EXPECT_EQ(ShownArrowFrame(button, *skin.ComboxArrow, face), TArrowButton::afPressed);
  // Choosing a day closes the calendar and releases the button.
  const auto calendar = reinterpret_cast<HWND>(SendMessageA(wnd, DTM_GETMONTHCAL, 0, 0));
  const RECT days = WindowRectOf(calendar);
  const std::string before = picker->GetDate();
  ClickScreen({(days.left + days.right) / 2, (days.top + days.bottom) / 2 + 10});
  EXPECT_TRUE(PumpUntil([&] { return !CalendarShown(wnd); }, 2000));
  EXPECT_NE(picker->GetDate(), before);
  ClickScreen(CentreOf(away->WindowHandle()));
  MouseMoveTo(5, 5);
  EXPECT_TRUE(PumpUntil([&] { return arrow->Frame() == TArrowButton::afNormal; }, 2000))
      << arrow->Frame();
  EXPECT_EQ(ShownArrowFrame(button, *skin.ComboxArrow, face), TArrowButton::afNormal);

  picker->SetEnabled(false);
  PumpMessages(40);
  EXPECT_EQ(ShownArrowFrame(button, *skin.ComboxArrow, face), TArrowButton::afDisabled);
  picker->SetEnabled(true);

  // A new skin reaches the arrow button and the arrows inside a picker
  // that steps: the arrow is the new skin's (a solid blue normal frame),
  // and without up-down elements the arrows are drawn in the face colour.
  HWND steps = stepper->WindowHandle();
  auto* stepperPainter = dynamic_cast<TSkinEdit*>(form.PainterOf(steps));
  ASSERT_NE(stepperPainter, nullptr);
  ASSERT_NE(stepperPainter->UpDownPainter(), nullptr);
  HWND arrows = stepperPainter->UpDownPainter()->Handle();
  const RECT a = WindowRectOf(arrows);
  const POINT inArrows{(a.right - a.left) / 2, (a.bottom - a.top) / 4};
  const TPixel programArrows = PixelOf(arrows, inArrows.x, 1);
  TTempSkinFile other(ButtonStyleSkin(0));
  form.Skinned.Data->SetSkinFile(other.Path());
  EXPECT_TRUE(PumpUntil([&] { return PixelOf(button, 4, 4) == PixelFromRgb(0, 0, 255); }, 3000));
  EXPECT_TRUE(PumpUntil(
      [&] { return PixelOf(arrows, 3, inArrows.y) == form.Shown(form.Colours().ButtonFace); },
      3000));
  EXPECT_NE(PixelOf(arrows, inArrows.x, 1), programArrows);

  ASSERT_TRUE(form.Unskin());
  EXPECT_NE(SendMessageA(wnd, SM_ISSKINNED, 0, 0), 1);
  EXPECT_FALSE(IsWindow(button));
  EXPECT_EQ(GetWindowLongPtrA(wnd, GWL_STYLE) & WS_CLIPCHILDREN, style & WS_CLIPCHILDREN);
}
