#pragma once
// Takes over one pop-up menu window of the process (the system's menu
// window class) while it is open: its window procedure is replaced so that
// the menu's frame and background come from the skin's menu background
// element. The background built for the window's size is kept; the item
// painter draws the items over the part of it under each item.
//
// While the manager's skinning is switched off the window keeps the
// replacement but every message goes to the menu's own procedure, so the
// menu's next repaint is the system's.

#include <windows.h>

#include "toolkit/portable/PixelBuffer.h"

class TSkinData;
class TDataSkinObject;

class TWinSkinPopMenu {
 public:
  TWinSkinPopMenu() = default;
  ~TWinSkinPopMenu();
  TWinSkinPopMenu(const TWinSkinPopMenu&) = delete;
  TWinSkinPopMenu& operator=(const TWinSkinPopMenu&) = delete;

  void Attach(HWND Window, TSkinData* Data, int Tag);
  // Gives the window its own procedure back; safe to call twice.
  void Detach();
  bool Attached() const { return FOldWndProc != nullptr; }

  HWND Handle() const { return FHandle; }
  int Tag() const { return FTag; }
  // The menu the window shows (asked of the window once when not given).
  HMENU MenuHandle();
  void SetMenuHandle(HMENU Menu) { FMenu = Menu; }
  bool MenuBarPopup() const { return FMenuBarPopup; }
  void SetMenuBarPopup(bool Value) { FMenuBarPopup = Value; }
  TSkinData* SkinData() const { return FSkinData; }
  // The window's background as last built, window-relative; empty before
  // the first paint, after Detach and without a skinned background.
  const TPixelBuffer& Background() const { return FBackground; }

 private:
  static LRESULT CALLBACK WindowProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam);
  LRESULT Dispatch(UINT Msg, WPARAM WParam, LPARAM LParam);
  LRESULT PassOn(UINT Msg, WPARAM WParam, LPARAM LParam);

  LRESULT OnDestroy(WPARAM WParam, LPARAM LParam);
  LRESULT OnEraseBackground(WPARAM WParam, LPARAM LParam);
  LRESULT OnNcPaint(WPARAM WParam, LPARAM LParam);
  LRESULT OnPaint(WPARAM WParam, LPARAM LParam);
  LRESULT OnPrint(WPARAM WParam, LPARAM LParam);

  const TDataSkinObject* BackgroundElement() const;
  // Builds the background for the window's present size; false without a
  // skinned background or a window rectangle.
  bool BuildBackground();
  // The frame bands (the window's border) drawn again from the background.
  void PaintFrameBands(HDC DC) const;

  HWND FHandle = nullptr;
  HMENU FMenu = nullptr;
  TSkinData* FSkinData = nullptr;
  int FTag = 0;
  bool FMenuBarPopup = false;
  WNDPROC FOldWndProc = nullptr;
  bool FUnicode = false;
  TPixelBuffer FBackground;
};
