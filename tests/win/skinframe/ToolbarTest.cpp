// The form skinner's tool-bar handlers: the skin's tool-bar background and
// button faces, where the options allow them, taken back with the painters.
#include <gtest/gtest.h>
#include <windows.h>

#include "skinframe/SkinFrameSupport.h"
#include "toolkit/ToolBar.h"
#include "toolkit/ToolButton.h"

namespace {

struct TOwnDrawing {
  int Bars = 0;
  void DrawBar(TToolBar*, const RECT&, bool&) { ++Bars; }
};

COLORREF PixelAt(HWND Window, int X, int Y) {
  HDC dc = GetDC(Window);
  const COLORREF c = GetPixel(dc, X, Y);
  ReleaseDC(Window, dc);
  return c;
}

}  // namespace

TEST(Toolbar, SkinnedBackgroundAndButtonsOnlyWhereTheOptionsAllowAndTakenBack) {
  TSkinnedForm::TOptions options;
  options.Configure = [](TSkinData& Data) { Data.SetOptions(TSkinOptions{xoPreview}); };
  TSkinnedForm window(ProgramSkin(), options);
  ASSERT_TRUE(window.WaitSkinned());
  TWinSkinForm* skinner = window.Skinner();
  auto* bar = new TToolBar(window.Form.get());
  bar->SetParent(window.Form.get());
  bar->SetBounds(0, 0, 300, 29);
  auto* button = new TToolButton(window.Form.get());
  button->SetText("Go");
  button->SetParent(bar);
  bar->HandleNeeded();
  TOwnDrawing own;
  auto* second = new TToolBar(window.Form.get());
  second->SetParent(window.Form.get());
  second->SetBounds(0, 60, 300, 29);
  second->OnCustomDraw = TTBCustomDrawEvent(&own, &TOwnDrawing::DrawBar);

  skinner->HookToolbar(*bar);
  skinner->HookToolbar(*second);
  EXPECT_TRUE(bar->OnCustomDraw.Assigned());
  EXPECT_TRUE(bar->OnCustomDrawButton.Assigned());
  // A handler of the program's own stays.
  EXPECT_TRUE(second->OnCustomDraw == TTBCustomDrawEvent(&own, &TOwnDrawing::DrawBar));

  const TPixelBuffer& image = window.Data->Skin().Toolbar->Image;
  ASSERT_FALSE(image.Empty());
  RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  PumpMessages(50);
  const RECT client = ClientRectOf(bar->Handle());
  const int x = client.right - 5, y = client.bottom / 2;
  const TPixel expected =
      image.Pixel(image.Width() * x / client.right, image.Height() * y / client.bottom);
  EXPECT_EQ(PixelAt(bar->Handle(), x, y),
            RGB((expected >> 16) & 0xFF, (expected >> 8) & 0xFF, expected & 0xFF));

  // With xoToolbarBK the bar keeps its own background.
  window.Data->SetOptions(TSkinOptions{xoPreview, xoToolbarBK});
  RedrawWindow(bar->Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  PumpMessages(50);
  EXPECT_NE(PixelAt(bar->Handle(), x, y),
            RGB((expected >> 16) & 0xFF, (expected >> 8) & 0xFF, expected & 0xFF));

  window.Data->SetActive(false);
  ASSERT_TRUE(window.WaitUnskinned());
  EXPECT_FALSE(bar->OnCustomDraw.Assigned());
  EXPECT_FALSE(bar->OnCustomDrawButton.Assigned());
  EXPECT_TRUE(second->OnCustomDraw.Assigned());
}
