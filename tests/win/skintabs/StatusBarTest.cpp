// Status bars drawn from the skin: panels with dividers, the last one with
// the size grip, texts placed as the system control places them, the
// simple text, owner-drawn panels; the grip still sizes the window.
#include <gtest/gtest.h>
#include <windows.h>
// (needs windows.h first)
#include <commctrl.h>

#include <algorithm>

#include "common/SyntheticInput.h"
#include "skin/engine/EngineMessages.h"
#include "skin/imaging/ImagePrimitives.h"
#include "skin/painters/SkinStatusBar.h"
#include "skinpainters/PainterSupport.h"
#include "skinrecognition/RecognitionSupport.h"
#include "skintabs/TabsSupport.h"
#include "toolkit/StatusBar.h"

namespace {

constexpr TPixel kGreen = PixelFromRgb(0, 255, 0);

struct TPanelDrawer {
  int Count = 0;
  void Draw(TCustomStatusBar* Bar, TStatusPanel*, const RECT& Rect) {
    ++Count;
    RECT mark{Rect.left + 2, Rect.top + 2, Rect.left + 6, Rect.top + 6};
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    FillRect(Bar->Canvas().Handle(), &mark, green);
    DeleteObject(green);
  }
};

}  // namespace

TEST(SkinStatusBar, PanelsGripTextsAndOwnerDrawnPanelsFromTheSkin) {
  TStatusBar* bar = nullptr;
  TPanelDrawer drawer;
  TRecognisedForm form([&](TForm& Form, TSkinData&) {
    bar = Add<TStatusBar>(Form, Form, 0, 0, 400, 22);
    bar->Panels().Add("Ready", 100);
    bar->Panels().Add("Middle", 120).SetAlignment(taCenter);
    bar->Panels().Add("Drawn", 60).SetStyle(psOwnerDraw);
    bar->Panels().Add("End", 100).SetAlignment(taRightJustify);
    bar->OnDrawPanel = TDrawPanelEvent(&drawer, &TPanelDrawer::Draw);
  });
  ASSERT_TRUE(form.Skinned());
  auto* painter = dynamic_cast<TSkinStatusBar*>(PainterOf(form.Skinner(), bar));
  ASSERT_NE(painter, nullptr);
  HWND window = bar->WindowHandle();
  PumpMessages(50);
  const TDataSkinObject& element = *form.Data().Skin().StatusBarEdges;
  const TColor face = form.Data().Skin().Colours.ButtonFace;
  const auto& panels = painter->PanelAreas();
  ASSERT_EQ(panels.size(), 4u);
  EXPECT_EQ(panels[0].Frame, TSkinStatusBar::pfDivided);
  EXPECT_EQ(panels[2].Frame, TSkinStatusBar::pfDivided);
  EXPECT_EQ(panels[3].Frame, TSkinStatusBar::pfGrip);
  RECT client{};
  GetClientRect(window, &client);
  EXPECT_EQ(panels[3].Area.right, client.right);

  // Each panel shows its frame where its text is not: the divider at the
  // right end, the grip in the last one's corner.
  const TPixelBuffer shown = CaptureWindow(window);
  for (size_t i = 0; i + 1 < panels.size(); ++i) {
    const TPixelBuffer panel = Crop(shown, panels[i].Area);
    const TRect rightEnd{panel.Width() - 5, 0, panel.Width(), panel.Height()};
    EXPECT_EQ(FrameOf(panel, element, element.Image, face, TFacing::Up, 0, rightEnd),
              panels[i].Frame)
        << "panel " << i;
  }

  // The grip keeps its shape in the corner: its dots there as in the
  // element, and none elsewhere along the bottom.
  const TRect gripFrame = CutFrame(element.Image, false, element.FrameCount, 3);
  const TPixel dot = element.Image.Pixel(gripFrame.Right - 3, gripFrame.Bottom - 3);
  const int dots = CountPixels(element.Image, gripFrame, dot);
  ASSERT_GT(dots, 0);
  const int corner = client.right - gripFrame.Width();
  EXPECT_EQ(CountPixels(shown, TRect{corner, 0, client.right, client.bottom}, dot), dots);
  EXPECT_EQ(CountPixels(shown, TRect{0, client.bottom - 5, corner, client.bottom}, dot), 0);

  // Texts: the first at the left, the centred one about the middle, the
  // last one's clear of the grip and right-aligned.
  const TPixelBuffer bare = [&] {
    TPixelBuffer b = shown;
    for (const auto& p : panels) {
      if (p.Frame == TSkinStatusBar::pfGrip) continue;
      const TPixelBuffer part = ExpectedItem(element, element.Image, p.Area.right - p.Area.left,
                                             p.Area.bottom - p.Area.top, p.Frame, face);
      b.CopyFrom(part, part.Bounds(), p.Area.left, p.Area.top);
    }
    return b;
  }();
  const int h = client.bottom;
  const auto first = DifferingColumns(shown, bare, TRect{0, 4, 95, h - 4});
  const auto middle = DifferingColumns(shown, bare, TRect{100, 4, 215, h - 4});
  const int p3 = panels[3].Area.left;
  const TPixelBuffer lastBare = ExpectedItem(element, element.Image, client.right - p3, h, 1, face);
  const auto last = DifferingColumns(Crop(shown, RECT{p3, 0, client.right, h}), lastBare,
                                     TRect{5, 4, client.right - p3 - gripFrame.Width(), h - 4});
  EXPECT_GE(first.first, 4);
  EXPECT_LE(first.first, 8);
  EXPECT_NEAR((middle.first + middle.second) / 2, (panels[1].Area.left + panels[1].Area.right) / 2,
              4);
  // Right-aligned, clear of the grip's corner.
  EXPECT_GT(last.second + p3, client.right - h - 8);
  EXPECT_LE(last.second + p3, client.right - h - 2);
  // The owner drew its panel over the skinned one.
  EXPECT_GT(drawer.Count, 0);
  EXPECT_EQ(CountPixels(shown, TRect{panels[2].Area.left, 0, panels[2].Area.right, h}, kGreen), 16);

  // The simple text across the whole bar.
  bar->SetSimpleText("Simple");
  bar->SetSimplePanel(true);
  PumpMessages(50);
  ASSERT_EQ(painter->PanelAreas().size(), 1u);
  EXPECT_EQ(painter->PanelAreas()[0].Frame, TSkinStatusBar::pfGrip);
  bar->SetSimplePanel(false);
  PumpMessages(30);

  // The grip sizes the window.
  const RECT before = WindowRectOf(form.Handle());
  DragWithMouse(ClientToScreenPoint(window, client.right - 4, client.bottom - 4),
                ClientToScreenPoint(window, client.right + 36, client.bottom + 26));
  ASSERT_TRUE(PumpUntil([&] { return WindowRectOf(form.Handle()).right >= before.right + 30; },
                        3000));
  PumpMessages(50);
  GetClientRect(window, &client);
  EXPECT_EQ(painter->PanelAreas().back().Area.right, client.right);

  // Switched off, the bar draws itself again.
  const RECT firstArea = panels[0].Area;
  form.Data().SetActive(false);
  ASSERT_TRUE(form.Window().WaitUnskinned());
  PumpMessages(50);
  EXPECT_EQ(SendMessageA(window, SM_ISSKINNED, 0, 0), 0);
  const TPixelBuffer native = CaptureWindow(window);
  const TPixelBuffer firstPanel = Crop(native, firstArea);
  EXPECT_NE(FrameOf(firstPanel, element, element.Image, face, TFacing::Up, 0,
                    TRect{firstPanel.Width() - 5, 0, firstPanel.Width(), firstPanel.Height()}),
            TSkinStatusBar::pfDivided);
}

// A text longer than its panel stays on one line, as the system's bar keeps
// it: two lines would be cut at the bar's top and bottom.
TEST(SkinStatusBar, ALongTextStaysOnOneLine) {
  TStatusBar* bar = nullptr;
  TRecognisedForm form([&](TForm& Form, TSkinData&) {
    bar = Add<TStatusBar>(Form, Form, 0, 0, 400, 22);
    bar->Panels().Add("3 problems: title.bmp is missing, button.bmp cannot be read and more", 150);
    bar->Panels().Add("End", 100);
  });
  ASSERT_TRUE(form.Skinned());
  auto* painter = dynamic_cast<TSkinStatusBar*>(PainterOf(form.Skinner(), bar));
  ASSERT_NE(painter, nullptr);
  HWND window = bar->WindowHandle();
  PumpMessages(50);
  const TDataSkinObject& element = *form.Data().Skin().StatusBarEdges;
  const TColor face = form.Data().Skin().Colours.ButtonFace;
  const auto& panels = painter->PanelAreas();
  ASSERT_EQ(panels.size(), 2u);
  const RECT area = panels[0].Area;
  const TPixelBuffer shown = Crop(CaptureWindow(window), area);
  const TPixelBuffer bare = ExpectedItem(element, element.Image, area.right - area.left,
                                         area.bottom - area.top, panels[0].Frame, face);
  int top = -1, bottom = -1, right = -1;
  for (int y = 0; y < shown.Height(); ++y)
    for (int x = 2; x < shown.Width() - 6; ++x)
      if (shown.Pixel(x, y) != bare.Pixel(x, y)) {
        if (top < 0) top = y;
        bottom = y;
        right = std::max(right, x);
      }
  ASSERT_GE(top, 0) << "no text drawn";
  TEXTMETRICW metrics{};
  HDC dc = GetDC(window);
  HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0)));
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, old);
  ReleaseDC(window, dc);
  EXPECT_LE(bottom - top + 1, metrics.tmHeight) << "the text takes more than one line";
  EXPECT_GT(top, 0);
  EXPECT_LT(bottom, shown.Height() - 1);
  // It runs on to the panel's end, where the ellipsis cuts it.
  EXPECT_GT(right, shown.Width() - 20);
}
