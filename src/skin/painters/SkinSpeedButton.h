#pragma once
// The painter of windowless speed buttons. Having no window, the button is
// painted where its parent paints it (WM_PAINT with the parent's DC), and the
// painter follows the toolkit's mouse enter and leave notifications instead
// of WM_MOUSELEAVE. A flat button shows only the background while idle.

#include "skin/painters/SkinBitButton.h"

class TSkinSpeedButton : public TSkinBitButton {
  FW_CLASS(TSkinSpeedButton)
 public:
  explicit TSkinSpeedButton(TComponent* AOwner) : TSkinBitButton(AOwner) {}

  // The speed button's own attach: the button becomes the companion
  // control and its message handler is swapped for the painter's.
  void AttachToSpeedButton(TControl* Button, TSkinData* Data, TCanvas* Canvas,
                           TWinSkinForm* FormSkinner);
  // Through the generic path too: the owner is the speed button.
  void AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data, bool PaintBackground,
                       TCanvas* Canvas) override;
  // Paints into the button's canvas while it has a DC, else asks the
  // parent to repaint the button now.
  void PaintNonClient(HDC DC) override;

 protected:
  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;
  void Paint(HDC DC, const RECT& Rect) override;

 private:
  void PaintIntoCanvas(HDC DC);
  void SetPressedAndRepaint(bool Value);
  RECT ButtonRect() const;

  // Set while painting: the parent's background may paint the button again.
  bool FPainting = false;
};
