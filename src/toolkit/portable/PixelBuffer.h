#pragma once
// A device-independent image held in memory: 32 bits per pixel, rows from top
// to bottom. A pixel is 0x00RRGGBB, so the bytes in memory run B, G, R, 0: the
// layout of a top-down 32-bit DIB, which the Windows side draws directly.

#include <cstdint>
#include <vector>

#include "toolkit/portable/Types.h"

using TPixel = std::uint32_t;

constexpr TPixel PixelFromRgb(int Red, int Green, int Blue) {
  return (static_cast<TPixel>(Red & 0xFF) << 16) | (static_cast<TPixel>(Green & 0xFF) << 8) |
         static_cast<TPixel>(Blue & 0xFF);
}
// Color must already be resolved (not a system colour).
constexpr TPixel PixelFromColor(TColor Color) {
  return PixelFromRgb(RedOf(Color), GreenOf(Color), BlueOf(Color));
}
constexpr TColor ColorFromPixel(TPixel Pixel) {
  return ColorFromRgb((Pixel >> 16) & 0xFF, (Pixel >> 8) & 0xFF, Pixel & 0xFF);
}

constexpr TPixel KeyPixel = PixelFromColor(clFuchsia);

class TPixelBuffer {
 public:
  TPixelBuffer() = default;
  // Negative sizes count as 0; a buffer with no pixels is empty.
  TPixelBuffer(int Width, int Height, TPixel Fill = 0);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Empty() const { return FPixels.empty(); }
  TRect Bounds() const { return {0, 0, FWidth, FHeight}; }
  bool Contains(int X, int Y) const { return X >= 0 && Y >= 0 && X < FWidth && Y < FHeight; }

  // Gives the buffer a new size with every pixel set to Fill.
  void SetSize(int Width, int Height, TPixel Fill = 0);
  void Clear();

  // Outside the buffer, Pixel reads 0 and SetPixel does nothing.
  TPixel Pixel(int X, int Y) const;
  void SetPixel(int X, int Y, TPixel Value);

  // Unchecked row access; 0 <= Y < Height().
  TPixel* Row(int Y) { return FPixels.data() + static_cast<std::size_t>(Y) * FWidth; }
  const TPixel* Row(int Y) const { return FPixels.data() + static_cast<std::size_t>(Y) * FWidth; }
  TPixel* Data() { return FPixels.data(); }
  const TPixel* Data() const { return FPixels.data(); }

  // Fills the part of Area that lies inside the buffer.
  void FillRect(const TRect& Area, TPixel Value);
  // Copies SourceArea of Source to (X, Y), both clipped; Source may be *this
  // only when the two areas do not overlap.
  void CopyFrom(const TPixelBuffer& Source, const TRect& SourceArea, int X, int Y);
  // A new buffer of Area's size holding that part of this one; pixels of Area
  // outside this buffer are 0.
  TPixelBuffer Copy(const TRect& Area) const;

  friend bool operator==(const TPixelBuffer&, const TPixelBuffer&) = default;

 private:
  int FWidth = 0;
  int FHeight = 0;
  std::vector<TPixel> FPixels;
};
