// Feeds arbitrary bytes to the BMP decoder, both as a file and as a packed DIB.
#include <cstddef>
#include <cstdint>

#include "toolkit/portable/BmpDecoder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  TPixelBuffer file = BmpDecoder::Decode(Data, Size);
  if (!file.Empty() && file.Width() * static_cast<std::size_t>(file.Height()) == 0)
    __builtin_trap();
  BmpDecoder::DecodeDib(Data, Size);
  return 0;
}
