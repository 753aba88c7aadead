#pragma once
// The skinned menu bar of a form: built from the window's native menu bar
// (which is then taken off the window), painted into the non-client band
// below the title, and opened item by item as drop-downs run by the
// system's menu loop. The mouse and the arrow keys move between drop-downs,
// the Alt+letter accelerators and F10 open them.
//
// The bar gives the window its native menu bar back when it is released,
// and the drop-downs' items their own drawing.

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "toolkit/portable/Component.h"
#include "toolkit/portable/PixelBuffer.h"

class TWinSkinForm;
class TSkinData;
class TMenu;
class TMenuItem;
class TMenuBtn;

class TWinSkinMenu : public TComponent {
  FW_CLASS(TWinSkinMenu)
 public:
  TWinSkinMenu(TWinSkinForm& Owner, TSkinData* Data);
  ~TWinSkinMenu() override;

  TWinSkinForm& Owner() const { return FOwner; }
  TMenu* Menu() const { return FMenu; }
  void SetMenu(TMenu* Value) { FMenu = Value; }
  HMENU MenuHandle() const { return FMenuHandle; }
  // Takes the window's native menu bar (when it has one) and reads its
  // items; the native bar is then taken off the window.
  void Build();
  // After the MDI client set a new frame menu: the items are read from it
  // (the form's items fill in only entries without a caption) and laid out
  // at once.
  void BuildAfterMDISetMenu();
  // The window gets its native menu bar back; the drop-downs' items are
  // no longer owner-drawn by the bar.
  void GiveBack();

  int ItemCount() const { return static_cast<int>(FItems.size()); }
  TMenuBtn* Items(int Index) const { return FItems.at(static_cast<size_t>(Index)).get(); }
  bool RightToLeft() const;
  // Window-relative.
  RECT BarRect() const { return FBarRect; }
  const TPixelBuffer& BarBitmap() const { return FBarBitmap; }

  // Lays the items out in the bar's rectangle (window-relative).
  void Layout(const RECT& Bar);
  // Paints the bar into the window DC; Bar is window-relative.
  void Paint(HDC DC, const RECT& Bar);

  // The item with a caption under a window-relative point, or null.
  TMenuBtn* MenuItemAt(POINT WindowPoint) const;
  TMenuBtn* ItemAtScreen(POINT Screen) const;
  // The enabled visible item whose caption has Key as accelerator (with
  // Key 0, the first item), or null.
  TMenuBtn* FindAccelerator(char Key) const;
  // The index of the next (Step 1) or previous (-1) item with a caption,
  // wrapping around; in screen order for right-to-left bars.
  int NeighbourIndex(int From, int Step) const;

  TMenuItem* FindMenuItemByCommand(UINT Command) const;
  // The caption an entry of a drop-down had before the bar made it
  // owner-drawn (the system no longer gives it then).
  std::string NativeCaption(HMENU Menu, UINT Id) const;
  TMenuItem* FindMenuItemBySubMenu(HMENU SubMenu) const;

  // Opens Item: its command is posted, its drop-down runs.
  void OpenMenuItem(TMenuBtn& Item);
  // A drop-down of this bar is open.
  bool Tracking() const { return FTracking; }
  void SetTracking(bool Value) { FTracking = Value; }

  // The non-client mouse over the bar (window-relative point); true when an
  // item took the message.
  bool MouseMove(POINT WindowPoint);
  bool MouseDown(POINT WindowPoint);

 private:
  enum TReadKind { rkForm, rkMDIFrame };
  // False when there is no menu to read.
  bool Read(TReadKind Kind);
  void ReadNativeItems(TReadKind Kind);
  void TakeFromMenuItem(TMenuBtn& Button);
  void TakeCaptionlessFromMenuItem(TMenuBtn& Button);
  void SwitchToOwnerDraw(HMENU Menu);
  void RestoreOwnerDraw();
  TSkinData* SkinData() const { return FSkinData; }

  TWinSkinForm& FOwner;
  TSkinData* FSkinData;
  TMenu* FMenu = nullptr;
  HMENU FMenuHandle = nullptr;
  std::vector<std::unique_ptr<TMenuBtn>> FItems;
  RECT FBarRect{};
  TPixelBuffer FBarBitmap;
  bool FTracking = false;
  // Native items the bar switched to owner drawing, to switch back.
  struct TSwitchedItem {
    HMENU Menu;
    UINT Position;
    UINT Id;
    std::string Caption;
  };
  std::vector<TSwitchedItem> FSwitched;
};
