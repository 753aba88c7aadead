#pragma once
// The keyboard and mouse inside an open drop-down of a skinned menu bar.
// One drop-down is tracked at a time in the process: while the system's
// menu loop runs it, a message-filter hook of the thread watches the arrow
// keys and the mouse, and when they point at a neighbouring menu-bar item
// the open drop-down is ended so that the menu bar opens that item next.

#include <windows.h>

class TWinSkinMenu;
class TMenuItem;

class TMenuTracking {
 public:
  static TMenuTracking& Instance();

  // The drop-down of menu-bar item OpenIndex (SubMenu) opens.
  void Begin(TWinSkinMenu& Bar, int OpenIndex, HMENU SubMenu);
  // The drop-down has closed; the hook goes.
  void End();

  bool Tracking() const { return FBar != nullptr; }
  TWinSkinMenu* Bar() const { return FBar; }
  int OpenIndex() const { return FOpenIndex; }
  HMENU TrackedMenu() const { return FTrackedMenu; }
  // The menu-bar item to open once the drop-down has closed, or -1.
  int SwitchTarget() const { return FSwitchTarget; }
  TMenuItem* FocusedItem() const { return FFocused; }

  // WM_MENUSELECT reaching the owner window while tracking.
  void MenuSelected(WPARAM WParam, LPARAM LParam);

 private:
  TMenuTracking() = default;
  static LRESULT CALLBACK FilterHook(int Code, WPARAM WParam, LPARAM LParam);
  void OnMessage(MSG& Message);
  void OnKeyDown(MSG& Message);
  bool FocusOnTopLevel() const;
  bool FocusedRightToLeft() const;
  // Ends the open drop-down so that item Index opens next.
  void SwitchTo(int Index);

  HHOOK FHook = nullptr;
  TWinSkinMenu* FBar = nullptr;
  int FOpenIndex = -1;
  HMENU FTrackedMenu = nullptr;
  TMenuItem* FFocused = nullptr;
  HMENU FFocusedMenu = nullptr;
  bool FFocusedHasChildren = false;
  POINT FLastMouse{};
  bool FFirstKeySent = false;
  bool FSwitching = false;
  int FSwitchTarget = -1;
};

// The drop-down being tracked, or null.
HMENU TrackedMenu();
