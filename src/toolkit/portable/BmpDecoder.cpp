#include "toolkit/portable/BmpDecoder.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>

namespace BmpDecoder {
namespace {

constexpr std::uint32_t BI_RGB = 0, BI_RLE8 = 1, BI_RLE4 = 2, BI_BITFIELDS = 3,
                        BI_ALPHABITFIELDS = 6;
constexpr std::size_t FileHeaderSize = 14, CoreHeaderSize = 12, InfoHeaderSize = 40;

// Bounds-checked little-endian reads over the file's bytes.
class TBmpBytes {
 public:
  TBmpBytes(const std::uint8_t* Data, std::size_t Size) : FData(Data), FSize(Size) {}
  std::size_t Size() const { return FSize; }
  bool Has(std::size_t Offset, std::size_t Count) const {
    return Offset <= FSize && Count <= FSize - Offset;
  }
  std::uint8_t U8(std::size_t Offset) const { return FData[Offset]; }
  std::uint16_t U16(std::size_t Offset) const {
    return static_cast<std::uint16_t>(FData[Offset] | (FData[Offset + 1] << 8));
  }
  std::uint32_t U32(std::size_t Offset) const {
    return static_cast<std::uint32_t>(FData[Offset]) |
           (static_cast<std::uint32_t>(FData[Offset + 1]) << 8) |
           (static_cast<std::uint32_t>(FData[Offset + 2]) << 16) |
           (static_cast<std::uint32_t>(FData[Offset + 3]) << 24);
  }
  std::int32_t I32(std::size_t Offset) const { return static_cast<std::int32_t>(U32(Offset)); }
  const std::uint8_t* At(std::size_t Offset) const { return FData + Offset; }

 private:
  const std::uint8_t* FData;
  std::size_t FSize;
};

// One colour channel described by a bit mask, widened to 8 bits by repeating
// its bits (so a 5-bit 31 becomes 255).
struct TChannel {
  std::uint32_t Mask = 0;
  int Shift = 0;
  int Bits = 0;

  explicit TChannel(std::uint32_t M) : Mask(M) {
    if (M == 0) return;
    Shift = std::countr_zero(M);
    Bits = 32 - std::countl_zero(M >> Shift);
  }
  int Extract(std::uint32_t Value) const {
    if (Bits == 0) return 0;
    std::uint32_t v = (Value & Mask) >> Shift;
    if (Bits >= 8) return static_cast<int>(v >> (Bits - 8));
    std::uint32_t wide = 0;
    int filled = 0;
    while (filled < 8) wide = (wide << Bits) | v, filled += Bits;
    return static_cast<int>(wide >> (filled - 8));
  }
};

struct THeader {
  std::int64_t Width = 0;
  std::int64_t Height = 0;  // rows, always positive
  bool TopDown = false;
  int BitCount = 0;
  std::uint32_t Compression = BI_RGB;
  std::uint32_t ImageSize = 0;
  std::uint32_t ColorsUsed = 0;
  std::array<std::uint32_t, 3> Masks{};  // red, green, blue
  std::size_t TableOffset = 0;           // palette (and masks after a 40-byte header)
  std::size_t TableEntrySize = 4;
};

bool ReadHeader(const TBmpBytes& Bytes, std::size_t Offset, THeader& H) {
  if (!Bytes.Has(Offset, 4)) return false;
  std::uint32_t size = Bytes.U32(Offset);
  if (size == CoreHeaderSize) {
    if (!Bytes.Has(Offset, CoreHeaderSize)) return false;
    H.Width = Bytes.U16(Offset + 4);
    H.Height = Bytes.U16(Offset + 6);
    H.BitCount = Bytes.U16(Offset + 10);
    H.TableEntrySize = 3;
    H.TableOffset = Offset + CoreHeaderSize;
    return true;
  }
  if (size < InfoHeaderSize || !Bytes.Has(Offset, size)) return false;
  H.Width = Bytes.I32(Offset + 4);
  std::int64_t height = Bytes.I32(Offset + 8);
  H.TopDown = height < 0;
  H.Height = height < 0 ? -height : height;
  H.BitCount = Bytes.U16(Offset + 14);
  H.Compression = Bytes.U32(Offset + 16);
  H.ImageSize = Bytes.U32(Offset + 20);
  H.ColorsUsed = Bytes.U32(Offset + 32);
  H.TableOffset = Offset + size;
  bool bitfields = H.Compression == BI_BITFIELDS || H.Compression == BI_ALPHABITFIELDS;
  if (bitfields) {
    // Masks live in the larger headers, or follow a 40-byte header.
    std::size_t maskOffset = Offset + InfoHeaderSize;
    if (size < InfoHeaderSize + 12) {
      std::size_t maskBytes = H.Compression == BI_ALPHABITFIELDS ? 16 : 12;
      if (!Bytes.Has(maskOffset, maskBytes)) return false;
      H.TableOffset += maskBytes;
    }
    for (int i = 0; i < 3; ++i) H.Masks[i] = Bytes.U32(maskOffset + 4 * i);
  }
  return true;
}

TBmpFault Implausible(const THeader& H) {
  if (H.Width <= 0 || H.Height <= 0) return TBmpFault::BadSize;
  if (H.Width * H.Height > MaxPixels) return TBmpFault::TooBig;
  bool known = false;
  switch (H.Compression) {
    case BI_RGB:
      known = H.BitCount == 1 || H.BitCount == 4 || H.BitCount == 8 || H.BitCount == 16 ||
              H.BitCount == 24 || H.BitCount == 32;
      break;
    case BI_RLE8:
      known = H.BitCount == 8 && !H.TopDown;
      break;
    case BI_RLE4:
      known = H.BitCount == 4 && !H.TopDown;
      break;
    case BI_BITFIELDS:
    case BI_ALPHABITFIELDS:
      known = H.BitCount == 16 || H.BitCount == 32;
      break;
    default:
      break;
  }
  return known ? TBmpFault::None : TBmpFault::Unsupported;
}

// The colour table: entries as stored, then the offset just past the table.
bool ReadPalette(const TBmpBytes& Bytes, const THeader& H, std::vector<TPixel>& Palette,
                 std::size_t& End) {
  std::uint64_t stored = H.ColorsUsed;
  if (H.BitCount <= 8 && stored == 0) stored = 1u << H.BitCount;
  if (stored > 65536) return false;
  std::size_t bytes = static_cast<std::size_t>(stored) * H.TableEntrySize;
  End = H.TableOffset + bytes;
  if (H.BitCount > 8) return Bytes.Has(H.TableOffset, 0);
  // Only the entries an index can reach are kept; a short table is refused.
  std::size_t used = std::min<std::size_t>(static_cast<std::size_t>(stored), 1u << H.BitCount);
  if (!Bytes.Has(H.TableOffset, used * H.TableEntrySize)) return false;
  Palette.resize(used);
  for (std::size_t i = 0; i < used; ++i) {
    std::size_t at = H.TableOffset + i * H.TableEntrySize;
    Palette[i] = PixelFromRgb(Bytes.U8(at + 2), Bytes.U8(at + 1), Bytes.U8(at));
  }
  return true;
}

TPixel FromPalette(const std::vector<TPixel>& Palette, unsigned Index) {
  return Index < Palette.size() ? Palette[Index] : 0;
}

void DecodeRow(const std::uint8_t* Src, const THeader& H, const std::vector<TPixel>& Palette,
               const TChannel (&Channels)[3], TPixel* Dst) {
  int width = static_cast<int>(H.Width);
  switch (H.BitCount) {
    case 1:
    case 4:
    case 8: {
      int bits = H.BitCount, perByte = 8 / bits, mask = (1 << bits) - 1;
      for (int x = 0; x < width; ++x) {
        int shift = 8 - bits * (x % perByte + 1);
        Dst[x] = FromPalette(Palette, (Src[x / perByte] >> shift) & mask);
      }
      break;
    }
    case 16:
      for (int x = 0; x < width; ++x) {
        std::uint32_t v = Src[2 * x] | (Src[2 * x + 1] << 8);
        Dst[x] =
            PixelFromRgb(Channels[0].Extract(v), Channels[1].Extract(v), Channels[2].Extract(v));
      }
      break;
    case 24:
      for (int x = 0; x < width; ++x)
        Dst[x] = PixelFromRgb(Src[3 * x + 2], Src[3 * x + 1], Src[3 * x]);
      break;
    case 32:
      for (int x = 0; x < width; ++x) {
        const std::uint8_t* p = Src + 4 * x;
        std::uint32_t v =
            p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
        Dst[x] =
            PixelFromRgb(Channels[0].Extract(v), Channels[1].Extract(v), Channels[2].Extract(v));
      }
      break;
  }
}

TPixelBuffer DecodeUncompressed(const TBmpBytes& Bytes, std::size_t PixelOffset, const THeader& H,
                                const std::vector<TPixel>& Palette) {
  std::array<std::uint32_t, 3> masks = H.Masks;
  if (H.Compression == BI_RGB) {
    if (H.BitCount == 16) masks = {0x7C00, 0x03E0, 0x001F};
    if (H.BitCount == 32) masks = {0xFF0000, 0x00FF00, 0x0000FF};
  }
  const TChannel channels[3] = {TChannel(masks[0]), TChannel(masks[1]), TChannel(masks[2])};
  std::uint64_t stride = ((static_cast<std::uint64_t>(H.Width) * H.BitCount + 31) / 32) * 4;
  if (!Bytes.Has(PixelOffset, 0) || stride * H.Height > Bytes.Size() - PixelOffset) return {};
  int width = static_cast<int>(H.Width), height = static_cast<int>(H.Height);
  TPixelBuffer image(width, height);
  for (int row = 0; row < height; ++row) {
    int y = H.TopDown ? row : height - 1 - row;
    DecodeRow(Bytes.At(PixelOffset + row * stride), H, Palette, channels, image.Row(y));
  }
  return image;
}

// Run-length encoded 4 and 8-bit images. Pixels the runs skip stay black;
// pixels beyond a row's end are dropped; a run cut short by the end of the data
// makes the file malformed, a missing end-of-bitmap mark does not.
TPixelBuffer DecodeRunLength(const TBmpBytes& Bytes, std::size_t PixelOffset, const THeader& H,
                             const std::vector<TPixel>& Palette) {
  if (!Bytes.Has(PixelOffset, 0)) return {};
  std::size_t end = Bytes.Size();
  if (H.ImageSize != 0 && Bytes.Has(PixelOffset, H.ImageSize)) end = PixelOffset + H.ImageSize;
  int width = static_cast<int>(H.Width), height = static_cast<int>(H.Height);
  bool four = H.Compression == BI_RLE4;
  TPixelBuffer image(width, height);
  std::int64_t x = 0, y = 0;  // y counts rows from the bottom
  auto put = [&](unsigned Index) {
    if (x < width && y < height)
      image.Row(height - 1 - static_cast<int>(y))[x] = FromPalette(Palette, Index);
    ++x;
  };
  std::size_t at = PixelOffset;
  while (at + 2 <= end && y < height) {
    unsigned count = Bytes.U8(at), value = Bytes.U8(at + 1);
    at += 2;
    if (count > 0) {
      for (unsigned i = 0; i < count; ++i)
        put(four ? ((i % 2 == 0) ? value >> 4 : value & 0x0F) : value);
      continue;
    }
    if (value == 0) {
      x = 0, ++y;
    } else if (value == 1) {
      break;
    } else if (value == 2) {
      if (at + 2 > end) return {};
      x += Bytes.U8(at), y += Bytes.U8(at + 1);
      at += 2;
    } else {
      std::size_t bytes = four ? (value + 1) / 2 : value;
      if (at + bytes > end) return {};
      for (unsigned i = 0; i < value; ++i) {
        unsigned b = Bytes.U8(at + (four ? i / 2 : i));
        put(four ? ((i % 2 == 0) ? b >> 4 : b & 0x0F) : b);
      }
      at += bytes + (bytes & 1);  // absolute runs are padded to 16 bits
    }
  }
  return image;
}

TPixelBuffer Refused(TBmpFault Why, TBmpFault* Fault) {
  if (Fault) *Fault = Why;
  return {};
}

TPixelBuffer DecodeAt(const TBmpBytes& Bytes, std::size_t HeaderOffset, std::size_t PixelOffset,
                      TBmpFault* Fault) {
  THeader h;
  if (!ReadHeader(Bytes, HeaderOffset, h)) return Refused(TBmpFault::BadHeader, Fault);
  if (const TBmpFault why = Implausible(h); why != TBmpFault::None) return Refused(why, Fault);
  std::vector<TPixel> palette;
  std::size_t tableEnd = 0;
  if (!ReadPalette(Bytes, h, palette, tableEnd)) return Refused(TBmpFault::BadHeader, Fault);
  if (PixelOffset == 0) PixelOffset = tableEnd;
  TPixelBuffer image = h.Compression == BI_RLE8 || h.Compression == BI_RLE4
                           ? DecodeRunLength(Bytes, PixelOffset, h, palette)
                           : DecodeUncompressed(Bytes, PixelOffset, h, palette);
  if (image.Empty()) return Refused(TBmpFault::Truncated, Fault);
  if (Fault) *Fault = TBmpFault::None;
  return image;
}

}  // namespace

TPixelBuffer Decode(const std::uint8_t* Data, std::size_t Size, TBmpFault* Fault) {
  TBmpBytes bytes(Data, Data ? Size : 0);
  if (!bytes.Has(0, 2) || bytes.U8(0) != 'B' || bytes.U8(1) != 'M')
    return Refused(TBmpFault::NotBitmap, Fault);
  if (!bytes.Has(0, FileHeaderSize)) return Refused(TBmpFault::BadHeader, Fault);
  std::uint32_t pixelOffset = bytes.U32(10);
  // A zero offset means "right after the colour table".
  if (pixelOffset != 0 && pixelOffset < FileHeaderSize + CoreHeaderSize)
    return Refused(TBmpFault::BadHeader, Fault);
  return DecodeAt(bytes, FileHeaderSize, pixelOffset, Fault);
}

TPixelBuffer DecodeDib(const std::uint8_t* Data, std::size_t Size, TBmpFault* Fault) {
  return DecodeAt(TBmpBytes(Data, Data ? Size : 0), 0, 0, Fault);
}

}  // namespace BmpDecoder
