#pragma once
// What the title-bar tests share: finding a window's title buttons, where
// they are on the screen, what they show, and looking at a pop-up menu
// while it runs its own modal loop.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "skin/frame/FormSkinner.h"
#include "skin/frame/TitleButtons.h"
#include "skinframe/SkinFrameSupport.h"

// The first button with that action (and, when given, that Visibility).
TWinSysButton* ButtonWithAction(TWinSkinForm& Skinner, int Action, int Visibility = -1000);
// The centre of a button on the screen.
POINT ScreenCentre(HWND Window, const TWinSysButton& Button);
// The share (0 to 1) of the opaque pixels of Frame of the button's image
// that the window shows at the button's place.
double FrameShown(HWND Window, const TWinSysButton& Button, int Frame);

// A form with a skin component whose border icons are set before the
// engine takes it over.
TSkinnedForm::TOptions FormWithIcons(TBorderIcons Icons, TFormBorderStyle Border = bsSizeable);

// Two clicks at a screen point, sent at once (the first may start a modal
// loop that only the second ends). Nothing is pumped here.
void SendDoubleClick(POINT At);
// Whether a pop-up menu window is up.
bool MenuWindowOpen();

// A pop-up menu as it was seen while it ran.
struct TMenuSeen {
  bool Opened = false;
  HMENU Menu = nullptr;
  RECT WindowRect{};
  std::vector<std::string> Captions;
  std::vector<bool> Grayed;
};
// Runs Open (which must make a pop-up menu run) and, once a menu window is
// up, records what it shows and calls WhileOpen(seen) from inside its
// modal loop, which must close it (a key or a click).
TMenuSeen WatchMenu(const std::function<void()>& Open,
                    const std::function<void(const TMenuSeen&)>& WhileOpen,
                    DWORD Milliseconds = 3000);
// The screen rectangle of a pop-up menu's item.
RECT MenuItemScreenRect(HMENU Menu, int Position);
// The position of the item whose caption starts with Text (ignoring "&").
int MenuPositionOf(const TMenuSeen& Seen, const std::string& Text);
