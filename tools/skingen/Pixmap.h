// An opaque RGB image (0xRRGGBB per pixel) and the strip operations skin
// images are made of: frames laid side by side or stacked.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

using TColor = uint32_t;

// Pixels of this colour are transparent in every skin image.
constexpr TColor kKeyColor = 0xFF00FF;

class TPixmap {
 public:
  TPixmap() = default;
  TPixmap(int width, int height, TColor fill = kKeyColor);

  int Width() const { return Width_; }
  int Height() const { return Height_; }
  bool Empty() const { return Width_ == 0 || Height_ == 0; }

  TColor At(int x, int y) const { return Pixels_[static_cast<size_t>(y) * Width_ + x]; }
  void Set(int x, int y, TColor c) { Pixels_[static_cast<size_t>(y) * Width_ + x] = c; }
  void FillRect(int left, int top, int right, int bottom, TColor c);

  // Copies src with its top-left at (x, y), clipped to this image.
  void Draw(const TPixmap& src, int x, int y);
  // As Draw, but pixels of the key colour leave this image unchanged.
  void DrawKeyed(const TPixmap& src, int x, int y, TColor key = kKeyColor);

  TPixmap Crop(int x, int y, int width, int height) const;
  TPixmap Scaled(int factor) const;
  TPixmap Transposed() const;  // mirrored about the main diagonal
  TPixmap MirroredLeftRight() const;
  TPixmap FlippedTopBottom() const;

  // Frames of equal size side by side (Row) or one above the other (Column).
  static TPixmap Row(const std::vector<TPixmap>& frames);
  static TPixmap Column(const std::vector<TPixmap>& frames);

  bool operator==(const TPixmap& other) const = default;

 private:
  int Width_ = 0;
  int Height_ = 0;
  std::vector<TColor> Pixels_;
};
