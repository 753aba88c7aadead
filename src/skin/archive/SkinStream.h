#pragma once
// The "SkinStream" property of the form data: a 4-byte signed little-endian
// length L, then L bytes of compressed skin.

#include <cstddef>

#include "skin/archive/Bytes.h"

namespace SkinStream {

// Appends the property's bytes for SkinBuffer to Out: its length and, if
// that is positive, the bytes. Raises std::length_error for a buffer too
// large for the length field.
void Write(TByteView SkinBuffer, TBytes& Out);

// Reads the property from the start of Data. A length of 0 or less leaves
// SkinBuffer as it was. Returns false, leaving SkinBuffer as it was, when
// Data is shorter than the length field or than the length it states.
// Consumed, when given, receives the bytes the property takes up.
bool Read(TByteView Data, TBytes& SkinBuffer, std::size_t* Consumed = nullptr);

}  // namespace SkinStream
