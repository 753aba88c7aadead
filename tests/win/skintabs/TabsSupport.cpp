#include "skintabs/TabsSupport.h"

#include "skin/imaging/ImagePrimitives.h"
#include "skin/imaging/ImageTransforms.h"
#include "skinframe/SkinFrameSupport.h"
#include "skinpainters/PainterSupport.h"

TPixelBuffer ExpectedItem(const TDataSkinObject& Element, const TPixelBuffer& Image, int Width,
                          int Height, int Frame, TColor Face, TFacing Side) {
  const bool turned = Side == TFacing::Left || Side == TFacing::Right;
  TPixelBuffer face = BuildSlicedBitmap(turned ? Height : Width, turned ? Width : Height, Image,
                                        Element.Margins, false, Element.Tile != 0,
                                        Element.FrameCount, Frame);
  if (Side == TFacing::Down) FlipVertical(face);
  if (Side == TFacing::Left) RotateLeft(face);
  if (Side == TFacing::Right) RotateRight(face);
  TPixelBuffer result(Width, Height, PixelFromColor(static_cast<TColor>(ColorToRGB(Face))));
  PutWork(result, result.Bounds(), face, Element.Trans != 0);
  return result;
}

TPixelBuffer Crop(const TPixelBuffer& Image, const RECT& Area) {
  return Image.Copy(TRect{Area.left, Area.top, Area.right, Area.bottom});
}

double MatchIn(const TPixelBuffer& A, const TPixelBuffer& B, const TRect& Area) {
  int same = 0, total = 0;
  for (int y = Area.Top; y < Area.Bottom; ++y)
    for (int x = Area.Left; x < Area.Right; ++x) {
      ++total;
      if (A.Pixel(x, y) == B.Pixel(x, y)) ++same;
    }
  return total ? static_cast<double>(same) / total : 0.0;
}

int FrameOf(const TPixelBuffer& Shown, const TDataSkinObject& Element, const TPixelBuffer& Image,
            TColor Face, TFacing Side, int Band, TRect Area) {
  int best = 0;
  double bestMatch = 0.95;
  for (int frame = 1; frame <= Element.FrameCount; ++frame) {
    const TPixelBuffer expected =
        ExpectedItem(Element, Image, Shown.Width(), Shown.Height(), frame, Face, Side);
    const double match = Area.Width() > 0 ? MatchIn(Shown, expected, Area)
                                          : EdgeMatch(Shown, expected, Band);
    if (match > bestMatch) {
      bestMatch = match;
      best = frame;
    }
  }
  return best;
}

int FrameShown(HWND Window, const RECT& Area, const TDataSkinObject& Element, TColor Face,
               TFacing Side) {
  return FrameOf(Crop(CaptureWindow(Window), Area), Element, Element.Image, Face, Side);
}

POINT ClientToScreenPoint(HWND Window, int X, int Y) {
  POINT p{X, Y};
  ClientToScreen(Window, &p);
  return p;
}

void MouseToClient(HWND Window, int X, int Y) {
  const POINT p = ClientToScreenPoint(Window, X, Y);
  MouseMoveTo(p.x, p.y);
}

int PixelsOtherThan(const TPixelBuffer& Image, const TRect& Area, TPixel Colour) {
  int n = 0;
  for (int y = Area.Top; y < Area.Bottom; ++y)
    for (int x = Area.Left; x < Area.Right; ++x)
      if (Image.Contains(x, y) && Image.Pixel(x, y) != Colour) ++n;
  return n;
}

std::pair<int, int> DifferingColumns(const TPixelBuffer& A, const TPixelBuffer& B,
                                     const TRect& Area) {
  std::pair<int, int> columns{-1, -1};
  for (int x = Area.Left; x < Area.Right; ++x)
    for (int y = Area.Top; y < Area.Bottom; ++y)
      if (A.Contains(x, y) && A.Pixel(x, y) != B.Pixel(x, y)) {
        if (columns.first < 0) columns.first = x;
        columns.second = x;
        break;
      }
  return columns;
}
