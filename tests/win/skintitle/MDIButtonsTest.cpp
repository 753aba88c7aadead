// The buttons of a maximised MDI child in its frame's menu band.
#include <gtest/gtest.h>
#include <windows.h>

#include "common/MessagePump.h"
#include "common/SyntheticInput.h"
#include "skin/engine/EngineMessages.h"
#include "skintitle/TitleTestSupport.h"

namespace {

constexpr int kChildMinimise = 7, kChildRestore = 8, kChildClose = 9;

TWinSkinForm* SkinnerOf(HWND Window) {
  TSkinManage* manager = TSkinManage::Instance();
  return manager ? manager->FindFormSkinner(Window) : nullptr;
}

bool Skinned(HWND Window) {
  TWinSkinForm* s = SkinnerOf(Window);
  return s && s->SkinState() == TWinSkinForm::ssActive;
}

HWND ActiveChild(HWND Client) {
  return reinterpret_cast<HWND>(SendMessageA(Client, WM_MDIGETACTIVE, 0, 0));
}

}  // namespace

TEST(MDIButtons, AMaximisedChildsButtonsStandInTheMenuBandAndCommandTheChild) {
  TSkinnedForm main(ProgramSkin());
  ASSERT_TRUE(main.WaitSkinned());
  TMDIFrame mdi(true);
  mdi.Show();
  ASSERT_TRUE(PumpUntil([&] { return Skinned(mdi.Frame); }));
  TWinSkinForm& frame = *SkinnerOf(mdi.Frame);
  ASSERT_GT(frame.MenuBarHeight(), 0);
  HWND first = mdi.NewChild("First");
  HWND second = mdi.NewChild("Second");
  ASSERT_TRUE(PumpUntil([&] { return Skinned(first) && Skinned(second); }));

  TWinSysButton* minimise = ButtonWithAction(frame, kChildMinimise);
  TWinSysButton* restore = ButtonWithAction(frame, kChildRestore);
  TWinSysButton* close = ButtonWithAction(frame, kChildClose);
  ASSERT_TRUE(minimise && restore && close);
  // No child maximised: the buttons are not there.
  SendMessageA(mdi.Frame, SM_REPAINTFRAME, 0, 0);
  EXPECT_FALSE(minimise->Visible || restore->Visible || close->Visible);

  SendMessageA(mdi.Client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(second), 0);
  PumpMessages(100);
  SendMessageA(mdi.Frame, SM_REPAINTFRAME, 0, 0);
  PumpMessages(50);
  ASSERT_TRUE(minimise->Visible && restore->Visible && close->Visible);
  // In the band below the title, left to right: minimise, restore, close.
  const int band = frame.TitleHeight();
  for (const TWinSysButton* b : {minimise, restore, close}) {
    EXPECT_GE(b->Rect.top, band);
    EXPECT_LE(b->Rect.bottom, band + frame.MenuBarHeight());
    EXPECT_GT(FrameShown(mdi.Frame, *b, 1), 0.95);
  }
  EXPECT_LT(minimise->Rect.left, restore->Rect.left);
  EXPECT_LT(restore->Rect.left, close->Rect.left);

  // Hot, they show their fourth frame.
  const POINT over = ScreenCentre(mdi.Frame, *restore);
  MouseMoveTo(over.x, over.y);
  EXPECT_EQ(frame.HotObject(), restore);
  EXPECT_GT(FrameShown(mdi.Frame, *restore, 4), 0.95);

  ClickScreen(over);
  PumpMessages(150);
  EXPECT_FALSE(IsZoomed(second));
  EXPECT_TRUE(IsWindow(second));

  SendMessageA(mdi.Client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(second), 0);
  PumpMessages(100);
  SendMessageA(mdi.Frame, SM_REPAINTFRAME, 0, 0);
  PumpMessages(50);
  ASSERT_TRUE(close->Visible);
  ClickScreen(ScreenCentre(mdi.Frame, *close));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindow(second); }, 2000));
  ASSERT_EQ(ActiveChild(mdi.Client), first);

  SendMessageA(mdi.Client, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(first), 0);
  PumpMessages(100);
  SendMessageA(mdi.Frame, SM_REPAINTFRAME, 0, 0);
  PumpMessages(50);
  ASSERT_TRUE(minimise->Visible);
  ClickScreen(ScreenCentre(mdi.Frame, *minimise));
  EXPECT_TRUE(PumpUntil([&] { return IsIconic(first) != 0; }, 2000));
}
