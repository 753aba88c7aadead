#pragma once
// Byte buffers of the skin archive layer: the growable in-memory byte stream
// that holds a compressed blob, a decompressed archive or one extracted file.

#include <cstdint>
#include <span>
#include <vector>

using TBytes = std::vector<std::uint8_t>;
using TByteView = std::span<const std::uint8_t>;
