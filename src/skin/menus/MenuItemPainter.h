#pragma once
// Measures and draws the items of a skinned form's menus from the skin's
// menu item element and colours: the drop-downs of the skinned menu bar,
// the main menu's drop-down items, the form's pop-up menus, the menus of its
// tool bars and the skinned system menu. An item is composed off-screen
// (its background, the element's normal or selected frame, the check or
// radio mark or image, caption, shortcut) and copied once.
//
// The painter switches owner drawing of those menus on and off by pointing
// the items' draw and measure events at itself; switching off clears only
// the events it set, at every depth.

#include <windows.h>

#include <functional>
#include <map>
#include <vector>

#include "toolkit/Menu.h"
#include "toolkit/portable/Component.h"

class TWinSkinForm;
class TSkinData;
class TMenu;
class TMenuItem;
class TCanvas;

class TMenuItemPainter {
 public:
  explicit TMenuItemPainter(TWinSkinForm& Owner);
  ~TMenuItemPainter();
  TMenuItemPainter(const TMenuItemPainter&) = delete;
  TMenuItemPainter& operator=(const TMenuItemPainter&) = delete;

  // Every pop-up menu owned by Container (and by the frames and forms it
  // owns) whose Tag differs from the skin's DisableTag becomes owner-drawn
  // with this painter, or is given back.
  void SetPopupMenusOwnerDraw(TComponent* Container, bool On);
  // The main menus owned by Form: their drop-down items (not the bar's own)
  // are drawn here unless they draw themselves.
  void SetMainMenuOwnerDraw(TComponent* Form, bool On);
  // Item and every item below it (tool-bar menus).
  void SetMenuItemsOwnerDraw(TMenuItem* Item, bool On);
  // The items below Root as a pop-up menu's (the system menu's): drawn and
  // measured here.
  void SetPopupItemsOwnerDraw(TMenuItem& Root, bool On);

  // The event handlers.
  void MeasurePopupItem(TObject* Sender, TCanvas* Canvas, int& Width, int& Height);
  void MeasureMainItem(TObject* Sender, TCanvas* Canvas, int& Width, int& Height);
  void DrawMenuItem(TObject* Sender, TCanvas* Canvas, RECT Rect, bool Selected);

  // WM_MEASUREITEM and WM_DRAWITEM of an owner-drawn item of a native menu
  // of the window (the skinned menu bar's drop-downs): items of the form's
  // menus through the handlers above, others wrapped in a temporary item.
  // False when the message is not one of these.
  bool MeasureNativeItem(MEASUREITEMSTRUCT& Item);
  bool DrawNativeItem(const DRAWITEMSTRUCT& Item);

 private:
  TSkinData* SkinData() const;
  bool IsRightToLeft(const TMenuItem& Item) const;
  // The item of the form's main menu with that command, or null.
  TMenuItem* FormMenuItem(UINT Command) const;
  void DrawItem(const TMenuItem& Item, HDC DC, const RECT& Rect, bool Selected);
  // Takes away the handlers this painter set (an application's draw
  // handler that it replaced comes back).
  void ClearOwnEvents(TMenuItem& Item);
  static void ForEachBelow(TMenuItem& Item, const std::function<void(TMenuItem&)>& Action);

  TWinSkinForm& FOwner;
  // Menus switched to owner drawing here (compared, never dereferenced,
  // until found again among the form's components).
  std::vector<const TMenu*> FOwnerDrawnMenus;
  std::map<const TMenuItem*, TMenuDrawItemEvent> FReplacedDraw;
};
