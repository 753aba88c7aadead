#include "skin/archive/LZH.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include "skin/archive/LzhException.h"
#include "skin/archive/LzhHuffmanTree.h"
#include "skin/archive/LzhParams.h"

using namespace Lzh;

namespace {

// MSB-first bit input over the read procedure. Bits are kept left-aligned in
// a 64-bit word; past the end of the input only zero bytes come in.
class TBitInput {
 public:
  explicit TBitInput(const TLZH::TReadProc& Read) : Read(Read), Buffer(kBufferSize) {}

  int GetBit() {
    if (Count == 0) Refill();
    const int bit = static_cast<int>(Bits >> 63);
    Bits <<= 1;
    --Count;
    return bit;
  }

  // The next N bits (1 <= N <= 32) without consuming them.
  unsigned Peek(int N) {
    if (Count < N) Refill();
    return static_cast<unsigned>(Bits >> (64 - N));
  }

  void Skip(int N) {
    Bits <<= N;
    Count -= N;
  }

 private:
  static constexpr std::size_t kBufferSize = 64 * 1024;

  void Refill() {
    const int room = (64 - Count) >> 3;  // whole bytes that fit
    if (static_cast<std::size_t>(End - Pos) >= 8) {
      std::uint64_t word = 0;
      for (int i = 0; i < 8; ++i) word = (word << 8) | Buffer[Pos + i];
      word >>= 64 - room * 8;
      Bits |= word << (64 - Count - room * 8);
      Pos += room;
      Count += room * 8;
      return;
    }
    for (int i = 0; i < room; ++i) {
      Bits |= static_cast<std::uint64_t>(NextByte()) << (56 - Count);
      Count += 8;
    }
  }

  std::uint8_t NextByte() {
    if (Pos == End) {
      if (Ended) return 0;
      End = Read(Buffer.data(), Buffer.size());
      End = std::min(End, Buffer.size());
      Pos = 0;
      if (End == 0) {
        Ended = true;
        return 0;
      }
    }
    return Buffer[Pos++];
  }

  const TLZH::TReadProc& Read;
  std::vector<std::uint8_t> Buffer;
  std::size_t Pos = 0;
  std::size_t End = 0;
  bool Ended = false;
  std::uint64_t Bits = 0;
  int Count = 0;
};

// Decoder tables: the Huffman tree and the output window. The window holds
// the last kRingSize bytes before the chunk being filled, so match sources
// are plain offsets back from the write position. Before any output it holds
// what the ring buffer holds at the start: the unwritten tail (zeros)
// followed by the initial spaces.
struct TDecoderTables {
  static constexpr std::size_t kMaxChunk = 256 * 1024;
  // Room for a last match running up to kLongestMatch - 1 bytes past the
  // chunk, copied in blocks of 16.
  static constexpr std::size_t kSlack = kLongestMatch + 16;

  TLzhHuffmanTree Tree;
  std::unique_ptr<std::uint8_t[]> Window;

  // Chunk: bytes produced between two calls of the write procedure.
  explicit TDecoderTables(std::size_t Chunk)
      : Window(new (std::nothrow) std::uint8_t[kRingSize + Chunk + kSlack]) {
    if (!Window) return;
    std::memset(Window.get(), 0, kRingSize - kInitialFill);
    std::memset(Window.get() + (kRingSize - kInitialFill), kFillByte, kInitialFill);
  }
};

}  // namespace

void TLZH::Decode(std::int64_t Size, const TReadProc& Read, const TWriteProc& Write) {
  if (Size <= 0) return;
  const std::size_t chunk = static_cast<std::size_t>(
      std::min<std::int64_t>(Size, static_cast<std::int64_t>(TDecoderTables::kMaxChunk)));
  std::unique_ptr<TDecoderTables> tables(new (std::nothrow) TDecoderTables(chunk));
  if (!tables || !tables->Window) throw ElzhException(LzhMessages::kNoMemory);

  TBitInput input(Read);
  TLzhHuffmanTree& tree = tables->Tree;
  std::uint8_t* const window = tables->Window.get();
  const auto& positions = kPositionTables;

  std::int64_t remaining = Size;  // bytes still to hand to Write
  while (remaining > 0) {
    std::uint8_t* out = window + kRingSize;
    // Fill up to the chunk end or up to Size, whichever comes first.
    const std::size_t wanted = static_cast<std::size_t>(
        std::min<std::int64_t>(remaining, static_cast<std::int64_t>(chunk)));
    std::uint8_t* const stop = out + wanted;

    while (out < stop) {
      int c = tree.RootSon();
      while (c < kNodeCount) c = tree.SonOf(c + input.GetBit());
      c -= kNodeCount;
      tree.Update(c);

      if (c < 256) {
        *out++ = static_cast<std::uint8_t>(c);
        continue;
      }
      const unsigned first = input.Peek(14) >> 6;
      const int bits = positions.Len[first] + 6;
      const unsigned code = input.Peek(bits);
      input.Skip(bits);
      const int distance = ((positions.Code[first] << 6) | (code & 0x3F)) + 1;
      const int length = c - (256 - kShortestMatch);

      const std::uint8_t* from = out - distance;
      if (distance >= 16) {
        // Whole 16-byte blocks, the last one running past the match into the
        // window's slack; the bytes past it are overwritten later.
        for (int k = 0; k < length; k += 16) std::memcpy(out + k, from + k, 16);
        out += length;
      } else {
        // Overlapping: the match repeats the bytes it has just written.
        for (int k = 0; k < length; ++k) *out++ = *from++;
      }
    }

    // The last match may have run past the chunk end: those bytes are output
    // too, unless they pass Size.
    const std::int64_t produced = out - (window + kRingSize);
    const std::int64_t taken = std::min(produced, remaining);
    Write(window + kRingSize, static_cast<std::size_t>(taken));
    remaining -= taken;
    // The last kRingSize bytes are the history of the next chunk.
    std::memmove(window, out - kRingSize, kRingSize);
  }
}
