#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>

// LZHUF decoder: LZSS over a 4096-byte ring buffer whose first 4036 bytes
// start as spaces, with an adaptive Huffman code for literals and match
// lengths and a fixed code for the upper 6 bits of match positions.
//
// Input past the end of the stream reads as zero bits, so a truncated stream
// still yields exactly Size bytes. Memory use does not depend on Size: the
// output goes to Write in chunks.
class TLZH {
 public:
  // Fills Buffer with up to Count bytes and returns how many it gave;
  // 0 means the input has ended.
  using TReadProc = std::function<std::size_t(std::uint8_t* Buffer, std::size_t Count)>;
  // Takes Count bytes of output.
  using TWriteProc = std::function<void(const std::uint8_t* Buffer, std::size_t Count)>;

  TLZH() = default;

  // Decodes the bit stream given by Read until Size bytes are produced and
  // hands exactly Size bytes to Write (nothing when Size <= 0). Raises
  // ElzhException when the decoder's tables cannot be allocated.
  void Decode(std::int64_t Size, const TReadProc& Read, const TWriteProc& Write);
};
