#pragma once
// Where a button puts its glyph and caption. Along the layout axis the
// glyph sits Margin pixels from its edge and the text Spacing pixels beyond
// it; across it both are centred. Margin -1 centres glyph and text as a
// whole; Spacing -1 as well spreads the free room evenly (margin, spacing
// and the rest a third each); Spacing -1 alone centres the text in the room
// left after the glyph.

#include "toolkit/portable/EnumInfo.h"
#include "toolkit/portable/Types.h"

FW_ENUM(TButtonLayout, blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom)

struct TButtonLayoutResult {
  TPoint GlyphPos;
  TRect TextBounds;
};

// Client is the button's content area; a zero size means no glyph or no text.
TButtonLayoutResult LayoutButton(const TRect& Client, TPoint GlyphSize, TPoint TextSize,
                                 TButtonLayout Layout, int Margin, int Spacing);
