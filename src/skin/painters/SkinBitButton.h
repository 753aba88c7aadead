#pragma once
// The painter of buttons with a glyph beside the caption: the face as for a
// push button, then glyph and caption placed as the toolkit's own glyph
// buttons place them (Layout, Margin and Spacing, -1 meaning "centre"). The
// glyph is read by name from the control ("Glyph", or the property named by
// GlyphPropertyName), or else taken from its image list.

#include <string>

#include "skin/painters/SkinButton.h"
#include "toolkit/portable/ButtonLayout.h"

class TBitmap;
class TImageList;

class TSkinBitButton : public TSkinButton {
  FW_CLASS(TSkinBitButton)
 public:
  explicit TSkinBitButton(TComponent* AOwner) : TSkinButton(AOwner) {}

  const std::string& GlyphPropertyName() const { return FGlyphPropertyName; }
  void SetGlyphPropertyName(const std::string& Value) { FGlyphPropertyName = Value; }

  // Glyph numbers within a glyph strip.
  enum TGlyphNumber { gnUp = 1, gnDisabled = 2, gnPressed = 3, gnDown = 4 };

  // What the control says about its glyph and its placement.
  struct TGlyphProps {
    TBitmap* Glyph = nullptr;
    TImageList* Images = nullptr;
    int NumGlyphs = 1;
    int ImageIndex = -1;
    int DisabledIndex = -1;
    int Margin = -1;
    int Spacing = -1;
    TButtonLayout Layout = blGlyphLeft;
  };

 protected:
  void Paint(HDC DC, const RECT& Rect) override;

  TGlyphProps ReadGlyphProps() const;
  // Glyph and caption into Face (the whole button is Rect), the caption in
  // the colour and font already selected.
  void DrawGlyphAndCaption(HDC Face, const RECT& Rect, const TGlyphProps& Props, int Glyph);

  std::string FGlyphPropertyName;

 private:
  TPoint GlyphSize(const TGlyphProps& Props) const;
  void DrawGlyph(HDC Face, TPoint At, const TGlyphProps& Props, int Glyph);
};
