// Writes an image as an 8-bit RGB PNG file (through libpng).
#pragma once

#include <string>

#include "Pixmap.h"

namespace Png {

// Throws std::runtime_error when the file cannot be written.
void Write(const std::string& path, const TPixmap& image);

}  // namespace Png
