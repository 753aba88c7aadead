#include "skin/imaging/ImageTransforms.h"

#include <algorithm>

#include "skin/imaging/SkinSystem.h"

void ReplaceKeyColor(TPixelBuffer& Image, TColor Color) {
  const TPixel replacement = PixelFromColor(ResolveColor(Color));
  TPixel* p = Image.Data();
  std::replace(p, p + static_cast<std::size_t>(Image.Width()) * Image.Height(), KeyPixel,
               replacement);
}

void MirrorHorizontal(TPixelBuffer& Image) {
  for (int y = 0; y < Image.Height(); ++y) std::reverse(Image.Row(y), Image.Row(y) + Image.Width());
}

void FlipVertical(TPixelBuffer& Image) {
  for (int top = 0, bottom = Image.Height() - 1; top < bottom; ++top, --bottom)
    std::swap_ranges(Image.Row(top), Image.Row(top) + Image.Width(), Image.Row(bottom));
}

void RotateLeft(TPixelBuffer& Image) {
  const int w = Image.Width(), h = Image.Height();
  TPixelBuffer turned(h, w);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) turned.Row(w - 1 - x)[y] = Image.Row(y)[x];
  Image = std::move(turned);
}

void RotateRight(TPixelBuffer& Image) {
  const int w = Image.Width(), h = Image.Height();
  TPixelBuffer turned(h, w);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) turned.Row(x)[h - 1 - y] = Image.Row(y)[x];
  Image = std::move(turned);
}

void MakeGrayscale(TPixelBuffer& Image) {
  TPixel* p = Image.Data();
  for (std::size_t i = 0, n = static_cast<std::size_t>(Image.Width()) * Image.Height(); i < n;
       ++i) {
    const int mean = (((p[i] >> 16) & 0xFF) + ((p[i] >> 8) & 0xFF) + (p[i] & 0xFF)) / 3;
    p[i] = PixelFromRgb(mean, mean, mean);
  }
}
