// Windows taken over by the skin engine: the frame drawn from the skin, the
// client area kept, the mouse on the skinned frame, the region, re-skinning
// and giving everything back.
#include <gtest/gtest.h>
#include <windows.h>

#include <ostream>

#include "skin/engine/EngineMessages.h"
#include "skin/imaging/FrameGeometry.h"
#include "skinframe/SkinFrameSupport.h"
#include "toolkit/Application.h"

namespace {

constexpr TPixel kActive = PixelFromRgb(200, 40, 40);
constexpr TPixel kInactive = PixelFromRgb(40, 40, 200);

COLORREF Colorref(TPixel P) {
  return RGB((P >> 16) & 0xFF, (P >> 8) & 0xFF, P & 0xFF);
}

COLORREF WindowPixel(HWND Window, int X, int Y) {
  HDC dc = GetWindowDC(Window);
  const COLORREF c = GetPixel(dc, X, Y);
  ReleaseDC(Window, dc);
  return c;
}

// Pixels of the window's caption drawn in Colour.
int CaptionPixels(HWND Window, const RECT& Area, COLORREF Colour) {
  HDC dc = GetWindowDC(Window);
  int count = 0;
  for (int y = Area.top; y < Area.bottom; ++y)
    for (int x = Area.left; x < Area.right; ++x)
      if (GetPixel(dc, x, y) == Colour) ++count;
  ReleaseDC(Window, dc);
  return count;
}

struct TWindowFacts {
  LONG_PTR WndProc;
  LONG Style, ExStyle;
  int Color;
  int ClientWidth, ClientHeight;
  int RegionType;
  friend bool operator==(const TWindowFacts&, const TWindowFacts&) = default;
};

void PrintTo(const TWindowFacts& F, std::ostream* Out) {
  *Out << "proc " << F.WndProc << " style " << std::hex << F.Style << " ex " << F.ExStyle
       << std::dec << " colour " << F.Color << " client " << F.ClientWidth << "x" << F.ClientHeight
       << " region " << F.RegionType;
}

TWindowFacts FactsOf(TForm& Form) {
  HWND wnd = Form.WindowHandle();
  HRGN probe = CreateRectRgn(0, 0, 0, 0);
  const int type = GetWindowRgn(wnd, probe);
  DeleteObject(probe);
  return {GetWindowLongPtrA(wnd, GWLP_WNDPROC),
          GetWindowLongA(wnd, GWL_STYLE),
          GetWindowLongA(wnd, GWL_EXSTYLE),
          Form.GetColor(),
          ClientRectOf(wnd).right,
          ClientRectOf(wnd).bottom,
          type};
}

// A plain window of this module that takes the activation away.
class TOtherWindow {
 public:
  TOtherWindow() {
    Form.SetBounds(700, 500, 200, 120);
    Form.SetTag(99);  // never skinned
    Form.Show();
    SetForegroundWindow(Form.Handle());
    PumpMessages(100);
  }
  TForm Form{nullptr};
};

}  // namespace

TEST(FrameSkinning, TakeoverKeepsTheClientAreaAndSwitchingOffGivesEverythingBack) {
  TSkinnedForm::TOptions options;
  options.Active = false;
  TSkinnedForm window(ProgramSkin(), options);
  HWND wnd = window.Handle();
  const TWindowFacts before = FactsOf(*window.Form);
  const RECT beforeWindow = WindowRectOf(wnd);

  window.Data->SetActive(true);
  ASSERT_TRUE(window.WaitSkinned());
  TWinSkinForm* skinner = window.Skinner();
  const TFrameMetrics m = FrameMetricsOf(window.Data->Skin());
  EXPECT_EQ(skinner->LeftWidth(), m.LeftWidth);
  EXPECT_EQ(skinner->TitleHeight(), m.TitleHeight);
  EXPECT_NE(GetWindowLongPtrA(wnd, GWLP_WNDPROC), before.WndProc);
  EXPECT_EQ(SendMessageA(wnd, SM_ISSKINNED, 0, 0), 1);
  // Same client area, now under the skin's frame.
  EXPECT_EQ(ClientRectOf(wnd).right, before.ClientWidth);
  EXPECT_EQ(ClientRectOf(wnd).bottom, before.ClientHeight);
  const POINT offset = ClientOffset(wnd);
  EXPECT_EQ(offset.x, m.LeftWidth);
  EXPECT_EQ(offset.y, m.TitleHeight);
  const RECT skinned = WindowRectOf(wnd);
  EXPECT_EQ(skinned.right - skinned.left, before.ClientWidth + m.LeftWidth + m.RightWidth);
  EXPECT_EQ(skinned.bottom - skinned.top, before.ClientHeight + m.TitleHeight + m.BottomHeight);
  // The program's skin has transparent corners: the window has a region.
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  EXPECT_NE(GetWindowRgn(wnd, region), ERROR);
  DeleteObject(region);
  EXPECT_EQ(window.Form->GetColor(), window.Data->Skin().Colours.ButtonFace);

  window.Data->SetActive(false);
  ASSERT_TRUE(window.WaitUnskinned());
  PumpMessages(50);
  EXPECT_EQ(FactsOf(*window.Form), before);
  EXPECT_EQ(WindowRectOf(wnd).left, beforeWindow.left);
  EXPECT_EQ(WindowRectOf(wnd).top, beforeWindow.top);
  EXPECT_NE(SendMessageA(wnd, SM_ISSKINNED, 0, 0), 1);

  // And on again: skinned as the first time.
  window.Data->SetActive(true);
  ASSERT_TRUE(window.WaitSkinned());
  EXPECT_EQ(ClientRectOf(wnd).right, before.ClientWidth);
  EXPECT_EQ(ClientOffset(wnd).y, m.TitleHeight);
}

TEST(FrameSkinning, BordersAndCaptionTellActiveFromInactive) {
  TTestSkinImages images = PlainBorders(5, 28, 5, 5, kActive, kInactive);
  TSkinnedForm window(MakeSkin(images));
  HWND wnd = window.Handle();
  SetForegroundWindow(wnd);
  ASSERT_TRUE(window.WaitSkinned());
  PumpMessages(100);
  const RECT w = WindowRectOf(wnd);
  const int width = w.right - w.left, height = w.bottom - w.top;
  EXPECT_EQ(WindowPixel(wnd, 2, height / 2), Colorref(kActive));
  EXPECT_EQ(WindowPixel(wnd, width - 2, height / 2), Colorref(kActive));
  EXPECT_EQ(WindowPixel(wnd, width / 2, height - 2), Colorref(kActive));
  const RECT caption = window.Skinner()->TitleTextRect();
  EXPECT_GT(CaptionPixels(wnd, caption, RGB(250, 250, 10)), 10);
  EXPECT_EQ(CaptionPixels(wnd, caption, RGB(10, 250, 250)), 0);

  {
    TOtherWindow other;
    EXPECT_FALSE(window.Skinner()->IsActive());
    EXPECT_EQ(WindowPixel(wnd, 2, height / 2), Colorref(kInactive));
    EXPECT_EQ(WindowPixel(wnd, width / 2, 2), Colorref(kInactive));
    EXPECT_GT(CaptionPixels(wnd, caption, RGB(10, 250, 250)), 10);
    EXPECT_EQ(CaptionPixels(wnd, caption, RGB(250, 250, 10)), 0);
  }

  // A new caption is drawn by the skin alone, in the skin's colours.
  SetForegroundWindow(wnd);
  PumpMessages(100);
  SetWindowTextA(wnd, "A new and rather longer caption for the window");
  PumpMessages(50);
  EXPECT_EQ(WindowPixel(wnd, width / 2, 2), Colorref(kActive));
  const RECT retitled = window.Skinner()->TitleTextRect();
  EXPECT_GT(retitled.right - retitled.left, caption.right - caption.left);
  EXPECT_GT(CaptionPixels(wnd, retitled, RGB(250, 250, 10)), 10);
}

TEST(FrameSkinning, TheMouseMovesAndSizesTheSkinnedFrame) {
  TSkinnedForm window(ProgramSkin());
  HWND wnd = window.Handle();
  SetForegroundWindow(wnd);
  ASSERT_TRUE(window.WaitSkinned());
  const RECT start = WindowRectOf(wnd);
  const int title = window.Skinner()->TitleHeight();

  const POINT grip{start.left + 80, start.top + title / 2};
  EXPECT_EQ(SendMessageA(wnd, WM_NCHITTEST, 0, MAKELPARAM(grip.x, grip.y)), HTCAPTION);
  DragWithMouse(grip, {grip.x + 60, grip.y + 40});
  const RECT moved = WindowRectOf(wnd);
  EXPECT_EQ(moved.left, start.left + 60);
  EXPECT_EQ(moved.top, start.top + 40);
  EXPECT_EQ(moved.right - moved.left, start.right - start.left);

  // The lower right corner sizes, with the sizing cursor.
  const POINT corner{moved.right - 2, moved.bottom - 2};
  EXPECT_EQ(SendMessageA(wnd, WM_NCHITTEST, 0, MAKELPARAM(corner.x, corner.y)), HTBOTTOMRIGHT);
  DragWithMouse(corner, {corner.x + 50, corner.y + 30});
  const RECT sized = WindowRectOf(wnd);
  EXPECT_EQ(sized.right - sized.left, moved.right - moved.left + 50);
  EXPECT_EQ(sized.bottom - sized.top, moved.bottom - moved.top + 30);
  // The region follows the new size.
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(wnd, region), ERROR);
  RECT box;
  GetRgnBox(region, &box);
  DeleteObject(region);
  EXPECT_EQ(box.right, sized.right - sized.left);
  EXPECT_EQ(box.bottom, sized.bottom - sized.top);
}

TEST(FrameSkinning, MaximisingFillsTheWorkAreaAndRestoringGivesPlaceAndSizeBack) {
  TSkinnedForm window(ProgramSkin());
  HWND wnd = window.Handle();
  ASSERT_TRUE(window.WaitSkinned());
  const RECT normal = WindowRectOf(wnd);
  SendMessageA(wnd, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  PumpMessages(100);
  RECT work;
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  const RECT maximised = WindowRectOf(wnd);
  EXPECT_EQ(window.Skinner()->WindowState(), TWinSkinForm::wsMaximised);
  EXPECT_EQ(maximised.left, work.left);
  EXPECT_EQ(maximised.top, work.top);
  EXPECT_EQ(maximised.right, work.right);
  EXPECT_EQ(maximised.bottom, work.bottom);
  EXPECT_EQ(ClientOffset(wnd).y, window.Skinner()->TitleHeight());

  // Restored from the keyboard's system command.
  SendMessageA(wnd, WM_SYSCOMMAND, SC_RESTORE, 0);
  PumpMessages(100);
  const RECT restored = WindowRectOf(wnd);
  EXPECT_EQ(window.Skinner()->WindowState(), TWinSkinForm::wsNormal);
  EXPECT_EQ(restored.left, normal.left);
  EXPECT_EQ(restored.top, normal.top);
  EXPECT_EQ(restored.right, normal.right);
  EXPECT_EQ(restored.bottom, normal.bottom);
}

TEST(FrameSkinning, TheRegionFollowsTransparentBorderPixels) {
  // Left border: its outer column is transparent in the top four rows (a
  // rounded corner); the others are opaque everywhere.
  TTestSkinImages images = PlainBorders(6, 24, 6, 6, kActive, kInactive);
  images.Trans = 1;
  for (int frame = 0; frame < 2; ++frame)
    images.Left.FillRect({frame * 6, 0, frame * 6 + 1, 4}, KeyPixel);
  images.ExtraPersonality = "LeftTopHeight=10\r\n";
  TSkinnedForm window(MakeSkin(images));
  HWND wnd = window.Handle();
  ASSERT_TRUE(window.WaitSkinned());
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(wnd, region), ERROR);
  EXPECT_FALSE(PtInRegion(region, 0, 0));
  EXPECT_FALSE(PtInRegion(region, 0, 3));
  EXPECT_TRUE(PtInRegion(region, 1, 0));
  EXPECT_TRUE(PtInRegion(region, 0, 4));
  const RECT w = WindowRectOf(wnd);
  EXPECT_TRUE(PtInRegion(region, w.right - w.left - 1, 0));
  EXPECT_TRUE(PtInRegion(region, 0, w.bottom - w.top - 1));
  DeleteObject(region);

  // Borders without transparency give the whole window.
  TSkinnedForm plain(MakeSkin(PlainBorders(6, 24, 6, 6, kActive, kInactive)));
  ASSERT_TRUE(plain.WaitSkinned());
  HRGN whole = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(plain.Handle(), whole), ERROR);
  RECT box;
  GetRgnBox(whole, &box);
  DeleteObject(whole);
  const RECT pw = WindowRectOf(plain.Handle());
  EXPECT_EQ(box.right, pw.right - pw.left);
  EXPECT_EQ(box.bottom, pw.bottom - pw.top);
}

TEST(FrameSkinning, ANewSkinFileReskinsTheLiveWindowWithItsMetrics) {
  TSkinnedForm window(MakeSkin(PlainBorders(4, 20, 4, 4, kActive, kInactive)));
  HWND wnd = window.Handle();
  ASSERT_TRUE(window.WaitSkinned());
  const RECT client = ClientRectOf(wnd);
  EXPECT_EQ(ClientOffset(wnd).x, 4);
  int changed = 0;
  struct TCounter {
    int* Count;
    void Changed(TObject*) { ++*Count; }
  } counter{&changed};
  window.Data->OnSkinChanged = TNotifyEvent(&counter, &TCounter::Changed);

  TTempSkinFile file(MakeSkin(PlainBorders(10, 34, 12, 8, kInactive, kActive)));
  window.Data->SetSkinFile(file.Path());
  ASSERT_TRUE(PumpUntil([&] { return ClientOffset(wnd).x == 10; }));
  PumpMessages(50);
  EXPECT_EQ(changed, 1);
  EXPECT_EQ(ClientOffset(wnd).y, 34);
  EXPECT_EQ(ClientRectOf(wnd).right, client.right);
  EXPECT_EQ(ClientRectOf(wnd).bottom, client.bottom);
  const RECT w = WindowRectOf(wnd);
  EXPECT_EQ(w.right - w.left, client.right + 22);
  EXPECT_EQ(w.bottom - w.top, client.bottom + 42);
  EXPECT_EQ(WindowPixel(wnd, 3, (w.bottom - w.top) / 2), Colorref(kInactive));
  window.Data->OnSkinChanged = TNotifyEvent();
}
