#include "Pixmap.h"

#include <algorithm>
#include <stdexcept>

TPixmap::TPixmap(int width, int height, TColor fill)
    : Width_(width), Height_(height), Pixels_(static_cast<size_t>(width) * height, fill) {
  if (width < 0 || height < 0) throw std::invalid_argument("negative image size");
}

void TPixmap::FillRect(int left, int top, int right, int bottom, TColor c) {
  left = std::max(left, 0);
  top = std::max(top, 0);
  right = std::min(right, Width_);
  bottom = std::min(bottom, Height_);
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) Set(x, y, c);
}

void TPixmap::Draw(const TPixmap& src, int x, int y) {
  for (int sy = 0; sy < src.Height(); ++sy)
    for (int sx = 0; sx < src.Width(); ++sx) {
      int dx = x + sx, dy = y + sy;
      if (dx >= 0 && dy >= 0 && dx < Width_ && dy < Height_) Set(dx, dy, src.At(sx, sy));
    }
}

void TPixmap::DrawKeyed(const TPixmap& src, int x, int y, TColor key) {
  for (int sy = 0; sy < src.Height(); ++sy)
    for (int sx = 0; sx < src.Width(); ++sx) {
      int dx = x + sx, dy = y + sy;
      TColor c = src.At(sx, sy);
      if (c != key && dx >= 0 && dy >= 0 && dx < Width_ && dy < Height_) Set(dx, dy, c);
    }
}

TPixmap TPixmap::Crop(int x, int y, int width, int height) const {
  if (x < 0 || y < 0 || x + width > Width_ || y + height > Height_)
    throw std::out_of_range("crop outside the image");
  TPixmap out(width, height);
  for (int sy = 0; sy < height; ++sy)
    for (int sx = 0; sx < width; ++sx) out.Set(sx, sy, At(x + sx, y + sy));
  return out;
}

TPixmap TPixmap::Scaled(int factor) const {
  TPixmap out(Width_ * factor, Height_ * factor);
  for (int y = 0; y < out.Height(); ++y)
    for (int x = 0; x < out.Width(); ++x) out.Set(x, y, At(x / factor, y / factor));
  return out;
}

TPixmap TPixmap::Transposed() const {
  TPixmap out(Height_, Width_);
  for (int y = 0; y < Height_; ++y)
    for (int x = 0; x < Width_; ++x) out.Set(y, x, At(x, y));
  return out;
}

TPixmap TPixmap::MirroredLeftRight() const {
  TPixmap out(Width_, Height_);
  for (int y = 0; y < Height_; ++y)
    for (int x = 0; x < Width_; ++x) out.Set(Width_ - 1 - x, y, At(x, y));
  return out;
}

TPixmap TPixmap::FlippedTopBottom() const {
  TPixmap out(Width_, Height_);
  for (int y = 0; y < Height_; ++y)
    for (int x = 0; x < Width_; ++x) out.Set(x, Height_ - 1 - y, At(x, y));
  return out;
}

TPixmap TPixmap::Row(const std::vector<TPixmap>& frames) {
  if (frames.empty()) return {};
  int w = frames[0].Width(), h = frames[0].Height();
  TPixmap out(w * static_cast<int>(frames.size()), h);
  for (size_t i = 0; i < frames.size(); ++i) {
    if (frames[i].Width() != w || frames[i].Height() != h)
      throw std::invalid_argument("frames of a strip differ in size");
    out.Draw(frames[i], w * static_cast<int>(i), 0);
  }
  return out;
}

TPixmap TPixmap::Column(const std::vector<TPixmap>& frames) {
  if (frames.empty()) return {};
  int w = frames[0].Width(), h = frames[0].Height();
  TPixmap out(w, h * static_cast<int>(frames.size()));
  for (size_t i = 0; i < frames.size(); ++i) {
    if (frames[i].Width() != w || frames[i].Height() != h)
      throw std::invalid_argument("frames of a strip differ in size");
    out.Draw(frames[i], 0, h * static_cast<int>(i));
  }
  return out;
}
