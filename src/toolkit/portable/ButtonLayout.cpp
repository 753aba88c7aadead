#include "toolkit/portable/ButtonLayout.h"

TButtonLayoutResult LayoutButton(const TRect& Client, TPoint GlyphSize, TPoint TextSize,
                                 TButtonLayout Layout, int Margin, int Spacing) {
  const bool horizontal = Layout == blGlyphLeft || Layout == blGlyphRight;
  const int width = Client.Width(), height = Client.Height();
  TPoint glyph, text;
  if (horizontal) {
    glyph.Y = (height - GlyphSize.Y + 1) / 2;
    text.Y = (height - TextSize.Y + 1) / 2;
  } else {
    glyph.X = (width - GlyphSize.X + 1) / 2;
    text.X = (width - TextSize.X + 1) / 2;
  }
  if (TextSize.X == 0 || GlyphSize.X == 0) Spacing = 0;

  const int extent = horizontal ? width : height;
  const int glyphExtent = horizontal ? GlyphSize.X : GlyphSize.Y;
  const int textExtent = horizontal ? TextSize.X : TextSize.Y;
  if (Margin == -1) {
    if (Spacing == -1) {
      Margin = (extent - (glyphExtent + textExtent)) / 3;
      Spacing = Margin;
    } else {
      Margin = (extent - (glyphExtent + Spacing + textExtent) + 1) / 2;
    }
  } else if (Spacing == -1) {
    Spacing = ((extent - Margin - glyphExtent) - textExtent + 1) / 2;
  }

  switch (Layout) {
    case blGlyphLeft:
      glyph.X = Margin;
      text.X = glyph.X + GlyphSize.X + Spacing;
      break;
    case blGlyphRight:
      glyph.X = width - Margin - GlyphSize.X;
      text.X = glyph.X - Spacing - TextSize.X;
      break;
    case blGlyphTop:
      glyph.Y = Margin;
      text.Y = glyph.Y + GlyphSize.Y + Spacing;
      break;
    case blGlyphBottom:
      glyph.Y = height - Margin - GlyphSize.Y;
      text.Y = glyph.Y - Spacing - TextSize.Y;
      break;
  }
  TButtonLayoutResult result;
  result.GlyphPos = {Client.Left + glyph.X, Client.Top + glyph.Y};
  result.TextBounds = {Client.Left + text.X, Client.Top + text.Y, Client.Left + text.X + TextSize.X,
                       Client.Top + text.Y + TextSize.Y};
  return result;
}
