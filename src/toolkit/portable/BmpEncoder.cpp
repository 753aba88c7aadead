#include "toolkit/portable/BmpEncoder.h"

namespace BmpEncoder {
namespace {

void Put16(std::vector<std::uint8_t>& Out, std::uint32_t Value) {
  Out.push_back(Value & 0xFF);
  Out.push_back((Value >> 8) & 0xFF);
}
void Put32(std::vector<std::uint8_t>& Out, std::uint32_t Value) {
  Put16(Out, Value & 0xFFFF);
  Put16(Out, Value >> 16);
}

}  // namespace

std::vector<std::uint8_t> Encode24(const TPixelBuffer& Image) {
  const std::uint32_t headers = 14 + 40;
  const std::uint32_t stride = (static_cast<std::uint32_t>(Image.Width()) * 3 + 3) & ~3u;
  const std::uint32_t pixelBytes = stride * static_cast<std::uint32_t>(Image.Height());
  std::vector<std::uint8_t> out;
  out.reserve(headers + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  Put32(out, headers + pixelBytes);
  Put32(out, 0);
  Put32(out, headers);
  Put32(out, 40);
  Put32(out, static_cast<std::uint32_t>(Image.Width()));
  Put32(out, static_cast<std::uint32_t>(Image.Height()));
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);  // uncompressed
  Put32(out, pixelBytes);
  Put32(out, 2835);  // 72 dots per inch
  Put32(out, 2835);
  Put32(out, 0);
  Put32(out, 0);
  for (int y = Image.Height() - 1; y >= 0; --y) {
    const TPixel* row = Image.Row(y);
    for (int x = 0; x < Image.Width(); ++x) {
      out.push_back(row[x] & 0xFF);
      out.push_back((row[x] >> 8) & 0xFF);
      out.push_back((row[x] >> 16) & 0xFF);
    }
    for (std::uint32_t pad = Image.Width() * 3; pad < stride; ++pad) out.push_back(0);
  }
  return out;
}

}  // namespace BmpEncoder
