#include "skin/archive/SkinStream.h"

#include <cstdint>
#include <limits>
#include <stdexcept>

namespace SkinStream {

void Write(TByteView SkinBuffer, TBytes& Out) {
  if (SkinBuffer.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
    throw std::length_error("skin too large for the SkinStream property");
  const std::uint32_t length = static_cast<std::uint32_t>(SkinBuffer.size());
  for (int shift = 0; shift < 32; shift += 8)
    Out.push_back(static_cast<std::uint8_t>(length >> shift));
  Out.insert(Out.end(), SkinBuffer.begin(), SkinBuffer.end());
}

bool Read(TByteView Data, TBytes& SkinBuffer, std::size_t* Consumed) {
  if (Consumed) *Consumed = 0;
  if (Data.size() < 4) return false;
  const std::int32_t length = static_cast<std::int32_t>(
      Data[0] | (Data[1] << 8) | (Data[2] << 16) | (static_cast<std::uint32_t>(Data[3]) << 24));
  if (length <= 0) {
    if (Consumed) *Consumed = 4;
    return true;
  }
  if (static_cast<std::size_t>(length) > Data.size() - 4) return false;
  SkinBuffer.assign(Data.begin() + 4, Data.begin() + 4 + length);
  if (Consumed) *Consumed = 4 + static_cast<std::size_t>(length);
  return true;
}

}  // namespace SkinStream
