#include "skin/archive/LZHEncoder.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <stdexcept>
#include <vector>

#include "skin/archive/LzhHuffmanTree.h"
#include "skin/archive/LzhParams.h"

using namespace Lzh;

namespace {

class TBitOutput {
 public:
  explicit TBitOutput(TBytes& Out) : Out(Out) {}

  // Appends the low N bits of Value (N <= 56), most significant first.
  void Put(std::uint64_t Value, int N) {
    Bits = (Bits << N) | (Value & ((std::uint64_t{1} << N) - 1));
    Count += N;
    while (Count >= 8) {
      Count -= 8;
      Out.push_back(static_cast<std::uint8_t>(Bits >> Count));
    }
  }

  void Flush() {
    if (Count > 0) Out.push_back(static_cast<std::uint8_t>(Bits << (8 - Count)));
    Count = 0;
  }

 private:
  TBytes& Out;
  std::uint64_t Bits = 0;
  int Count = 0;
};

// The inverse of the decoder's position tables: for each upper 6 bits of a
// position, its code (right-aligned) and the code's length.
struct TPositionCode {
  std::array<std::uint8_t, 64> Code{};
  std::array<std::uint8_t, 64> Len{};
};

constexpr TPositionCode MakePositionCode() {
  TPositionCode result;
  for (int i = 255; i >= 0; --i) {
    const int upper = kPositionTables.Code[i];
    const int len = kPositionTables.Len[i];
    result.Len[upper] = static_cast<std::uint8_t>(len);
    result.Code[upper] = static_cast<std::uint8_t>(i >> (8 - len));
  }
  return result;
}

constexpr TPositionCode kPositionCode = MakePositionCode();

class TMatchFinder {
 public:
  static constexpr int kMaxDistance = kRingSize - 1;
  static constexpr int kMaxChain = 256;

  // Buffer holds the initial ring contents (kRingSize bytes) followed by the data.
  explicit TMatchFinder(const std::vector<std::uint8_t>& Buffer)
      : Buffer(Buffer),
        HashBits(Buffer.size() < 64 * 1024 ? 12 : 15),
        Head(std::size_t{1} << HashBits, -1),
        Prev(kRingSize, -1) {}

  void Insert(int Pos) {
    if (Pos + kShortestMatch > static_cast<int>(Buffer.size())) return;
    const int h = Hash(Pos);
    Prev[Pos & kRingMask] = Head[h];
    Head[h] = Pos;
  }

  // Longest match for Pos among the inserted positions, at most MaxLength
  // long; Distance is how far back it starts.
  int Find(int Pos, int MaxLength, int& Distance) const {
    if (MaxLength < kShortestMatch) return 0;
    int best = 0;
    int candidate = Head[Hash(Pos)];
    // History before the space fill is never referenced: it is not part of
    // what every decoder starts with.
    const int lowest = std::max(Pos - kMaxDistance, kRingSize - kInitialFill);
    for (int chain = 0; chain < kMaxChain && candidate >= lowest && candidate < Pos; ++chain) {
      int len = 0;
      while (len < MaxLength && Buffer[candidate + len] == Buffer[Pos + len]) ++len;
      if (len > best) {
        best = len;
        Distance = Pos - candidate;
        if (len == MaxLength) break;
      }
      const int next = Prev[candidate & kRingMask];
      if (next >= candidate) break;
      candidate = next;
    }
    return best >= kShortestMatch ? best : 0;
  }

 private:
  int Hash(int Pos) const {
    const std::uint32_t v = Buffer[Pos] | (Buffer[Pos + 1] << 8) | (Buffer[Pos + 2] << 16);
    return static_cast<int>((v * 2654435761u) >> (32 - HashBits));
  }

  const std::vector<std::uint8_t>& Buffer;
  const int HashBits;
  std::vector<int> Head;
  std::vector<int> Prev;
};

class TEncoder {
 public:
  explicit TEncoder(TBytes& Out) : Output(Out) {}

  void EncodeChar(int C) {
    std::uint64_t code = 0;
    int len = 0;
    for (int k = Tree.LeafOf(C); k != kRoot; k = Tree.ParentOf(k)) {
      code |= static_cast<std::uint64_t>(k & 1) << len;
      ++len;
    }
    Output.Put(code, len);
    Tree.Update(C);
  }

  void EncodePosition(int Position) {
    const int upper = Position >> 6;
    Output.Put(kPositionCode.Code[upper], kPositionCode.Len[upper]);
    Output.Put(static_cast<std::uint64_t>(Position & 0x3F), 6);
  }

  void Finish() { Output.Flush(); }

 private:
  TLzhHuffmanTree Tree;
  TBitOutput Output;
};

}  // namespace

TBytes TLZHEncoder::EncodeStream(TByteView Data) {
  // Positions are ints counted from the start of the initial ring contents.
  if (Data.size() > static_cast<std::size_t>(std::numeric_limits<int>::max() - kRingSize))
    throw std::length_error("data too large to encode");
  TBytes out;
  out.reserve(Data.size() / 2 + 16);
  std::vector<std::uint8_t> buffer(kRingSize + Data.size());
  std::fill(buffer.begin() + (kRingSize - kInitialFill), buffer.begin() + kRingSize, kFillByte);
  std::copy(Data.begin(), Data.end(), buffer.begin() + kRingSize);

  TMatchFinder finder(buffer);
  for (int pos = kRingSize - kInitialFill; pos < kRingSize; ++pos) finder.Insert(pos);

  TEncoder encoder(out);
  const int end = static_cast<int>(buffer.size());
  int pos = kRingSize;
  while (pos < end) {
    int distance = 0;
    const int length = finder.Find(pos, std::min(kLongestMatch, end - pos), distance);
    if (length == 0) {
      encoder.EncodeChar(buffer[pos]);
      finder.Insert(pos);
      ++pos;
      continue;
    }
    encoder.EncodeChar(256 - kShortestMatch + length);
    encoder.EncodePosition(distance - 1);
    for (int k = 0; k < length; ++k) finder.Insert(pos + k);
    pos += length;
  }
  encoder.Finish();
  return out;
}

TBytes TLZHEncoder::CompressBlob(TByteView Data) {
  if (Data.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
    throw std::length_error("data too large for a compressed skin");
  const std::uint32_t size = static_cast<std::uint32_t>(Data.size());
  TBytes blob{static_cast<std::uint8_t>(size), static_cast<std::uint8_t>(size >> 8),
              static_cast<std::uint8_t>(size >> 16), static_cast<std::uint8_t>(size >> 24)};
  const TBytes stream = EncodeStream(Data);
  blob.insert(blob.end(), stream.begin(), stream.end());
  return blob;
}
