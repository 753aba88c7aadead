#pragma once
// The record the manager keeps for each pop-up menu window of the process
// while it is open: which window, which menu it shows, whether it belongs
// to a skinned menu bar, and the background bitmap its painting uses.
//
// The painting of pop-up menus is not attached yet: Attach and Detach only
// keep the record, and the window keeps its native look.

#include <windows.h>

class TSkinData;

class TWinSkinPopMenu {
 public:
  void Attach(HWND Window, TSkinData* Data, HMENU Menu);
  void Detach();

  HWND Handle() const { return FHandle; }
  HMENU MenuHandle() const { return FMenu; }
  void SetMenuHandle(HMENU Menu) { FMenu = Menu; }
  bool MenuBarPopup() const { return FMenuBarPopup; }
  void SetMenuBarPopup(bool Value) { FMenuBarPopup = Value; }
  TSkinData* SkinData() const { return FSkinData; }
  // The bitmap the menu's background is drawn from; none yet.
  HBITMAP BackgroundBitmap() const { return nullptr; }

 private:
  HWND FHandle = nullptr;
  HMENU FMenu = nullptr;
  TSkinData* FSkinData = nullptr;
  bool FMenuBarPopup = false;
};
