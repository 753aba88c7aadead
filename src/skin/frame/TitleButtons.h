#pragma once
// The title buttons of one skinned window, one per title-button element of
// the skin, in the skin's order: which of them the window shows and
// enables, where they sit and how the title bar draws them. Rebuilt with
// the frame metrics; the form skinner owns the set.

#include <windows.h>

#include <memory>
#include <vector>

#include "skin/frame/WinSysButton.h"

class TWinSkinForm;
class TParsedSkin;

class TTitleButtons {
 public:
  explicit TTitleButtons(TWinSkinForm& Owner) : FOwner(Owner) {}

  // One button per element of the skin's TitleButtons.
  void Build(const TParsedSkin& Skin);
  void Clear() { FButtons.clear(); }

  // Each button's Visible and Enabled from the window's state now.
  void UpdateVisibility();
  // Rectangles of the visible buttons (the caption must be placed first:
  // some buttons stand beside it).
  void Layout();
  // Into the title bitmap, for a window painted active or not.
  void DrawTitle(HDC TitleDC, bool Active) const;
  // The buttons that stand in the menu bar, into a bitmap of the bar whose
  // top-left is (DX, DY) in the window.
  void DrawInMenuBar(HDC BarDC, int DX, int DY) const;
  // Width kept free at the title's right for the right-aligned buttons.
  int Reserve() const;

  // The visible button with an action under a window-relative point.
  TWinSysButton* ButtonAt(POINT WindowPoint) const;
  const std::vector<std::unique_ptr<TWinSysButton>>& Buttons() const { return FButtons; }

 private:
  struct TWindowFacts {
    bool Maximised, Active, MinBox, MaxBox, HelpBox, SystemMenu, MDIButtonsShown, DialogFrame;
  };
  TWindowFacts ReadFacts() const;
  bool ShownBy(int Value, bool First, const TWinSysButton& Button, const TWindowFacts& F) const;
  RECT PlaceButton(const TWinSysButton& Button, int Width, int Height) const;
  bool Drawable(const TWinSysButton& Button) const;

  TWinSkinForm& FOwner;
  std::vector<std::unique_ptr<TWinSysButton>> FButtons;
};
