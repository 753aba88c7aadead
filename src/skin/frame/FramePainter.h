#pragma once
// Paints a form skinner's non-client area from the skin: the left, right
// and bottom borders, each built as one bitmap and copied once, and the
// title bar composed off-screen (its top border, the caption text over its
// back image) and copied in one piece, so that nothing flickers.

#include <windows.h>

#include "toolkit/portable/PixelBuffer.h"

class TWinSkinForm;

class TFramePainter {
 public:
  explicit TFramePainter(TWinSkinForm& Form) : F(Form) {}

  // The whole non-client area, into DC or (null) the window's own DC.
  void PaintNonClient(HDC DC);

 private:
  bool CanPaint() const;
  void PaintFrame(HDC DC);
  void PaintBorderPiece(int Index, const RECT& Rect, HDC DC, TPixelBuffer* Keep);
  void PaintTitleBar(HDC DC, const TPixelBuffer& Left, const TPixelBuffer& Right);
  // Draws the caption into the title bitmap (DC, with Pixels its content
  // before the text); Title is the title rectangle.
  void DrawTitleText(HDC DC, TPixelBuffer& Pixels, void* Bits, const RECT& Title);
  void KeepTitleBackground(const void* Bits, int Height);
  void FillMenuBand(HDC DC);

  TWinSkinForm& F;
  int W = 0;
  int H = 0;
};
