// The up-down painter on real up-down controls: each half shows the frame
// of its state from the skin's up-down element while the arrows still step
// the buddy; the horizontal element for a horizontal control; and the
// up-down inside a date-time picker found by the edit painter.
#include <gtest/gtest.h>
#include <windows.h>

#include "common/SyntheticInput.h"
#include "skin/engine/EngineMessages.h"
#include "skin/imaging/ImagePrimitives.h"
#include "skin/painters/SkinEdit.h"
#include "skin/painters/SkinUpDown.h"
#include "skinedits/EditSupport.h"
#include "toolkit/CustomEdit.h"
#include "toolkit/DateTimePicker.h"
#include "toolkit/UpDown.h"

namespace {

// What an up-down Width x Height shows with the two halves in the given
// element frames.
TPixelBuffer ExpectedUpDown(const TDataSkinBorder& Element, int Width, int Height, bool Vertical,
                            int First, int Second, TColor Face) {
  TPixelBuffer image(Width, Height, PixelFromColor(static_cast<TColor>(ColorToRGB(Face))));
  const TRect halves[2] = {
      Vertical ? TRect{0, 0, Width, Height / 2} : TRect{0, 0, Width / 2, Height},
      Vertical ? TRect{0, Height / 2, Width, Height} : TRect{Width / 2, 0, Width, Height}};
  const int frames[2] = {First, Second};
  for (int i = 0; i < 2; ++i) {
    DrawSliced(image, halves[i], Element.Image, false, Element.Tile != 0, Element.Trans != 0,
               Element.FrameCount, frames[i], Element.Margins);
    DrawFrameCentered(image, halves[i], Element.SecondImage, true, Element.FrameCount, frames[i]);
  }
  return image;
}

// Whether the window shows the halves in these frames.
bool Shows(HWND Window, const TDataSkinBorder& Element, bool Vertical, int First, int Second,
           TColor Face) {
  const TPixelBuffer shot = CaptureWindow(Window);
  const TPixelBuffer expected =
      ExpectedUpDown(Element, shot.Width(), shot.Height(), Vertical, First, Second, Face);
  // The part not hidden by the parent's border.
  RECT visible = WindowRectOf(Window);
  if (HWND parent = GetParent(Window); parent && (GetWindowLongPtrA(Window, GWL_STYLE) & WS_CHILD)) {
    RECT client = ClientRectOf(parent);
    MapWindowPoints(parent, nullptr, reinterpret_cast<POINT*>(&client), 2);
    IntersectRect(&visible, &visible, &client);
  }
  OffsetRect(&visible, -WindowRectOf(Window).left, -WindowRectOf(Window).top);
  int same = 0, shown = 0;
  for (int y = 0; y < shot.Height(); ++y)
    for (int x = 0; x < shot.Width(); ++x) {
      if (!PtInRect(&visible, POINT{x, y})) continue;
      ++shown;
      same += shot.Pixel(x, y) == expected.Pixel(x, y);
    }
  return shown > 0 && same >= shown * 97 / 100;
}

std::string TextOf(HWND Window) {
  char text[64] = {};
  GetWindowTextA(Window, text, sizeof text);
  return text;
}

}  // namespace

TEST(SkinUpDown, EachHalfShowsItsStateWhileTheArrowsStepTheBuddy) {
  TEditsForm form;
  auto* buddy = form.Add<TEdit>(20, 20, 80, 23);
  auto* upDown = form.Add<TUpDown>(100, 20, 17, 23);
  upDown->SetAssociate(buddy);
  upDown->SetMax(10);
  upDown->SetPosition(5);
  auto* across = form.Add<TUpDown>(200, 20, 34, 18);
  across->SetOrientation(udHorizontal);
  ASSERT_TRUE(form.Skin());
  HWND wnd = upDown->WindowHandle();
  auto* painter = dynamic_cast<TSkinUpDown*>(form.PainterOf(wnd));
  ASSERT_NE(painter, nullptr);
  ASSERT_NE(dynamic_cast<TSkinUpDown*>(form.PainterOf(across->WindowHandle())), nullptr);
  const TParsedSkin& skin = form.Skinned.Data->Skin();
  const TColor face = skin.Colours.ButtonFace;
  ASSERT_TRUE(skin.UpDownVert && skin.UpDownHorz);
  MouseMoveTo(5, 5);
  RedrawNow(form.Form());
  EXPECT_TRUE(Shows(wnd, *skin.UpDownVert, true, 1, 5, face));
  EXPECT_TRUE(Shows(across->WindowHandle(), *skin.UpDownHorz, false, 1, 5, face));

  const RECT r = WindowRectOf(wnd);
  const int h = r.bottom - r.top, w = r.right - r.left;
  const POINT up = ScreenPoint(wnd, w / 2, h / 4);
  const POINT down = ScreenPoint(wnd, w / 2, h * 3 / 4);
  MouseMoveTo(up.x, up.y);
  EXPECT_TRUE(PumpUntil([&] { return painter->HotHalf() == TSkinUpDown::uhFirst; }, 2000));
  EXPECT_TRUE(Shows(wnd, *skin.UpDownVert, true, 4, 5, face));

  // Held on the upper arrow: pressed, and the buddy steps up.
  MouseButton(true);
  EXPECT_EQ(painter->PressedHalf(), TSkinUpDown::uhFirst);
  EXPECT_TRUE(Shows(wnd, *skin.UpDownVert, true, 2, 5, face));
  MouseButton(false);
  EXPECT_TRUE(PumpUntil([&] { return TextOf(buddy->WindowHandle()) == "6"; }, 2000))
      << TextOf(buddy->WindowHandle());
  EXPECT_EQ(painter->PressedHalf(), TSkinUpDown::uhNone);

  MouseMoveTo(down.x, down.y);
  EXPECT_TRUE(PumpUntil([&] { return painter->HotHalf() == TSkinUpDown::uhSecond; }, 2000));
  EXPECT_TRUE(Shows(wnd, *skin.UpDownVert, true, 1, 8, face));
  MouseButton(true);
  EXPECT_TRUE(Shows(wnd, *skin.UpDownVert, true, 1, 6, face));
  MouseButton(false);
  ClickScreen(down);
  EXPECT_TRUE(PumpUntil([&] { return TextOf(buddy->WindowHandle()) == "4"; }, 2000))
      << TextOf(buddy->WindowHandle());
  MouseMoveTo(5, 5);
  EXPECT_TRUE(PumpUntil([&] { return painter->HotHalf() == TSkinUpDown::uhNone; }, 2000));

  upDown->SetEnabled(false);
  PumpMessages(40);
  EXPECT_TRUE(Shows(wnd, *skin.UpDownVert, true, 3, 7, face));

  ASSERT_TRUE(form.Unskin());
  EXPECT_NE(SendMessageA(wnd, SM_ISSKINNED, 0, 0), 1);
  RedrawNow(wnd);
  EXPECT_FALSE(Shows(wnd, *skin.UpDownVert, true, 3, 7, face));
}

TEST(SkinUpDown, TheArrowsInsideADateTimePickerGetTheirPainterFromTheEditPainter) {
  TEditsForm form;
  auto* picker = form.Add<TDateTimePicker>(20, 20, 160, 23);
  picker->SetDateMode(dmUpDown);
  picker->SetDate("2026-03-14");
  ASSERT_TRUE(form.Skin());
  HWND wnd = picker->WindowHandle();
  auto* painter = dynamic_cast<TSkinEdit*>(form.PainterOf(wnd));
  ASSERT_NE(painter, nullptr);
  RedrawNow(wnd);
  ASSERT_NE(painter->UpDownPainter(), nullptr);
  HWND arrows = painter->UpDownPainter()->Handle();
  EXPECT_EQ(GetParent(arrows), wnd);
  EXPECT_EQ(SendMessageA(arrows, SM_ISSKINNED, 0, 0), 1);
  const TParsedSkin& skin = form.Skinned.Data->Skin();
  MouseMoveTo(5, 5);
  RedrawNow(wnd);
  EXPECT_TRUE(Shows(arrows, *skin.UpDownVert, true, 1, 5, skin.Colours.ButtonFace));
  EXPECT_EQ(PixelOf(wnd, 0, 0), form.Shown(skin.Colours.ButtonShadow));

  // The arrows still step the picker's field (the day, once chosen).
  ClickScreen(ScreenPoint(wnd, 6, 11));
  PumpMessages(50);
  const std::string before = picker->GetDate();
  const RECT r = WindowRectOf(arrows);
  ClickScreen({(r.left + r.right) / 2, r.top + (r.bottom - r.top) / 4});
  EXPECT_TRUE(PumpUntil([&] { return picker->GetDate() != before; }, 2000)) << before;

  ASSERT_TRUE(form.Unskin());
  EXPECT_NE(SendMessageA(arrows, SM_ISSKINNED, 0, 0), 1);
}
