#pragma once
// Menus: items with captions, check marks and radio groups, shortcuts,
// images, sub-items and owner-draw events; a main menu for a form's menu
// bar and pop-up menus. The system menu is rebuilt from the items whenever
// they change.

#include <windows.h>

#include <string>
#include <vector>

#include "toolkit/Canvas.h"
#include "toolkit/ControlTypes.h"
#include "toolkit/GdiHandle.h"
#include "toolkit/portable/Component.h"
#include "toolkit/portable/ShortCut.h"

class TMenu;
class TImageList;

using TMenuDrawItemEvent = TEvent<TObject*, TCanvas*, RECT, bool>;
using TMenuMeasureItemEvent = TEvent<TObject*, TCanvas*, int&, int&>;

class TMenuItem : public TComponent {
  FW_CLASS(TMenuItem)
 public:
  explicit TMenuItem(TComponent* AOwner);
  ~TMenuItem() override;

  std::string GetCaption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  bool GetChecked() const { return FChecked; }
  // Checking a radio item unchecks the radio items of its group among its
  // siblings.
  void SetChecked(bool Value);
  bool GetRadioItem() const { return FRadioItem; }
  void SetRadioItem(bool Value);
  int GetGroupIndex() const { return FGroupIndex; }
  void SetGroupIndex(int Value);
  // Clicking checks the item (radio items) or toggles it.
  bool GetAutoCheck() const { return FAutoCheck; }
  void SetAutoCheck(bool Value) { FAutoCheck = Value; }
  bool GetDefault() const { return FDefault; }
  void SetDefault(bool Value);
  TShortCut GetShortCut() const { return FShortCut; }
  void SetShortCut(TShortCut Value);
  // Index into the menu's Images; -1: none.
  int GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  std::string GetHint() const { return FHint; }
  void SetHint(const std::string& Value) { FHint = Value; }
  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  bool GetVisible() const { return FVisible; }
  void SetVisible(bool Value);
  bool IsLine() const { return FCaption == "-"; }

  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int Index) const { return FItems.at(Index); }
  TMenuItem* ParentItem() const { return FParentItem; }
  void Add(TMenuItem* Item);
  void Insert(int Index, TMenuItem* Item);
  void Remove(TMenuItem* Item);
  // The menu this item belongs to, or null.
  TMenu* GetParentMenu() const;
  // The enabled, visible item at any depth below this one with that
  // shortcut, or null.
  TMenuItem* FindByShortCut(TShortCut ShortCut);

  UINT Command() const { return FCommand; }
  // The pop-up menu holding this item's sub-items (made by the menu).
  HMENU Handle() const { return FSubMenu; }

  virtual void Click();
  // Returns true when an OnDrawItem or OnMeasureItem handler did the work.
  virtual bool DrawItem(TCanvas& Canvas, RECT Rect, bool Selected);
  virtual bool MeasureItem(TCanvas& Canvas, int& Width, int& Height);

  void SetParentComponent(TComponent* Parent) override;

  TNotifyEvent OnClick;
  TMenuDrawItemEvent OnDrawItem;
  TMenuMeasureItemEvent OnMeasureItem;

 private:
  friend class TMenu;
  void Changed();

  void UncheckGroupSiblings();

  std::string FCaption;
  std::string FHint;
  bool FChecked = false;
  bool FRadioItem = false;
  bool FAutoCheck = false;
  bool FDefault = false;
  int FGroupIndex = 0;
  TShortCut FShortCut = 0;
  int FImageIndex = -1;
  bool FEnabled = true;
  bool FVisible = true;
  UINT FCommand;
  std::vector<TMenuItem*> FItems;
  TMenuItem* FParentItem = nullptr;
  TMenu* FMenu = nullptr;  // set on the root item only
  // Destroyed with the root menu that holds it.
  HMENU FSubMenu = nullptr;
};

class TMenu : public TComponent {
  FW_CLASS(TMenu)
 public:
  explicit TMenu(TComponent* AOwner);
  ~TMenu() override;

  TMenuItem* Items() const { return FItems; }
  // The system menu, built from the items on first use and after changes.
  HMENU Handle();
  bool GetOwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool Value);
  TImageList* GetImages() const { return FImages; }
  void SetImages(TImageList* Value);
  // The reading direction; by default that of the form that owns the menu.
  TBiDiMode GetBiDiMode() const { return FBiDiMode; }
  void SetBiDiMode(TBiDiMode Value);
  bool GetParentBiDiMode() const { return FParentBiDiMode; }
  void SetParentBiDiMode(bool Value);
  bool IsRightToLeft() const { return FBiDiMode != bdLeftToRight; }
  // The owning form's BiDiMode changed.
  void ParentBiDiModeChanged();
  void Loaded() override;

  // Drops the system menu so that the next Handle() rebuilds it.
  virtual void ItemsChanged();

 protected:
  virtual HMENU CreateRootMenu() = 0;
  void BuildMenu(HMENU Menu, TMenuItem& Parent);
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // The menu bar's own items (not those of its drop-downs).
  virtual bool IsBarItem(const TMenuItem& Item) const { return false; }

  TMenuItem* FItems;
  TMenuHandle FHandle;
  bool FOwnerDraw = false;
  TImageList* FImages = nullptr;
  TBiDiMode FBiDiMode = bdLeftToRight;
  bool FParentBiDiMode = true;
};

class TMainMenu : public TMenu {
  FW_CLASS(TMainMenu)
 public:
  using TMenu::TMenu;
  void ItemsChanged() override;

 protected:
  HMENU CreateRootMenu() override { return CreateMenu(); }
  bool IsBarItem(const TMenuItem& Item) const override { return Item.ParentItem() == FItems; }
};

FW_ENUM(TPopupAlignment, paLeft, paRight, paCenter)

class TPopupMenu : public TMenu {
  FW_CLASS(TPopupMenu)
 public:
  using TMenu::TMenu;

  bool GetAutoPopup() const { return FAutoPopup; }
  void SetAutoPopup(bool Value) { FAutoPopup = Value; }
  TComponent* PopupComponent() const { return FPopupComponent; }
  void SetPopupComponent(TComponent* Value) { FPopupComponent = Value; }
  // Shows the menu at a screen point and runs it; the chosen item is
  // clicked.
  virtual void Popup(int X, int Y);

  TNotifyEvent OnPopup;

 protected:
  HMENU CreateRootMenu() override { return CreatePopupMenu(); }

 private:
  bool FAutoPopup = true;
  TComponent* FPopupComponent = nullptr;
};

// The item with that command identifier, or null.
TMenuItem* FindMenuItemByCommand(UINT Command);
// The shortcut of a key press (virtual key with the modifier keys held now).
TShortCut ShortCutFromKey(WPARAM Key);
// Owner-draw messages for menu items; return non-zero when handled.
LRESULT DrawMenuItemMessage(const DRAWITEMSTRUCT& Item);
LRESULT MeasureMenuItemMessage(MEASUREITEMSTRUCT& Item);
// An owner-drawn item's size before its OnMeasureItem sees it.
void MeasureMenuItemDefault(const TMenuItem& Item, TCanvas& Canvas, int& Width, int& Height);
