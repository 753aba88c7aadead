#include "app/preview/PreviewGlyphs.h"

#include "toolkit/Bitmap.h"
#include "toolkit/ImageList.h"

namespace PreviewGlyphs {

namespace {

constexpr int kKey = 0xFF00FF;  // transparent
constexpr int kInk = 0x404040;

void Box(TCanvas& C, int L, int T, int R, int B, int Fill, int Line = kInk) {
  C.Brush().SetColor(Fill);
  C.Pen().SetColor(Line);
  C.Rectangle(L, T, R, B);
}

void Page(TCanvas& C, int L, int T, int R, int B) {
  Box(C, L, T, R, B, 0xFFFFFF);
  C.Pen().SetColor(0xA0A0A0);
  for (int y = T + 3; y < B - 2; y += 2) {
    C.MoveTo(L + 2, y);
    C.LineTo(R - 2, y);
  }
}

void Draw(TCanvas& C, TGlyph Glyph) {
  switch (Glyph) {
    case gNew:
      Page(C, 3, 1, 13, 15);
      Box(C, 9, 1, 13, 5, 0xD0D0D0);
      break;
    case gOpen:
      Box(C, 1, 3, 7, 6, 0x40B0E8);
      Box(C, 1, 5, 15, 14, 0x50C8F8);
      break;
    case gSave:
      Box(C, 1, 1, 15, 15, 0xB05020);
      Box(C, 4, 1, 12, 6, 0xF0F0F0);
      Box(C, 4, 9, 12, 15, 0x303030, 0x303030);
      break;
    case gCut:
      C.Pen().SetColor(kInk);
      C.MoveTo(4, 1);
      C.LineTo(11, 10);
      C.MoveTo(11, 1);
      C.LineTo(4, 10);
      Box(C, 1, 9, 7, 15, 0x2020C0, 0x2020C0);
      Box(C, 9, 9, 15, 15, 0x2020C0, 0x2020C0);
      break;
    case gCopy:
      Page(C, 1, 1, 10, 11);
      Page(C, 6, 5, 15, 15);
      break;
    case gPaste:
      Box(C, 2, 2, 14, 15, 0x3070A0);
      Box(C, 5, 1, 11, 4, 0xC0C0C0);
      Page(C, 6, 6, 14, 15);
      break;
    case gHelp:
      Box(C, 1, 1, 15, 15, 0xC06020, 0xC06020);
      C.Font().SetName("Arial");
      C.Font().SetHeight(-13);
      C.Font().SetColor(0xFFFFFF);
      C.Font().SetStyle(TFontStyles{fsBold});
      C.Brush().SetStyle(bsClear);
      C.TextOut(4, 1, "?");
      C.Brush().SetStyle(bsSolid);
      break;
    case gBold:
      C.Font().SetName("Arial");
      C.Font().SetHeight(-15);
      C.Font().SetColor(kInk);
      C.Font().SetStyle(TFontStyles{fsBold});
      C.Brush().SetStyle(bsClear);
      C.TextOut(3, 0, "B");
      C.Brush().SetStyle(bsSolid);
      break;
    case gCount:
      break;
  }
}

}  // namespace

void DrawGlyph(TBitmap& Target, TGlyph Glyph) {
  Target.SetPixelFormat(pf24bit);
  Target.SetSize(16, 16);
  TCanvas& canvas = Target.Canvas();
  canvas.Brush().SetColor(kKey);
  canvas.FillRect(RECT{0, 0, 16, 16});
  Draw(canvas, Glyph);
  GdiFlush();
}

void AddTo(TImageList& Images) {
  Images.SetWidth(16);
  Images.SetHeight(16);
  for (int g = 0; g < gCount; ++g) {
    TBitmap bitmap;
    DrawGlyph(bitmap, static_cast<TGlyph>(g));
    // A copy that no device context holds, for the image list to read.
    TBitmap copy;
    copy.Assign(bitmap);
    ImageList_AddMasked(Images.Handle(), copy.Handle(), RGB(255, 0, 255));
  }
}

}  // namespace PreviewGlyphs
