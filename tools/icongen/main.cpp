// Draws the program icon (16, 32 and 48 pixels, 32-bit with alpha) and writes
// it as an .ico file: a rounded green tile with two folders and an arrow from
// the left folder to the right one.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <vector>

namespace {

struct Rgba {
  double r = 0, g = 0, b = 0, a = 0;
};

// Coverage of a rounded rectangle at (x, y); all values in unit square space.
bool InRoundRect(double x, double y, double l, double t, double r, double b, double radius) {
  if (x < l || x > r || y < t || y > b) return false;
  double cx = std::clamp(x, l + radius, r - radius);
  double cy = std::clamp(y, t + radius, b - radius);
  return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= radius * radius;
}

bool InFolder(double x, double y, double l, double t, double w, double h) {
  bool tab = InRoundRect(x, y, l, t, l + w * 0.45, t + h * 0.3, h * 0.08);
  bool body = InRoundRect(x, y, l, t + h * 0.18, l + w, t + h, h * 0.08);
  return tab || body;
}

bool InArrow(double x, double y) {
  bool shaft = x >= 0.36 && x <= 0.56 && y >= 0.74 && y <= 0.82;
  bool head = x >= 0.55 && x <= 0.68 && std::abs(y - 0.78) <= (0.68 - x) * 0.9;
  return shaft || head;
}

Rgba Sample(double x, double y) {
  if (!InRoundRect(x, y, 0.02, 0.02, 0.98, 0.98, 0.18)) return {};
  Rgba c{0.12 + 0.10 * (1 - y), 0.42 + 0.16 * (1 - y), 0.33 + 0.10 * (1 - y), 1};
  if (InFolder(x, y, 0.12, 0.20, 0.36, 0.40)) c = {1.0, 0.86, 0.45, 1};
  if (InFolder(x, y, 0.52, 0.20, 0.36, 0.40)) c = {0.95, 0.96, 0.97, 1};
  if (InArrow(x, y)) c = {1, 1, 1, 1};
  return c;
}

// Renders one size with 4x4 supersampling; returns bottom-up BGRA rows.
std::vector<uint8_t> Render(int size) {
  std::vector<uint8_t> px(size * size * 4);
  for (int row = 0; row < size; ++row) {
    for (int col = 0; col < size; ++col) {
      Rgba sum;
      for (int sy = 0; sy < 4; ++sy)
        for (int sx = 0; sx < 4; ++sx) {
          Rgba s = Sample((col + (sx + 0.5) / 4) / size, (row + (sy + 0.5) / 4) / size);
          sum.r += s.r * s.a;
          sum.g += s.g * s.a;
          sum.b += s.b * s.a;
          sum.a += s.a;
        }
      uint8_t* p = &px[((size - 1 - row) * size + col) * 4];
      double a = sum.a / 16;
      auto channel = [&](double v) {
        return static_cast<uint8_t>(std::lround(sum.a > 0 ? 255 * v / sum.a : 0));
      };
      p[0] = channel(sum.b);
      p[1] = channel(sum.g);
      p[2] = channel(sum.r);
      p[3] = static_cast<uint8_t>(std::lround(255 * a));
    }
  }
  return px;
}

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(v & 0xFF);
  out.push_back((v >> 8) & 0xFF);
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

std::vector<uint8_t> DibImage(int size) {
  std::vector<uint8_t> dib;
  Put32(dib, 40);
  Put32(dib, size);
  Put32(dib, size * 2);  // colour rows plus mask rows
  Put16(dib, 1);
  Put16(dib, 32);
  for (int i = 0; i < 6; ++i) Put32(dib, 0);
  std::vector<uint8_t> px = Render(size);
  dib.insert(dib.end(), px.begin(), px.end());
  int maskStride = ((size + 31) / 32) * 4;
  dib.insert(dib.end(), static_cast<size_t>(maskStride) * size, 0);
  return dib;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: icongen OUT.ico\n");
    return 2;
  }
  const int sizes[] = {16, 32, 48};
  std::vector<std::vector<uint8_t>> images;
  for (int s : sizes) images.push_back(DibImage(s));
  std::vector<uint8_t> ico;
  Put16(ico, 0);
  Put16(ico, 1);
  Put16(ico, static_cast<uint32_t>(images.size()));
  uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
  for (size_t i = 0; i < images.size(); ++i) {
    ico.push_back(static_cast<uint8_t>(sizes[i]));
    ico.push_back(static_cast<uint8_t>(sizes[i]));
    ico.push_back(0);
    ico.push_back(0);
    Put16(ico, 1);
    Put16(ico, 32);
    Put32(ico, static_cast<uint32_t>(images[i].size()));
    Put32(ico, offset);
    offset += static_cast<uint32_t>(images[i].size());
  }
  for (auto& img : images) ico.insert(ico.end(), img.begin(), img.end());
  std::ofstream f(argv[1], std::ios::binary);
  f.write(reinterpret_cast<const char*>(ico.data()), static_cast<std::streamsize>(ico.size()));
  if (!f) {
    std::fprintf(stderr, "icongen: cannot write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
