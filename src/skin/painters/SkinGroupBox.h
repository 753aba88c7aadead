#pragma once
// The group-box painter, also for radio groups: the skin's "GroupBoxEdge"
// (frame 1, frame 2 when disabled) drawn sliced round the box from the
// middle of the caption line down, and the caption on the "GroupBox" label
// image, which interrupts the edge. Without an edge element a one-pixel
// line in the skin's button shadow stands in.
//
// The painter draws the whole window, so the windowless children of the box
// (speed buttons, labels) are painted over it in the same off-screen pass;
// windowed children draw themselves.

#include "skin/painters/OffscreenBitmap.h"
#include "skin/painters/SkinControl.h"

class TSkinGroupBox : public TSkinControl {
  FW_CLASS(TSkinGroupBox)
 public:
  explicit TSkinGroupBox(TComponent* AOwner) : TSkinControl(AOwner) {}

  void AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data, bool PaintBackground,
                       TCanvas* Canvas) override;

  bool ParentBackground() const { return FParentBackground; }
  // The caption's label rectangle of the last paint (window coordinates).
  const RECT& LabelRect() const { return FLabelRect; }

 protected:
  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;
  void Paint(HDC DC, const RECT& Rect) override;

 private:
  void DrawEdge(HDC DC, const RECT& Edge);
  // Places the caption on the top line (Size is the text's size) and its
  // label round it into FLabelRect; returns the text's rectangle.
  RECT PlaceLabel(const RECT& Rect, SIZE Size);
  void DrawLabel(HDC DC, const RECT& Label, const RECT& Text, UINT Flags);
  void PaintWindowlessChildren(HDC DC);

  bool FParentBackground = false;
  RECT FLabelRect{};
  TOffscreenBitmap FFace;
};
