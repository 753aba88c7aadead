#include "shell/portable/FreeSpaceItem.h"

std::string FreeSpaceDriveRoot(const std::uint8_t* List) {
  if (!List) return {};
  const unsigned itemSize = List[0] | (List[1] << 8);
  if (itemSize < 6) return {};
  const std::int32_t mask =
      static_cast<std::int32_t>(std::uint32_t(List[2]) | std::uint32_t(List[3]) << 8 |
                                std::uint32_t(List[4]) << 16 | std::uint32_t(List[5]) << 24);
  if (mask <= 0) return {};
  // The integer part of log2 is the highest set bit.
  int bit = 0;
  while ((mask >> (bit + 1)) != 0) ++bit;
  if (bit > 'Z' - 'A') return {};  // no such drive letter
  return std::string(1, static_cast<char>('A' + bit)) + ":\\";
}
