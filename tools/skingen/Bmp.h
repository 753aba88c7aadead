// Windows BMP files, 24 bits per pixel, rows bottom-up: the form every skin
// image and bitmap resource is stored in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Pixmap.h"

namespace Bmp {

std::vector<uint8_t> Encode(const TPixmap& image);
// Reads what Encode writes (24-bit, uncompressed, either row order); throws
// std::runtime_error on anything else.
TPixmap Decode(const std::vector<uint8_t>& bytes);

}  // namespace Bmp
