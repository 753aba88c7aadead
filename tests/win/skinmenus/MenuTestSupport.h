#pragma once
// What the menu tests share: a skinned form with a main menu (check, radio,
// disabled and default items, separators, images, shortcuts, a sub-menu)
// and a pop-up menu, the menu windows of the process, pixels of a window,
// and input sent from a thread of its own while a menu runs its modal loop
// in the test's thread.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "skinframe/SkinFrameSupport.h"
#include "toolkit/ImageList.h"
#include "toolkit/Menu.h"

class TMenuBtn;
class TWinSkinMenu;

struct TMenuFormOptions {
  bool RightToLeft = false;
  bool Active = true;
  std::function<void(TSkinData&)> Configure;
};

class TMenuForm {
 public:
  explicit TMenuForm(const TBytes& Skin, const TMenuFormOptions& Options = {});
  ~TMenuForm();

  HWND Handle() const { return Form->WindowHandle(); }
  TWinSkinForm* Skinner() const;
  TWinSkinMenu* Bar() const;
  bool WaitSkinned() const;
  // The bar item's centre in screen coordinates.
  POINT BarItemCentre(int Index) const;

  TMenuItem* AddItem(TMenuItem* Parent, const std::string& Caption);
  void ItemClicked(TObject* Sender);

  std::unique_ptr<TForm> Form;
  TSkinData* Data = nullptr;
  TMainMenu* Main = nullptr;
  TPopupMenu* Popup = nullptr;
  TImageList* Images = nullptr;
  TMenuItem *File = nullptr, *Edit = nullptr, *View = nullptr, *Help = nullptr;
  TMenuItem *New = nullptr, *Print = nullptr, *Recent = nullptr, *Exit = nullptr;
  TMenuItem *Cut = nullptr, *Copy = nullptr;
  TMenuItem *ToolBar = nullptr, *Large = nullptr, *Small = nullptr;
  TMenuItem* About = nullptr;
  std::vector<std::string> Clicked;
};

// The visible menu windows of a thread, the most recent last.
std::vector<HWND> MenuWindows(DWORD ThreadId);
// Waits (from the input thread) for a visible menu window; null on timeout.
HWND WaitMenuWindow(DWORD ThreadId, DWORD Milliseconds = 3000);
bool WaitNoMenuWindow(DWORD ThreadId, DWORD Milliseconds = 3000);
// The menu a menu window shows.
HMENU MenuOfWindow(HWND MenuWindow);

// Runs Script on a thread of its own while this thread handles messages
// (and the modal loops they start) until the script is done.
void RunWithInput(const std::function<void()>& Script, DWORD Milliseconds = 15000);
// Input as the hardware sends it, from the input thread.
void SendMouseMove(POINT Screen);
void SendClick(POINT Screen, bool Right = false);
void SendKey(WORD Key, bool Alt = false);

COLORREF WindowPixel(HWND Window, int X, int Y);
// How many pixels of Area (window-relative) have Colour.
int CountPixels(HWND Window, const RECT& Area, COLORREF Colour);
// A skin colour as the screen shows it.
COLORREF ScreenColour(TColor Colour);
