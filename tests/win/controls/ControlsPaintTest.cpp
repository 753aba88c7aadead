// What the controls that draw themselves show: panel bevels and the parent
// showing through, a glyph on a bitmap button and greyed when disabled, a
// flat speed button's edge only under the mouse. Pixels are read back from
// the screen.
#include <gtest/gtest.h>

#include "ControlsTestSupport.h"
#include "toolkit/BitBtn.h"
#include "toolkit/CustomCheckBox.h"
#include "toolkit/CustomGroupBox.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/SpeedButton.h"
#include "toolkit/ToolkitTestSupport.h"

namespace {

using namespace controls_test;

constexpr int kGreen = 0x00A000;

bool IsRed(COLORREF C) {
  return GetRValue(C) > 200 && GetGValue(C) < 60 && GetBValue(C) < 60;
}

int CountRed(HWND Wnd, const RECT& Area) {
  HDC dc = GetDC(Wnd);
  int red = 0;
  for (int y = Area.top; y < Area.bottom; ++y)
    for (int x = Area.left; x < Area.right; ++x)
      if (IsRed(GetPixel(dc, x, y))) ++red;
  ReleaseDC(Wnd, dc);
  return red;
}

class ControlsPaintTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    Application->Initialize();
    Form = new TForm(nullptr);
    Form->SetBounds(80, 80, 400, 260);
    Form->SetColor(kGreen);
    Form->Show();
    PumpMessages();
  }
  static void TearDownTestSuite() {
    delete Form;
    Form = nullptr;
  }
  void TearDown() override {
    Form->DestroyOwnedComponents();
    MoveMouse({2, 2});
  }
  static inline TForm* Form = nullptr;
};

TEST_F(ControlsPaintTest, PanelDrawsItsBevelsAndCanShowItsParentInstead) {
  auto* panel = new TPanel(Form);
  panel->SetBounds(10, 10, 100, 60);
  panel->SetColor(0xFFFFFF);
  panel->SetBevelOuter(bvRaised);
  panel->SetBevelInner(bvLowered);
  panel->SetParent(Form);
  panel->Repaint();
  PumpMessages();
  HWND wnd = panel->WindowHandle();
  const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
  // Raised outside: light top left, dark bottom right; lowered inside the reverse.
  EXPECT_EQ(PixelOf(wnd, 5, 0), light);
  EXPECT_EQ(PixelOf(wnd, 99, 30), dark);
  EXPECT_EQ(PixelOf(wnd, 5, 1), dark);
  EXPECT_EQ(PixelOf(wnd, 98, 30), light);
  EXPECT_EQ(PixelOf(wnd, 50, 30), RGB(255, 255, 255));

  panel->SetParentBackground(true);
  panel->Repaint();
  PumpMessages();
  EXPECT_EQ(PixelOf(wnd, 50, 30), ColorToRGB(kGreen));
  EXPECT_EQ(PixelOf(wnd, 5, 0), light);  // the bevels stay
}

TEST_F(ControlsPaintTest, GroupBoxesAndCheckBoxesShowTheColourTheySitOn) {
  auto* group = new TGroupBox(Form);
  group->SetBounds(10, 10, 200, 100);
  group->SetText("Group");
  group->SetParent(Form);
  auto* check = new TCheckBox(Form);
  check->SetBounds(10, 20, 150, 20);
  check->SetText("On the group");
  check->SetParent(group);
  group->Repaint();
  check->Repaint();
  PumpMessages();
  const COLORREF green = ColorToRGB(kGreen);
  // Inside the frame, and right of the check box's text.
  EXPECT_EQ(PixelOf(group->WindowHandle(), 100, 80), green);
  EXPECT_EQ(PixelOf(check->WindowHandle(), 145, 10), green);
  group->SetColor(0xFFFFFF);
  group->Repaint();
  check->Repaint();
  PumpMessages();
  EXPECT_EQ(PixelOf(group->WindowHandle(), 100, 80), RGB(255, 255, 255));
  EXPECT_EQ(PixelOf(check->WindowHandle(), 145, 10), RGB(255, 255, 255));
}

TEST_F(ControlsPaintTest, BitBtnShowsItsGlyphAndGreysItWhenDisabled) {
  auto* button = new TBitBtn(Form);
  button->SetBounds(10, 100, 120, 34);
  TBitmap glyph;
  glyph.SetPixelFormat(pf32bit);
  glyph.SetSize(16, 16);
  glyph.Canvas().Brush().SetColor(0x0000FF);  // red
  glyph.Canvas().FillRect({0, 0, 16, 16});
  glyph.Canvas().Brush().SetColor(0xFF00FF);  // transparent corner
  glyph.Canvas().FillRect({0, 12, 4, 16});
  glyph.Canvas().SetHandle(nullptr);
  button->SetGlyph(&glyph);
  button->SetText("Glyph");
  button->SetParent(Form);
  button->Repaint();
  PumpMessages();
  RECT client;
  GetClientRect(button->WindowHandle(), &client);
  // 16 x 16 less the transparent 4 x 4 corner.
  EXPECT_EQ(CountRed(button->WindowHandle(), client), 16 * 16 - 16);

  button->SetEnabled(false);
  button->Repaint();
  PumpMessages();
  EXPECT_EQ(CountRed(button->WindowHandle(), client), 0);
}

TEST_F(ControlsPaintTest, FlatSpeedButtonShowsItsEdgeOnlyUnderTheMouse) {
  auto* button = new TSpeedButton(Form);
  button->SetBounds(200, 20, 40, 30);
  button->SetFlat(true);
  button->SetParent(Form);
  Form->Repaint();
  PumpMessages();
  HWND wnd = Form->Handle();
  const COLORREF green = ColorToRGB(kGreen);
  EXPECT_EQ(PixelOf(wnd, 210, 20), green);  // transparent and idle: only the form
  MoveMouse(ToScreen(wnd, {220, 35}));
  PumpMessages(100);
  EXPECT_TRUE(button->MouseInControl());
  EXPECT_EQ(PixelOf(wnd, 210, 20), GetSysColor(COLOR_BTNHIGHLIGHT));
  MoveMouse(ToScreen(wnd, {350, 200}));
  PumpMessages(100);
  EXPECT_EQ(PixelOf(wnd, 210, 20), green);

  // Not flat: the face is drawn all the time.
  button->SetFlat(false);
  Form->Repaint();
  PumpMessages();
  EXPECT_EQ(PixelOf(wnd, 220, 35), GetSysColor(COLOR_BTNFACE));
}

}  // namespace
