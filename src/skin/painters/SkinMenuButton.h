#pragma once
// The painter of buttons that open a menu: a push button's face with a
// drop-down mark at the right, the caption centred in the room left of it.

#include "skin/painters/SkinButton.h"

class TSkinMenuButton : public TSkinButton {
  FW_CLASS(TSkinMenuButton)
 public:
  explicit TSkinMenuButton(TComponent* AOwner) : TSkinButton(AOwner) {}

  // Room kept at the right for the mark.
  static constexpr int kMarkWidth = 15;

 protected:
  void Paint(HDC DC, const RECT& Rect) override;

 private:
  void DrawDropDownMark(HDC Face, int Width, int Height) const;
};
