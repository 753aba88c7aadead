// The buttons of a maximised MDI child in its frame's menu band, and the
// skinned menu bar following the frame menus the MDI client sets.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "common/MessagePump.h"
#include "common/SyntheticInput.h"
#include "skin/engine/EngineMessages.h"
#include "skin/frame/MenuBar.h"
#include "skin/frame/MenuBarButton.h"
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

namespace {

std::vector<std::string> BarCaptions(const TWinSkinMenu& Bar) {
  std::vector<std::string> captions;
  for (int i = 0; i < Bar.ItemCount(); ++i) captions.push_back(Bar.Items(i)->Caption);
  return captions;
}

HMENU PopupWith(const char* Item, UINT Command) {
  HMENU popup = CreatePopupMenu();
  AppendMenuA(popup, MF_STRING, Command, Item);
  return popup;
}

}  // namespace

// A frame menu set through the MDI client replaces the skinned bar's items
// at once, and the native bar stays off the window; when the last child
// goes, the bar reads its menu again.
TEST(MDIButtons, ANewFrameMenuRebuildsTheSkinnedBarAndTheLastChildsEndRereadsIt) {
  TSkinnedForm main(ProgramSkin());
  ASSERT_TRUE(main.WaitSkinned());
  TMDIFrame mdi(true);
  mdi.Show();
  ASSERT_TRUE(PumpUntil([&] { return Skinned(mdi.Frame); }));
  TWinSkinForm& frame = *SkinnerOf(mdi.Frame);
  TWinSkinMenu* bar = frame.MenuBar();
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(BarCaptions(*bar), std::vector<std::string>{"&File"});
  HWND child = mdi.NewChild("Only child");
  ASSERT_TRUE(PumpUntil([&] { return Skinned(child); }));
  const RECT clientBefore = ClientRectOf(mdi.Frame);

  HMENU document = PopupWith("&Save", 11);
  HMENU window = PopupWith("&Tile", 12);
  HMENU next = CreateMenu();
  AppendMenuA(next, MF_POPUP, reinterpret_cast<UINT_PTR>(document), "&Document");
  AppendMenuA(next, MF_POPUP, reinterpret_cast<UINT_PTR>(window), "&Window");
  SendMessageA(mdi.Client, WM_MDISETMENU, reinterpret_cast<WPARAM>(next),
               reinterpret_cast<LPARAM>(window));
  PumpMessages(50);
  EXPECT_EQ(GetMenu(mdi.Frame), nullptr);
  EXPECT_EQ(bar->MenuHandle(), next);
  ASSERT_EQ(BarCaptions(*bar), (std::vector<std::string>{"&Document", "&Window"}));
  EXPECT_EQ(bar->Items(0)->SubMenu, document);
  EXPECT_EQ(bar->Items(1)->SubMenu, window);
  // Laid out in the band at once, one after the other.
  const RECT band = bar->BarRect();
  EXPECT_EQ(bar->Items(0)->Rect.top, band.top);
  EXPECT_GT(bar->Items(0)->Rect.right - bar->Items(0)->Rect.left, 10);
  EXPECT_GE(bar->Items(1)->Rect.left, bar->Items(0)->Rect.right);
  // The client area keeps its size: no native bar came back.
  const RECT clientAfter = ClientRectOf(mdi.Frame);
  EXPECT_EQ(clientAfter.bottom - clientAfter.top, clientBefore.bottom - clientBefore.top);

  // The menu gains an entry; the bar sees it once the last child is gone.
  AppendMenuA(next, MF_POPUP, reinterpret_cast<UINT_PTR>(PopupWith("&About", 13)), "&Help");
  SendMessageA(mdi.Client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(child), 0);
  PumpMessages(50);
  EXPECT_EQ(BarCaptions(*bar), (std::vector<std::string>{"&Document", "&Window", "&Help"}));
  EXPECT_GE(bar->Items(2)->Rect.left, bar->Items(1)->Rect.right);
  EXPECT_EQ(GetMenu(mdi.Frame), nullptr);
}
