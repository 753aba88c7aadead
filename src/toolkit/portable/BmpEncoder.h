#pragma once
// Writes pixel buffers as Windows BMP files (24 bits per pixel, bottom-up), the
// form our tools use for skin images and generated resources.

#include <cstdint>
#include <vector>

#include "toolkit/portable/PixelBuffer.h"

namespace BmpEncoder {

std::vector<std::uint8_t> Encode24(const TPixelBuffer& Image);

}  // namespace BmpEncoder
