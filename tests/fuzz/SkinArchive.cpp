// Compressed skins and skin archives come from anywhere. The first input
// byte picks what the rest is:
//   even: a compressed blob, loaded as the program loads a skin; its decoding
//         is also checked against the plain reference decoder;
//   odd:  a decompressed archive, whose directory is read; the bytes are also
//         encoded and must decode back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "../host/skin/archive/ReferenceLzhuf.h"
#include "skin/archive/LZHEncoder.h"
#include "skin/archive/LzhException.h"
#include "skin/archive/SkinReader.h"

namespace {

void ExtractEverything(const TSkinReader& Reader) {
  TBytes target;
  for (const std::string& name : Reader.Names()) {
    Reader.ExtractFile(name, target);
    if (target.size() > Reader.DataArea().size()) std::abort();
  }
  std::string found;
  Reader.ExtractFirstMatching(".ini", target, found);
  Reader.ExtractFirstMatching("", target, found);
}

void CheckAgainstReference(TByteView Blob) {
  TBytes ours;
  try {
    TSkinReader::Decompress(Blob, ours);
  } catch (const ElzhException&) {
    return;  // size refused
  }
  ReferenceLzhuf::TDecoder reference;
  const TBytes expected =
      reference.Decode(Blob.data() + 4, Blob.size() - 4, static_cast<long>(ours.size()));
  if (ours != expected) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  if (Size == 0) return 0;
  const TByteView input(Data + 1, Size - 1);
  TSkinReader reader;
  if ((Data[0] & 1) == 0) {
    if (reader.LoadArchive(input)) ExtractEverything(reader);
    if (input.size() >= 4) CheckAgainstReference(input);
  } else {
    if (reader.LoadDecompressed(input)) ExtractEverything(reader);
    const TBytes blob = TLZHEncoder::CompressBlob(input);
    TBytes decoded;
    TSkinReader::Decompress(blob, decoded);
    if (decoded.size() != input.size() ||
        !std::equal(decoded.begin(), decoded.end(), input.begin()))
      std::abort();
  }
  return 0;
}
