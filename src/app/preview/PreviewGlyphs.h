#pragma once
// The small pictures of the preview window's menus and tool bar, drawn
// here so that the program carries no image files for them.

class TBitmap;
class TImageList;

namespace PreviewGlyphs {

enum TGlyph { gNew, gOpen, gSave, gCut, gCopy, gPaste, gHelp, gBold, gCount };

// Adds the glyphs to Images (16 x 16) in TGlyph order.
void AddTo(TImageList& Images);
// One glyph, 16 x 16, on magenta (the colour buttons leave transparent).
void DrawGlyph(TBitmap& Target, TGlyph Glyph);

}  // namespace PreviewGlyphs
