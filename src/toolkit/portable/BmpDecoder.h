#pragma once
// Reads Windows BMP files into pixel buffers: 1, 4 and 8-bit palette images
// (uncompressed or run-length encoded), 16 and 32-bit images (default layout or
// bit-field masks) and 24-bit images, stored bottom-up or top-down, with any of
// the usual info headers. Every read is checked against the file's size: a
// malformed or unsupported file gives an empty buffer.

#include <cstddef>
#include <cstdint>

#include "toolkit/portable/PixelBuffer.h"

namespace BmpDecoder {

// Images claiming more pixels than this are refused.
constexpr std::int64_t MaxPixels = std::int64_t{1} << 24;

// Why a file gave an empty buffer.
enum class TBmpFault {
  None,
  NotBitmap,    // no "BM" at the start, or no bytes at all
  BadHeader,    // header size, offsets or colour table make no sense
  BadSize,      // width or height zero or negative
  TooBig,       // more than MaxPixels pixels
  Unsupported,  // a bit depth or compression this reader does not know
  Truncated     // the pixels run past the end of the file
};

// Decodes a whole file (starting with "BM"). Fault, when given, receives
// why the result is empty (None for a decoded image).
TPixelBuffer Decode(const std::uint8_t* Data, std::size_t Size, TBmpFault* Fault = nullptr);

// Decodes a packed DIB: an info header, its colour table and the pixels, as
// held in a bitmap resource (a file without its 14-byte file header).
TPixelBuffer DecodeDib(const std::uint8_t* Data, std::size_t Size, TBmpFault* Fault = nullptr);

}  // namespace BmpDecoder
