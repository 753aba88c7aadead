#pragma once
// The glyph of a bitmap button or speed button: a strip of NumGlyphs
// images side by side (up, disabled, down, and for speed buttons held
// down). A state without an image of its own uses the first; disabled then
// draws it greyed. The bottom-left pixel's colour is transparent.

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "toolkit/Bitmap.h"
#include "toolkit/Font.h"
#include "toolkit/portable/ButtonLayout.h"

enum class TGlyphState { Up, Disabled, Down, Exclusive };

class TButtonGlyph {
 public:
  TBitmap* Glyph() { return &FGlyph; }
  int GetNumGlyphs() const { return FNumGlyphs; }
  // 1 to 4.
  void SetNumGlyphs(int Value);
  // Width of one image and its height; (0, 0) without a glyph.
  SIZE Size() const;
  void Draw(HDC DC, int X, int Y, TGlyphState State);
  // Reads a glyph as a form description stores it: a BMP file, optionally
  // preceded by its length as four bytes; empty data clears the glyph.
  // Throws EComponentError for data that is no bitmap.
  void LoadFromData(const std::vector<std::uint8_t>& Bytes);

 private:
  TBitmap FGlyph;
  int FNumGlyphs = 1;
};

// Draws a button's glyph and caption into Content, laid out as LayoutButton
// says; a disabled caption is drawn engraved. TextFlags are DrawText flags
// (DT_WORDBREAK for wrapped text, DT_RTLREADING...).
void DrawGlyphAndCaption(HDC DC, const RECT& Content, TButtonGlyph& Glyph, TGlyphState State,
                         const std::string& Caption, const TFont& Font, TButtonLayout Layout,
                         int Margin, int Spacing, UINT TextFlags);
