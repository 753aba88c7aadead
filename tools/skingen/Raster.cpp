#include "Raster.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

constexpr int kSamples = 4;

double Channel(TColor c, int shift) {
  return ((c >> shift) & 0xFF) / 255.0;
}

TColor Pack(double r, double g, double b) {
  auto byte = [](double v) {
    return static_cast<TColor>(std::lround(std::clamp(v, 0.0, 1.0) * 255));
  };
  return byte(r) << 16 | byte(g) << 8 | byte(b);
}

bool NearKey(TColor c) {
  auto ch = [&](int shift) { return static_cast<int>((c >> shift) & 0xFF); };
  return ch(16) >= 254 && ch(8) <= 1 && ch(0) >= 254;
}

}  // namespace

TColor Mix(TColor a, TColor b, double weight) {
  return Pack(Channel(a, 16) * weight + Channel(b, 16) * (1 - weight),
              Channel(a, 8) * weight + Channel(b, 8) * (1 - weight),
              Channel(a, 0) * weight + Channel(b, 0) * (1 - weight));
}

TColor Ramp(TColor first, TColor last, int n, int count) {
  if (count <= 1) return first;
  return Mix(last, first, static_cast<double>(n) / (count - 1));
}

TRaster::TRaster(int width, int height)
    : Width_(width), Height_(height), Pixels_(static_cast<size_t>(width) * height) {}

void TRaster::Paint(const TShape& shape, TColor color, double opacity) {
  Paint(
      shape, [color](int, int) { return color; }, opacity);
}

void TRaster::Paint(const TShape& shape, const TPaint& paint, double opacity) {
  for (int y = 0; y < Height_; ++y)
    for (int x = 0; x < Width_; ++x) {
      int hits = 0;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx)
          hits += shape(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples);
      if (hits == 0) continue;
      double a = opacity * hits / (kSamples * kSamples);
      TColor c = paint(x, y);
      TPremultiplied& p = Pixels_[static_cast<size_t>(y) * Width_ + x];
      p.R = Channel(c, 16) * a + p.R * (1 - a);
      p.G = Channel(c, 8) * a + p.G * (1 - a);
      p.B = Channel(c, 0) * a + p.B * (1 - a);
      p.A = a + p.A * (1 - a);
    }
}

TPixmap TRaster::Flatten(TColor backdrop, double keyBelow) const {
  return Flatten([backdrop](int, int) { return backdrop; }, keyBelow);
}

TPixmap TRaster::Flatten(const TPaint& backdrop, double keyBelow) const {
  TPixmap out(Width_, Height_);
  for (int y = 0; y < Height_; ++y)
    for (int x = 0; x < Width_; ++x) {
      const TPremultiplied& p = Pixels_[static_cast<size_t>(y) * Width_ + x];
      if (p.A < keyBelow || (keyBelow >= 0 && p.A == 0)) continue;  // stays key
      TColor b = backdrop(x, y);
      TColor c = Pack(p.R + Channel(b, 16) * (1 - p.A), p.G + Channel(b, 8) * (1 - p.A),
                      p.B + Channel(b, 0) * (1 - p.A));
      if (NearKey(c)) c = (c & 0xFF00FF) | 0x000200;
      out.Set(x, y, c);
    }
  return out;
}
