#include "Bmp.h"

#include <stdexcept>

namespace Bmp {

namespace {

constexpr int kFileHeader = 14;
constexpr int kInfoHeader = 40;

void Put(std::vector<uint8_t>& out, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

uint32_t Get(const std::vector<uint8_t>& in, size_t at, int bytes) {
  if (at + bytes > in.size()) throw std::runtime_error("BMP file is truncated");
  uint32_t v = 0;
  for (int i = 0; i < bytes; ++i) v |= static_cast<uint32_t>(in[at + i]) << (8 * i);
  return v;
}

size_t RowBytes(int width) {
  return (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
}

}  // namespace

std::vector<uint8_t> Encode(const TPixmap& image) {
  const size_t row = RowBytes(image.Width());
  const size_t data = row * image.Height();
  std::vector<uint8_t> out;
  out.reserve(kFileHeader + kInfoHeader + data);
  out.push_back('B');
  out.push_back('M');
  Put(out, static_cast<uint32_t>(kFileHeader + kInfoHeader + data), 4);
  Put(out, 0, 4);
  Put(out, kFileHeader + kInfoHeader, 4);
  Put(out, kInfoHeader, 4);
  Put(out, image.Width(), 4);
  Put(out, image.Height(), 4);
  Put(out, 1, 2);   // planes
  Put(out, 24, 2);  // bits per pixel
  Put(out, 0, 4);   // BI_RGB
  Put(out, static_cast<uint32_t>(data), 4);
  Put(out, 2835, 4);  // 72 dpi
  Put(out, 2835, 4);
  Put(out, 0, 4);
  Put(out, 0, 4);
  for (int y = image.Height() - 1; y >= 0; --y) {
    for (int x = 0; x < image.Width(); ++x) {
      TColor c = image.At(x, y);
      out.push_back(c & 0xFF);
      out.push_back((c >> 8) & 0xFF);
      out.push_back((c >> 16) & 0xFF);
    }
    for (size_t pad = image.Width() * 3; pad < row; ++pad) out.push_back(0);
  }
  return out;
}

TPixmap Decode(const std::vector<uint8_t>& bytes) {
  if (bytes.size() < kFileHeader + kInfoHeader || bytes[0] != 'B' || bytes[1] != 'M')
    throw std::runtime_error("not a BMP file");
  const uint32_t offset = Get(bytes, 10, 4);
  const int32_t width = static_cast<int32_t>(Get(bytes, 18, 4));
  const int32_t rawHeight = static_cast<int32_t>(Get(bytes, 22, 4));
  if (Get(bytes, 14, 4) < kInfoHeader || Get(bytes, 28, 2) != 24 || Get(bytes, 30, 4) != 0)
    throw std::runtime_error("only uncompressed 24-bit BMP files are read");
  if (width <= 0 || rawHeight == 0 || width > 1 << 15 || rawHeight > 1 << 15 ||
      rawHeight < -(1 << 15))
    throw std::runtime_error("BMP size out of range");
  const bool bottomUp = rawHeight > 0;
  const int height = bottomUp ? rawHeight : -rawHeight;
  const size_t row = RowBytes(width);
  if (offset + row * height > bytes.size()) throw std::runtime_error("BMP file is truncated");
  TPixmap image(width, height);
  for (int y = 0; y < height; ++y) {
    const size_t at = offset + row * (bottomUp ? height - 1 - y : y);
    for (int x = 0; x < width; ++x) {
      const uint8_t* p = &bytes[at + 3 * x];
      image.Set(x, y, static_cast<TColor>(p[2]) << 16 | p[1] << 8 | p[0]);
    }
  }
  return image;
}

}  // namespace Bmp
