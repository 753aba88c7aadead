#pragma once
// The push-button painter: the whole button is drawn from the skin's
// "Buttons" element, one frame per state (normal, pressed, disabled, mouse
// over, focused or default), with the caption in the skin's colours.
//
// The native button never sees a press of the left mouse button: the
// painter takes the press, shows the button pressed, and clicks when the
// button is released over it. Leaving the button while it is held clears
// the press, so releasing outside does not click. Keys go to the native
// button as usual (Space clicks it through its own notification).

#include "skin/painters/OffscreenBitmap.h"
#include "skin/painters/SkinControl.h"

class TDataSkinButton;

class TSkinButton : public TSkinControl {
  FW_CLASS(TSkinButton)
 public:
  explicit TSkinButton(TComponent* AOwner) : TSkinControl(AOwner) {}

  void AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data, bool PaintBackground,
                       TCanvas* Canvas) override;

  bool ParentBackground() const { return FParentBackground; }
  bool MultiLine() const { return FMultiLine; }

 protected:
  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;
  void Paint(HDC DC, const RECT& Rect) override;

  // The skin's push-button element, or null when it is missing or has no
  // image (the button then keeps its native look).
  const TDataSkinButton* ButtonElement() const;
  // Enabled and Focused from the window as it is now.
  void ReadWindowState();
  // The frame for the state; a default button shows the focused frame.
  int FaceFrame() const;
  bool IsDefaultButton() const;
  // Sizes the face to Rect and draws the background and (with DrawFrame)
  // the element's frame into it; null when the face cannot be made.
  HDC PrepareFace(const RECT& Rect, int Frame, bool DrawFrame = true);
  // Selects the control's font into DC and sets the caption colour for
  // Frame; returns the font that was selected before.
  HGDIOBJ SelectCaptionFont(HDC DC, int Frame);
  COLORREF CaptionColour(int Frame) const;
  // The focus rectangle is drawn around the caption of a focused button.
  bool WantsFocusRect() const;
  // The click on release: the toolkit control's, or a WM_COMMAND to the
  // parent of a bare window.
  void ClickButton();

  TOffscreenBitmap FFaceBitmap;
  bool FMultiLine = false;
  bool FParentBackground = false;

 private:
  void OnLeftButtonDown(TMessage& Message);
  void OnMouseMove();
  void OnLeftButtonUp();
  void SetPressedAndRepaint(bool Value);
};
