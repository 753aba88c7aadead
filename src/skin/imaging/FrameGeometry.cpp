#include "skin/imaging/FrameGeometry.h"

#include <algorithm>

#include "skin/imaging/ImagePrimitives.h"

namespace {

int FramesOf(const TDataSkinObject& Element) {
  return std::max(Element.FrameCount, 1);
}

bool IsKey(TPixel Pixel, int Tolerance) {
  const int r = (Pixel >> 16) & 0xFF, g = (Pixel >> 8) & 0xFF, b = Pixel & 0xFF;
  const int high = std::min(255, 255 + Tolerance), low = 255;
  // Red and blue at the key's 255, green at its 0, each within tolerance.
  return r >= low && r <= high && g >= 0 && g <= std::min(255, Tolerance) && b >= low && b <= high;
}

}  // namespace

TFrameMetrics FrameMetricsOf(const TParsedSkin& Skin) {
  TFrameMetrics m;
  m.LeftWidth = Skin.FrameLeft->Image.Width() / FramesOf(*Skin.FrameLeft);
  m.RightWidth = Skin.FrameRight->Image.Width() / FramesOf(*Skin.FrameRight);
  m.TitleHeight = Skin.FrameTop->Image.Height() / FramesOf(*Skin.FrameTop);
  m.BottomHeight = Skin.FrameBottom->Image.Height() / FramesOf(*Skin.FrameBottom);
  return m;
}

const TDataSkinBorder& BorderElement(const TParsedSkin& Skin, TBorderSide Side) {
  switch (Side) {
    case bsLeftBorder:
      return *Skin.FrameLeft;
    case bsRightBorder:
      return *Skin.FrameRight;
    case bsTopBorder:
      return *Skin.FrameTop;
    default:
      return *Skin.FrameBottom;
  }
}

TPixelBuffer BuildBorderPiece(const TDataSkinBorder& Element, TBorderSide Side, int Width,
                              int Height, bool Active) {
  if (Width <= 0 || Height <= 0) return {};
  const bool stacked = Side == bsTopBorder || Side == bsBottomBorder;
  const int frame = Active || Element.FrameCount <= 1 ? 1 : 2;
  // For borders the element's Tile field holds the stretch switch.
  const bool tile = Element.Tile != 1;
  return BuildSlicedBitmap(Width, Height, Element.Image, Element.Margins, stacked, tile,
                           Element.FrameCount, frame);
}

std::vector<TRect> OpaqueRuns(const TPixelBuffer& Bitmap, int X0, int Y0, int Tolerance) {
  std::vector<TRect> runs;
  for (int y = 0; y < Bitmap.Height(); ++y) {
    const TPixel* row = Bitmap.Row(y);
    int x = 0;
    const int w = Bitmap.Width();
    while (x < w) {
      while (x < w && IsKey(row[x], Tolerance)) ++x;
      const int start = x;
      while (x < w && !IsKey(row[x], Tolerance)) ++x;
      if (x > start) runs.push_back({X0 + start, Y0 + y, X0 + x, Y0 + y + 1});
    }
  }
  return runs;
}

TRect PlaceCaption(const TCaptionLayout& L) {
  const int textWidth = L.TextWidth + L.BackLeft + L.BackRight;
  const int titleWidth = L.Title.Width();
  int c = 0;
  switch (L.Alignment) {
    case 0:
      c = L.RightToLeft ? titleWidth - L.ButtonReserve - textWidth : L.TextShift;
      break;
    case 1:
      c = L.RightToLeft ? (titleWidth - textWidth - L.ButtonReserve) / 2
                        : (titleWidth - textWidth) / 2;
      break;
    case 2:
      c = L.RightToLeft ? L.TextShift : titleWidth - L.TextRightClip - textWidth;
      break;
    default:
      break;
  }
  const int v = (L.Title.Height() - L.TextHeight) / 2 + L.TextShiftVert / 2;
  TRect r{L.Title.Left + c, L.Title.Top + v, L.Title.Left + c + textWidth,
          L.Title.Top + v + L.TextHeight};
  if (L.RightToLeft && c < 1) r.Left = L.TextShift;
  if (L.RightToLeft) {
    r.Left += 10;
    r.Right += 10;
  } else if (L.Popup) {
    const int limit = L.Title.Right - L.ButtonReserve - 5;
    if (L.ButtonReserve > 5 && limit < r.Right) r.Right = limit;
  } else {
    r.Right = std::min(r.Right, L.Title.Right - L.TextRightClip);
  }
  if (L.DialogFrame && L.Alignment == 0) r.Left -= 16;
  return r;
}
