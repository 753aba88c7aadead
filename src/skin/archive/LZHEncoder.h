#pragma once

#include "skin/archive/Bytes.h"

// LZHUF encoder with the decoder's parameters, for building skins and test
// data. Matches are found with hash chains over the last 4095 bytes; the
// initial space fill of the ring buffer counts as history, so leading spaces
// compress like any other repeat.
class TLZHEncoder {
 public:
  // The bit stream alone, padded with zero bits to a whole byte. Raises
  // std::length_error for data of 2 GiB or more.
  static TBytes EncodeStream(TByteView Data);
  // The compressed blob: the 4-byte little-endian size, then the bit stream.
  // Raises std::length_error when Data is too large for the size field.
  static TBytes CompressBlob(TByteView Data);
};
