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

// Decodes a whole file (starting with "BM").
TPixelBuffer Decode(const std::uint8_t* Data, std::size_t Size);

// Decodes a packed DIB: an info header, its colour table and the pixels, as
// held in a bitmap resource (a file without its 14-byte file header).
TPixelBuffer DecodeDib(const std::uint8_t* Data, std::size_t Size);

}  // namespace BmpDecoder
