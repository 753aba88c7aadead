// The skinned system menu: opened from the icon button, the caption and
// the keyboard, its commands enabled as the window's state allows, and the
// icon's double click.
#include <gtest/gtest.h>
#include <windows.h>

#include "common/MessagePump.h"
#include "common/SyntheticInput.h"
#include "skin/frame/SystemMenu.h"
#include "skintitle/TitleTestSupport.h"
#include "toolkit/Menu.h"

namespace {

constexpr int kIcon = 3;

bool Grayed(const TMenuSeen& Seen, const std::string& Caption) {
  const int at = MenuPositionOf(Seen, Caption);
  EXPECT_GE(at, 0) << Caption;
  return at >= 0 && Seen.Grayed[static_cast<size_t>(at)];
}

void PressEscape(const TMenuSeen&) {
  PressChord({VK_ESCAPE});
}

// Showing the menu again within the double-click time closes the window.
void WaitPastDoubleClick() {
  PumpMessages(GetDoubleClickTime() + 100);
}

}  // namespace

TEST(SystemMenu, TheIconButtonAndAltSpaceOpenTheSkinnedMenuWithTheWindowsCommands) {
  TSkinnedForm window(ProgramSkin());
  HWND wnd = window.Handle();
  SetForegroundWindow(wnd);
  ASSERT_TRUE(window.WaitSkinned());
  PumpMessages(100);
  TWinSkinForm& skinner = *window.Skinner();
  TWinSysButton* icon = ButtonWithAction(skinner, kIcon);
  ASSERT_TRUE(icon && icon->Visible);

  const POINT at = ScreenCentre(wnd, *icon);
  const TMenuSeen first = WatchMenu([&] { ClickScreen(ScreenCentre(wnd, *icon)); },
                                    [](const TMenuSeen& Seen) {
                                      const RECT item =
                                          MenuItemScreenRect(Seen.Menu, MenuPositionOf(Seen, "Maximize"));
                                      ClickScreen({(item.left + item.right) / 2,
                                                   (item.top + item.bottom) / 2});
                                    });
  ASSERT_TRUE(first.Opened);
  ASSERT_NE(skinner.SystemMenu().Menu(), nullptr);
  EXPECT_EQ(first.Menu, skinner.SystemMenu().Menu()->Handle());
  EXPECT_EQ(skinner.SystemMenu().Menu()->GetTag(), 0x8235);
  // Under the icon, where it was clicked.
  EXPECT_LE(std::abs(first.WindowRect.left - at.x), 3);
  EXPECT_LE(std::abs(first.WindowRect.top - at.y), 3);
  EXPECT_TRUE(Grayed(first, "Restore"));
  EXPECT_FALSE(Grayed(first, "Move"));
  EXPECT_FALSE(Grayed(first, "Size"));
  EXPECT_FALSE(Grayed(first, "Minimize"));
  EXPECT_FALSE(Grayed(first, "Maximize"));
  EXPECT_FALSE(Grayed(first, "Close"));
  // The chosen command reached the window.
  ASSERT_TRUE(PumpUntil([&] { return IsZoomed(wnd) != 0; }, 2000));
  WaitPastDoubleClick();

  // Maximised, from the keyboard: at the client area's corner, with the
  // commands of a maximised window.
  const TMenuSeen second = WatchMenu([] { PressChord({VK_MENU, VK_SPACE}); }, PressEscape);
  ASSERT_TRUE(second.Opened);
  POINT corner{0, 0};
  ClientToScreen(wnd, &corner);
  EXPECT_LE(std::abs(second.WindowRect.left - corner.x), 3);
  EXPECT_LE(std::abs(second.WindowRect.top - corner.y), 3);
  EXPECT_FALSE(Grayed(second, "Restore"));
  EXPECT_TRUE(Grayed(second, "Move"));
  EXPECT_TRUE(Grayed(second, "Size"));
  EXPECT_TRUE(Grayed(second, "Maximize"));
  EXPECT_FALSE(Grayed(second, "Minimize"));
  // Escape closed it, and no native system menu follows.
  PumpMessages(300);
  EXPECT_FALSE(MenuWindowOpen());
  EXPECT_TRUE(IsZoomed(wnd));
  EXPECT_TRUE(IsWindowVisible(wnd));
}

TEST(SystemMenu, TheCaptionsRightClickOpensItAndTheIconsDoubleClickCloses) {
  TSkinnedForm window(ProgramSkin(), FormWithIcons({biSystemMenu, biMinimize}, bsSingle));
  HWND wnd = window.Handle();
  SetForegroundWindow(wnd);
  ASSERT_TRUE(window.WaitSkinned());
  PumpMessages(100);
  TWinSkinForm& skinner = *window.Skinner();
  const RECT w = WindowRectOf(wnd);
  const POINT caption{w.left + (w.right - w.left) / 2, w.top + skinner.TitleHeight() / 2};

  const TMenuSeen seen =
      WatchMenu([&] { ClickScreen(caption, true); }, PressEscape);
  ASSERT_TRUE(seen.Opened);
  EXPECT_LE(std::abs(seen.WindowRect.left - caption.x), 3);
  // A fixed frame without maximise box.
  EXPECT_TRUE(Grayed(seen, "Size"));
  EXPECT_TRUE(Grayed(seen, "Maximize"));
  EXPECT_FALSE(Grayed(seen, "Minimize"));
  EXPECT_FALSE(Grayed(seen, "Move"));
  PumpMessages(200);
  EXPECT_FALSE(MenuWindowOpen());
  WaitPastDoubleClick();

  TWinSysButton* icon = ButtonWithAction(skinner, kIcon);
  ASSERT_TRUE(icon);
  SendDoubleClick(ScreenCentre(wnd, *icon));
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(wnd); }, 3000));
  EXPECT_FALSE(MenuWindowOpen());
}
