#pragma once
// The painter of up-down (spin) controls: the two arrow halves are drawn
// from the skin's "UpDown.Vert" or "UpDown.Horz" element, whose strip holds
// the first arrow (up, or left) in four states and then the second arrow
// (down, or right) in the same four: normal, pressed, disabled, mouse over.
// The arrows' glyphs come from the element's second image, drawn centred
// in each half. Without the element the halves are drawn in the skin's
// face and shadow colours.
//
// The control keeps its own mouse and keyboard handling (auto-repeat,
// buddy updates); the painter only follows which half is pressed and which
// is under the mouse.

#include "skin/painters/OffscreenBitmap.h"
#include "skin/painters/SkinControl.h"

class TDataSkinBorder;

class TSkinUpDown : public TSkinControl {
  FW_CLASS(TSkinUpDown)
 public:
  // The halves; 0 is neither.
  enum THalf { uhNone = 0, uhFirst = 1, uhSecond = 2 };
  // The frame of a state within one half's four (1-based).
  enum TArrowState { asNormal = 1, asPressed = 2, asDisabled = 3, asMouseOver = 4 };

  explicit TSkinUpDown(TComponent* AOwner);
  ~TSkinUpDown() override;

  int PressedHalf() const { return FPressedHalf; }
  int HotHalf() const { return FHotHalf; }
  bool Vertical() const;
  // The half that holds client point (X, Y).
  int HalfAt(int X, int Y) const;
  // The element frame (1..8) a half shows now.
  int HalfFrame(int Half) const;

 protected:
  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;
  void Paint(HDC DC, const RECT& Rect) override;

 private:
  const TDataSkinBorder* Element() const;
  RECT HalfRect(const RECT& Whole, int Half) const;
  void DrawHalf(HDC DC, const RECT& Area, int Half) const;
  void DrawPlainHalf(HDC DC, const RECT& Area, int Half) const;
  void SetHot(int Half);
  void SetPressedHalf(int Half);

  TOffscreenBitmap FFace;
  int FPressedHalf = uhNone;
  int FHotHalf = uhNone;
};
