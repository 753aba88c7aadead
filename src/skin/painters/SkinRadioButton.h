#pragma once
// The radio-button painter: as the check box, with the skin's radio image.
// Frames of a 4-frame strip: 1 unchecked, 2 checked, 3 unchecked disabled,
// 4 checked disabled; an 8-frame strip holds unchecked and checked in four
// states each. A left-text button's glyph ends one pixel inside the right
// edge.

#include "skin/painters/SkinCheckBox.h"

class TSkinRadioButton : public TSkinCheckBox {
  FW_CLASS(TSkinRadioButton)
 public:
  explicit TSkinRadioButton(TComponent* AOwner) : TSkinCheckBox(AOwner) {}

 protected:
  const TPixelBuffer* GlyphStrip(int& FrameCount) const override;
  int StateFrame(int FrameCount) const override;
  RECT GlyphBox(const RECT& Rect, int Width, int Height, bool LeftText) const override;
};
