// The skinned menu bar driven by real clicks and keys: which drop-down
// opened and where, moving between drop-downs, the command that ran, and
// giving the native menu bar back.

#include <gtest/gtest.h>

#include <algorithm>

#include "skin/engine/EngineMessages.h"
#include "skin/frame/MenuBar.h"
#include "skin/frame/MenuBarButton.h"
#include "skinmenus/MenuTestSupport.h"

namespace {

bool Contains(const std::vector<std::string>& List, const std::string& Text) {
  return std::find(List.begin(), List.end(), Text) != List.end();
}

RECT ItemRectOnScreen(HWND Window, HMENU Menu, int Position) {
  RECT r{};
  GetMenuItemRect(Window, Menu, static_cast<UINT>(Position), &r);
  return r;
}

POINT Centre(const RECT& R) {
  return {(R.left + R.right) / 2, (R.top + R.bottom) / 2};
}

}  // namespace

TEST(MenuBar, TakesTheNativeBarAndPaintsItsItemsBelowTheTitle) {
  TMenuForm form(ProgramSkin());
  ASSERT_TRUE(form.WaitSkinned());
  EXPECT_EQ(GetMenu(form.Handle()), nullptr);
  TWinSkinMenu* bar = form.Bar();
  ASSERT_NE(bar, nullptr);
  ASSERT_EQ(bar->ItemCount(), 4);
  EXPECT_EQ(bar->Items(0)->MenuItem, form.File);
  EXPECT_EQ(bar->Items(0)->SubMenu, form.File->Handle());
  EXPECT_EQ(bar->Items(3)->Caption, "&Help");

  TWinSkinForm* skinner = form.Skinner();
  const RECT band = bar->BarRect();
  EXPECT_EQ(band.top, skinner->TitleHeight());
  EXPECT_EQ(band.bottom - band.top, skinner->MenuBarHeight());
  int right = band.left;
  for (int i = 0; i < bar->ItemCount(); ++i) {
    const RECT r = bar->Items(i)->Rect;
    EXPECT_GE(r.left, right) << i;
    EXPECT_GT(r.right - r.left, 10) << i;
    EXPECT_EQ(r.top, band.top);
    EXPECT_EQ(r.bottom, band.bottom - 1);
    right = r.right;
  }
  // The captions in the skin's menu-bar text colour, on the window.
  const COLORREF text = ScreenColour(form.Data->Skin().Colours.MenuBarText);
  EXPECT_GT(CountPixels(form.Handle(), bar->Items(0)->Rect, text), 3);
  EXPECT_EQ(CountPixels(form.Handle(), {band.left, band.top, band.left + 3, band.bottom}, text), 0);
}

TEST(MenuBar, ClickOpensTheDropDownUnderTheItemAndRunsTheChosenCommand) {
  TMenuForm form(ProgramSkin());
  ASSERT_TRUE(form.WaitSkinned());
  const DWORD thread = GetCurrentThreadId();
  const RECT window = WindowRectOf(form.Handle());
  const RECT item = form.Bar()->Items(0)->Rect;
  HMENU opened = nullptr;
  RECT menuRect{};
  LRESULT skinned = 0;
  bool trackedWhileOpen = false;
  RunWithInput([&] {
    SendClick(form.BarItemCentre(0));
    HWND menu = WaitMenuWindow(thread);
    if (!menu) return;
    opened = MenuOfWindow(menu);
    menuRect = WindowRectOf(menu);
    skinned = SendMessageA(menu, SM_ISSKINNED, 0, 0);
    trackedWhileOpen = form.Bar()->Tracking();
    SendClick(Centre(ItemRectOnScreen(form.Handle(), form.File->Handle(), 4)));
    WaitNoMenuWindow(thread);
  });
  EXPECT_EQ(opened, form.File->Handle());
  EXPECT_EQ(menuRect.left, window.left + item.left);
  EXPECT_EQ(menuRect.top, window.top + item.bottom);
  EXPECT_EQ(skinned, 1);
  EXPECT_TRUE(trackedWhileOpen);
  EXPECT_FALSE(form.Bar()->Tracking());
  EXPECT_TRUE(Contains(form.Clicked, "E&xit"));
}

TEST(MenuBar, MouseMovesFromOneDropDownToTheNext) {
  TMenuForm form(ProgramSkin());
  ASSERT_TRUE(form.WaitSkinned());
  const DWORD thread = GetCurrentThreadId();
  HMENU first = nullptr, second = nullptr;
  RunWithInput([&] {
    SendClick(form.BarItemCentre(0));
    if (HWND menu = WaitMenuWindow(thread)) first = MenuOfWindow(menu);
    SendMouseMove(form.BarItemCentre(1));
    SendMouseMove({form.BarItemCentre(1).x + 2, form.BarItemCentre(1).y});
    const DWORD end = GetTickCount() + 3000;
    while (static_cast<LONG>(GetTickCount() - end) < 0) {
      const std::vector<HWND> menus = MenuWindows(thread);
      if (!menus.empty() && MenuOfWindow(menus.back()) == form.Edit->Handle()) {
        second = form.Edit->Handle();
        break;
      }
      Sleep(30);
    }
    SendKey(VK_ESCAPE);
    WaitNoMenuWindow(thread);
  });
  EXPECT_EQ(first, form.File->Handle());
  EXPECT_EQ(second, form.Edit->Handle());
  EXPECT_EQ(MenuWindows(thread).size(), 0u);
}

TEST(MenuBar, AltLetterArrowKeysAndF10OpenAndSwitchDropDowns) {
  TMenuForm form(ProgramSkin());
  ASSERT_TRUE(form.WaitSkinned());
  const DWORD thread = GetCurrentThreadId();
  std::vector<HMENU> seen;
  bool firstSelected = false;
  auto waitFor = [&](HMENU Wanted) {
    const DWORD end = GetTickCount() + 3000;
    while (static_cast<LONG>(GetTickCount() - end) < 0) {
      const std::vector<HWND> menus = MenuWindows(thread);
      if (!menus.empty() && MenuOfWindow(menus.back()) == Wanted) {
        Sleep(100);
        seen.push_back(Wanted);
        return;
      }
      Sleep(30);
    }
    seen.push_back(nullptr);
  };
  RunWithInput([&] {
    SendKey('V', true);
    waitFor(form.View->Handle());
    firstSelected = (GetMenuState(form.View->Handle(), 0, MF_BYPOSITION) & MF_HILITE) != 0;
    SendKey(VK_RIGHT);
    waitFor(form.Help->Handle());
    SendKey(VK_RIGHT);  // wraps round to the first
    waitFor(form.File->Handle());
    SendKey(VK_LEFT);
    waitFor(form.Help->Handle());
    SendKey(VK_ESCAPE);
    WaitNoMenuWindow(thread);
    SendKey(VK_F10);
    waitFor(form.File->Handle());
    SendKey(VK_ESCAPE);
    WaitNoMenuWindow(thread);
  });
  const std::vector<HMENU> expected{form.View->Handle(), form.Help->Handle(), form.File->Handle(),
                                    form.Help->Handle(), form.File->Handle()};
  EXPECT_EQ(seen, expected);
  EXPECT_TRUE(firstSelected);
}

TEST(MenuBar, RightArrowOnASubMenuItemOpensTheSubMenuInstead) {
  TMenuForm form(ProgramSkin());
  ASSERT_TRUE(form.WaitSkinned());
  const DWORD thread = GetCurrentThreadId();
  size_t open = 0;
  HMENU top = nullptr;
  RunWithInput([&] {
    SendKey('F', true);
    WaitMenuWindow(thread);
    SendKey(VK_DOWN);  // the separator is passed over: "Recent"
    SendKey(VK_RIGHT);
    Sleep(200);
    const std::vector<HWND> menus = MenuWindows(thread);
    open = menus.size();
    if (!menus.empty()) top = MenuOfWindow(menus.back());
    SendKey(VK_ESCAPE);
    SendKey(VK_ESCAPE);
    WaitNoMenuWindow(thread);
  });
  EXPECT_EQ(open, 2u);
  EXPECT_EQ(top, form.Recent->Handle());
}

TEST(MenuBar, RightToLeftBarRunsFromTheRightAndAlignsDropDownsRight) {
  TMenuFormOptions options;
  options.RightToLeft = true;
  TMenuForm form(ProgramSkin(), options);
  ASSERT_TRUE(form.WaitSkinned());
  TWinSkinMenu* bar = form.Bar();
  ASSERT_TRUE(bar->RightToLeft());
  const RECT band = bar->BarRect();
  EXPECT_LE(bar->Items(0)->Rect.right, band.right);
  EXPECT_GT(bar->Items(0)->Rect.right, band.right - 30);
  EXPECT_LT(bar->Items(1)->Rect.right, bar->Items(0)->Rect.left + 1);
  const DWORD thread = GetCurrentThreadId();
  const RECT window = WindowRectOf(form.Handle());
  RECT menuRect{};
  HMENU afterLeft = nullptr;
  RunWithInput([&] {
    SendClick(form.BarItemCentre(0));
    if (HWND menu = WaitMenuWindow(thread)) menuRect = WindowRectOf(menu);
    // Mirrored: the left arrow goes to the next item, which stands left.
    SendKey(VK_LEFT);
    const DWORD end = GetTickCount() + 3000;
    while (static_cast<LONG>(GetTickCount() - end) < 0 && !afterLeft) {
      const std::vector<HWND> menus = MenuWindows(thread);
      if (!menus.empty() && MenuOfWindow(menus.back()) == form.Edit->Handle())
        afterLeft = form.Edit->Handle();
      Sleep(30);
    }
    SendKey(VK_ESCAPE);
    WaitNoMenuWindow(thread);
  });
  EXPECT_EQ(menuRect.right, window.left + bar->Items(0)->Rect.right);
  EXPECT_EQ(afterLeft, form.Edit->Handle());
}

TEST(MenuBar, SkinOffGivesTheNativeBarAndItsOwnItemDrawingBack) {
  TMenuForm form(ProgramSkin());
  ASSERT_TRUE(form.WaitSkinned());
  const DWORD thread = GetCurrentThreadId();
  // Open a drop-down once so that its items are owner-drawn by the bar.
  RunWithInput([&] {
    SendKey('E', true);
    WaitMenuWindow(thread);
    SendKey(VK_ESCAPE);
    WaitNoMenuWindow(thread);
  });
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE;
  ASSERT_TRUE(GetMenuItemInfoA(form.Edit->Handle(), 0, TRUE, &info));
  EXPECT_TRUE(info.fType & MFT_OWNERDRAW);
  const RECT skinnedClient = ClientRectOf(form.Handle());

  form.Data->SetActive(false);
  ASSERT_TRUE(PumpUntil([&] { return form.Skinner() == nullptr; }, 3000));
  EXPECT_EQ(GetMenu(form.Handle()), form.Main->Handle());
  ASSERT_TRUE(GetMenuItemInfoA(form.Edit->Handle(), 0, TRUE, &info));
  EXPECT_FALSE(info.fType & MFT_OWNERDRAW);
  const RECT client = ClientRectOf(form.Handle());
  EXPECT_EQ(client.right, skinnedClient.right);
  EXPECT_EQ(client.bottom, skinnedClient.bottom);

  form.Data->SetActive(true);
  ASSERT_TRUE(form.WaitSkinned());
  EXPECT_EQ(GetMenu(form.Handle()), nullptr);
  ASSERT_NE(form.Bar(), nullptr);
  EXPECT_EQ(form.Bar()->ItemCount(), 4);
}

TEST(MenuBar, CheckingAnItemRebuildsTheBarWithoutResizingTheWindow) {
  TMenuForm form(ProgramSkin());
  ASSERT_TRUE(form.WaitSkinned());
  const RECT before = WindowRectOf(form.Handle());
  form.ToolBar->SetChecked(false);
  PumpMessages(100);
  EXPECT_EQ(GetMenu(form.Handle()), nullptr);
  ASSERT_NE(form.Bar(), nullptr);
  EXPECT_EQ(form.Bar()->Items(2)->SubMenu, form.View->Handle());
  const RECT after = WindowRectOf(form.Handle());
  EXPECT_EQ(after.bottom - after.top, before.bottom - before.top);
  EXPECT_EQ(after.right - after.left, before.right - before.left);
}
