#pragma once
// Small value types shared by portable and Windows code: points, rectangles
// and colour values.

#include <cstdint>

struct TPoint {
  int X = 0;
  int Y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

// Right and Bottom are exclusive.
struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  int Width() const { return Right - Left; }
  int Height() const { return Bottom - Top; }
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  friend bool operator==(const TRect&, const TRect&) = default;
};

inline TRect Rect(int Left, int Top, int Right, int Bottom) {
  return {Left, Top, Right, Bottom};
}

// A colour value: low byte red, then green, then blue, top byte 0. A negative
// value names a system colour whose index is the low byte.
using TColor = std::int32_t;

// (The Windows headers define RGB and GetRValue as macros, hence other names.)
constexpr TColor ColorFromRgb(int Red, int Green, int Blue) {
  return static_cast<TColor>((Red & 0xFF) | ((Green & 0xFF) << 8) | ((Blue & 0xFF) << 16));
}
constexpr int RedOf(TColor Color) {
  return Color & 0xFF;
}
constexpr int GreenOf(TColor Color) {
  return (Color >> 8) & 0xFF;
}
constexpr int BlueOf(TColor Color) {
  return (Color >> 16) & 0xFF;
}
constexpr bool IsSystemColor(TColor Color) {
  return Color < 0;
}

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clGray = 0x808080;
// The key colour: pixels of this colour are transparent in every skin image.
constexpr TColor clFuchsia = 0xFF00FF;
