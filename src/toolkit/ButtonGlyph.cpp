#include "toolkit/ButtonGlyph.h"

#include <algorithm>

#include "toolkit/GdiHandle.h"
#include "toolkit/portable/BmpDecoder.h"
#include "toolkit/portable/Component.h"

void TButtonGlyph::SetNumGlyphs(int Value) {
  FNumGlyphs = std::clamp(Value, 1, 4);
}

SIZE TButtonGlyph::Size() const {
  if (FGlyph.Empty()) return {0, 0};
  return {FGlyph.Width() / FNumGlyphs, FGlyph.Height()};
}

namespace {

// Disabled look: every opaque pixel becomes a light grey of its brightness.
void MakeDisabled(TPixelBuffer& Cell, TPixel Key) {
  for (int y = 0; y < Cell.Height(); ++y) {
    TPixel* row = Cell.Row(y);
    for (int x = 0; x < Cell.Width(); ++x) {
      if (row[x] == Key) continue;
      const int r = (row[x] >> 16) & 0xFF, g = (row[x] >> 8) & 0xFF, b = row[x] & 0xFF;
      const int grey = 128 + (r * 30 + g * 59 + b * 11) / 200;
      row[x] = PixelFromRgb(grey, grey, grey);
    }
  }
}

}  // namespace

void TButtonGlyph::Draw(HDC DC, int X, int Y, TGlyphState State) {
  const SIZE size = Size();
  if (size.cx <= 0 || size.cy <= 0) return;
  int index = static_cast<int>(State);
  const bool ownImage = index < FNumGlyphs;
  if (!ownImage) index = 0;

  TPixelBuffer strip = FGlyph.ToPixelBuffer();
  const TPixel key = strip.Pixel(0, strip.Height() - 1);
  TPixelBuffer cell(size.cx, size.cy);
  for (int y = 0; y < size.cy; ++y)
    std::copy_n(strip.Row(y) + index * size.cx, size.cx, cell.Row(y));
  if (State == TGlyphState::Disabled && !ownImage) MakeDisabled(cell, key);

  TBitmap image;
  image.Assign(cell);
  TDCHandle source(CreateCompatibleDC(DC));
  HGDIOBJ old = SelectObject(source.Get(), image.Handle());
  const COLORREF transparent = RGB((key >> 16) & 0xFF, (key >> 8) & 0xFF, key & 0xFF);
  TransparentBlt(DC, X, Y, size.cx, size.cy, source.Get(), 0, 0, size.cx, size.cy, transparent);
  SelectObject(source.Get(), old);
}

void TButtonGlyph::LoadFromData(const std::vector<std::uint8_t>& Bytes) {
  if (Bytes.empty()) {
    FGlyph.SetSize(0, 0);
    return;
  }
  size_t start = 0;
  if (Bytes.size() > 6 && Bytes[4] == 'B' && Bytes[5] == 'M') start = 4;
  TPixelBuffer pixels = BmpDecoder::Decode(Bytes.data() + start, Bytes.size() - start);
  if (pixels.Empty()) throw EComponentError("The glyph data is not a bitmap");
  FGlyph.Assign(pixels);
}

void DrawGlyphAndCaption(HDC DC, const RECT& Content, TButtonGlyph& Glyph, TGlyphState State,
                         const std::string& Caption, const TFont& Font, TButtonLayout Layout,
                         int Margin, int Spacing, UINT TextFlags) {
  HGDIOBJ oldFont = SelectObject(DC, Font.Handle());
  if (!(TextFlags & DT_WORDBREAK)) TextFlags |= DT_SINGLELINE;
  // An empty caption takes no room, so that the glyph alone is centred.
  RECT measured{};
  if (!Caption.empty()) {
    measured.right = Content.right - Content.left;
    DrawTextA(DC, Caption.c_str(), -1, &measured, TextFlags | DT_CALCRECT);
  }
  const SIZE glyph = Glyph.Size();
  const TButtonLayoutResult layout =
      LayoutButton({Content.left, Content.top, Content.right, Content.bottom},
                   {static_cast<int>(glyph.cx), static_cast<int>(glyph.cy)},
                   {static_cast<int>(measured.right), static_cast<int>(measured.bottom)}, Layout,
                   Margin, Spacing);
  Glyph.Draw(DC, layout.GlyphPos.X, layout.GlyphPos.Y, State);
  if (!Caption.empty()) {
    RECT text{layout.TextBounds.Left, layout.TextBounds.Top, layout.TextBounds.Right,
              layout.TextBounds.Bottom};
    const int oldMode = SetBkMode(DC, TRANSPARENT);
    if (State == TGlyphState::Disabled) {
      // Engraved: the highlight one pixel below right, the shadow on top.
      OffsetRect(&text, 1, 1);
      SetTextColor(DC, GetSysColor(COLOR_BTNHIGHLIGHT));
      DrawTextA(DC, Caption.c_str(), -1, &text, TextFlags);
      OffsetRect(&text, -1, -1);
      SetTextColor(DC, GetSysColor(COLOR_BTNSHADOW));
    } else {
      SetTextColor(DC, ColorToRGB(Font.GetColor()));
    }
    DrawTextA(DC, Caption.c_str(), -1, &text, TextFlags);
    SetBkMode(DC, oldMode);
  }
  SelectObject(DC, oldFont);
}
