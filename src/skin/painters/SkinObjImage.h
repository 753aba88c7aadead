#pragma once
// The painter of check boxes and radio buttons of libraries that draw their
// own glyphs from images they publish: it paints nothing itself but hands
// the control the skin's check or radio strip ("CustomGlyphs" with
// "UseCustomGlyphs" and magenta as "TransparentColor", or the "Glyph" of its
// "Properties"), and gives the control its own images back on detach.
//
// Mode is the image kind: 1 check box, 2 radio button, 3 a check box that
// keeps its glyph in "Properties".

#include <memory>
#include <string>

#include "skin/painters/SkinControl.h"
#include "toolkit/portable/PixelBuffer.h"

class TBitmap;

class TSkinObjImage : public TSkinControl {
  FW_CLASS(TSkinObjImage)
 public:
  explicit TSkinObjImage(TComponent* AOwner);
  ~TSkinObjImage() override;

  void AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data, bool PaintBackground,
                       TCanvas* Canvas) override;
  void SkinChanged() override;
  // Whether the control took images from the skin.
  bool GlyphsApplied() const { return FApplied; }

 protected:
  void Detach() override;

 private:
  // The skin's strip for the image kind; null when the skin has none.
  const TPixelBuffer* SkinStrip() const;
  // The bitmap property the strip goes into, or null.
  TBitmap* TargetBitmap() const;
  void ApplyGlyphs();
  void RestoreGlyphs();

  bool FApplied = false;
  TPixelBuffer FSavedGlyphs;
  std::string FSavedUseCustom;
  long long FSavedTransparentColor = -1;
};
