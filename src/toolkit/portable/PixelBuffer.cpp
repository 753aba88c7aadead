#include "toolkit/portable/PixelBuffer.h"

#include <algorithm>

TPixelBuffer::TPixelBuffer(int Width, int Height, TPixel Fill) {
  SetSize(Width, Height, Fill);
}

void TPixelBuffer::SetSize(int Width, int Height, TPixel Fill) {
  Width = std::max(Width, 0);
  Height = std::max(Height, 0);
  if (Width == 0 || Height == 0) {
    Clear();
    return;
  }
  FPixels.assign(static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height), Fill);
  FWidth = Width;
  FHeight = Height;
}

void TPixelBuffer::Clear() {
  FPixels.clear();
  FPixels.shrink_to_fit();
  FWidth = 0;
  FHeight = 0;
}

TPixel TPixelBuffer::Pixel(int X, int Y) const {
  return Contains(X, Y) ? Row(Y)[X] : 0;
}

void TPixelBuffer::SetPixel(int X, int Y, TPixel Value) {
  if (Contains(X, Y)) Row(Y)[X] = Value;
}

void TPixelBuffer::FillRect(const TRect& Area, TPixel Value) {
  int left = std::max(Area.Left, 0), right = std::min(Area.Right, FWidth);
  int top = std::max(Area.Top, 0), bottom = std::min(Area.Bottom, FHeight);
  if (left >= right) return;
  for (int y = top; y < bottom; ++y) std::fill(Row(y) + left, Row(y) + right, Value);
}

void TPixelBuffer::CopyFrom(const TPixelBuffer& Source, const TRect& SourceArea, int X, int Y) {
  // Clip against the source, then against this buffer, moving both origins together.
  int sx = SourceArea.Left, sy = SourceArea.Top;
  int w = SourceArea.Width(), h = SourceArea.Height();
  auto clip = [](int& s, int& d, int& size, int sourceLimit, int targetLimit) {
    if (s < 0) size += s, d -= s, s = 0;
    if (d < 0) size += d, s -= d, d = 0;
    size = std::min({size, sourceLimit - s, targetLimit - d});
  };
  clip(sx, X, w, Source.FWidth, FWidth);
  clip(sy, Y, h, Source.FHeight, FHeight);
  if (w <= 0 || h <= 0) return;
  for (int row = 0; row < h; ++row) std::copy_n(Source.Row(sy + row) + sx, w, Row(Y + row) + X);
}

TPixelBuffer TPixelBuffer::Copy(const TRect& Area) const {
  TPixelBuffer result(Area.Width(), Area.Height());
  result.CopyFrom(*this, Area, 0, 0);
  return result;
}
