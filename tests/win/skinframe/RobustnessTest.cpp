// Faulty skins never crash or hang a window, and skinning on and off, or a
// new skin again and again, leaks nothing.
#include <gtest/gtest.h>
#include <windows.h>
// (needs windows.h first)
#include <psapi.h>

#include <cstdio>
#include <vector>

#include "common/ProcessObjects.h"
#include "skin/engine/EngineMessages.h"
#include "skinframe/SkinFrameSupport.h"

namespace {

constexpr TPixel kGrey = PixelFromRgb(120, 120, 120);

struct TBadSkin {
  const char* Name;
  TTestSkinImages Images;
};

std::vector<TBadSkin> BadSkins() {
  std::vector<TBadSkin> skins;
  skins.push_back({"no border images at all", {}});

  TTestSkinImages margins = PlainBorders(6, 24, 6, 6, kGrey, kGrey);
  margins.ExtraPersonality =
      "LeftTopHeight=100000\r\nLeftBotHeight=-5000\r\nRightTopHeight=-1\r\n"
      "TopTopHeight=-7\r\nTopBotHeight=99999\r\nBottomTopHeight=2147483647\r\n";
  skins.push_back({"huge and negative margins", margins});

  TTestSkinImages tiny;
  tiny.Left = tiny.Right = tiny.Top = tiny.Bottom = TPixelBuffer(1, 1, kGrey);
  skins.push_back({"one-pixel images in two frames", tiny});
  tiny.LeftFrames = tiny.RightFrames = tiny.TopFrames = tiny.BottomFrames = 1;
  skins.push_back({"one-pixel images", tiny});

  TTestSkinImages odd = PlainBorders(7, 25, 5, 3, kGrey, kGrey);
  odd.LeftFrames = 3;
  odd.RightFrames = 0;
  odd.TopFrames = 1000;
  odd.BottomFrames = -2;
  skins.push_back({"frame counts that do not divide the images", odd});

  TTestSkinImages magenta = PlainBorders(6, 24, 6, 6, KeyPixel, KeyPixel);
  magenta.Trans = 1;
  skins.push_back({"borders all magenta", magenta});

  TTestSkinImages tall = PlainBorders(4, 1200, 4, 4, kGrey, kGrey);
  skins.push_back({"a title taller than the window", tall});
  return skins;
}

// Runs the component's request at once instead of after its delay.
void Request(TSkinData& Data, bool Active) {
  Data.SetActive(Active);
  TSkinManage::Instance()->RunScheduledAction();
  PumpMessages(0);
}

}  // namespace

TEST(Robustness, FaultySkinsStillGiveWindowsThatComeUpAndClose) {
  for (const TBadSkin& bad : BadSkins()) {
    SCOPED_TRACE(bad.Name);
    TSkinnedForm::TOptions options;
    options.ClientWidth = 200;
    options.ClientHeight = 100;
    TSkinnedForm window(MakeSkin(bad.Images), options);
    HWND wnd = window.Handle();
    ASSERT_TRUE(window.WaitSkinned());
    EXPECT_TRUE(IsWindowVisible(wnd));
    RedrawWindow(wnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    SetWindowPos(wnd, nullptr, 0, 0, 330, 220, SWP_NOMOVE | SWP_NOZORDER);
    SetWindowPos(wnd, nullptr, 0, 0, 1, 1, SWP_NOMOVE | SWP_NOZORDER);
    SendMessageA(wnd, SM_REPAINTFRAME, 0, 0);
    const RECT client = ClientRectOf(wnd);
    EXPECT_GE(client.right, 0);
    EXPECT_GE(client.bottom, 0);
    SendMessageA(wnd, WM_NCHITTEST, 0,
                 MAKELPARAM(WindowRectOf(wnd).left + 1, WindowRectOf(wnd).top + 1));
    PumpMessages(20);
    EXPECT_EQ(SendMessageA(wnd, SM_ISSKINNED, 0, 0), 1);
    // Closed by the system's close command, as the keyboard gives it.
    SendMessageA(wnd, WM_SYSCOMMAND, SC_CLOSE, 0);
    PumpMessages(20);
    EXPECT_FALSE(IsWindowVisible(wnd));
  }
}

TEST(Robustness, SwitchingOnAndOffAndChangingSkinsLeaksNothing) {
  TSkinnedForm window(ProgramSkin());
  ASSERT_TRUE(window.WaitSkinned());
  TSkinManage::Instance()->SetState(TSkinManage::msRunning);
  TTempSkinFile first(ProgramSkin(), "first.skn");
  TTempSkinFile second(MakeSkin(PlainBorders(9, 30, 9, 9, kGrey, KeyPixel)), "second.skn");

  auto cycles = [&](int OnOff, int Changes) {
    for (int i = 0; i < OnOff; ++i) {
      Request(*window.Data, false);
      Request(*window.Data, true);
    }
    for (int i = 0; i < Changes; ++i) {
      window.Data->SetSkinFile(i % 2 ? first.Path() : second.Path());
      TSkinManage::Instance()->RunScheduledAction();
      PumpMessages(0);
    }
  };
  cycles(20, 10);  // warm up: caches, fonts, first allocations
  const long gdi = ObjectsInUse(GR_GDIOBJECTS);
  ASSERT_NE(PrivateBytes(), 0u);
  const long user = ObjectsInUse(GR_USEROBJECTS);
  const SIZE_T memory = PrivateBytes();
  cycles(1000, 200);
  ASSERT_TRUE(window.WaitSkinned());
  const long gdiAfter = ObjectsInUse(GR_GDIOBJECTS), userAfter = ObjectsInUse(GR_USEROBJECTS);
  const SIZE_T memoryAfter = PrivateBytes();
  std::printf("GDI %ld -> %ld, USER %ld -> %ld (negative: free slots), memory %zu -> %zu\n", gdi,
              gdiAfter, user, userAfter, static_cast<size_t>(memory),
              static_cast<size_t>(memoryAfter));
  EXPECT_LE(gdiAfter - gdi, 4);
  EXPECT_LE(userAfter - user, 4);
  EXPECT_LT(memoryAfter, memory + 4 * 1024 * 1024);
  EXPECT_EQ(ClientRectOf(window.Handle()).right, 400);
}
