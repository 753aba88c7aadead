#pragma once

#include <array>
#include <cstdint>

#include "skin/archive/LzhParams.h"

// The adaptive Huffman tree of LZHUF over literals and match lengths. Nodes
// are kept in order of frequency; the two children of an inner node are
// neighbours (Son and Son + 1), and a leaf's Son is its symbol + kNodeCount.
// Decoder and encoder update it identically after every symbol.
class TLzhHuffmanTree {
 public:
  TLzhHuffmanTree() { Reset(); }

  void Reset();

  int RootSon() const { return Son[Lzh::kRoot]; }
  int SonOf(int Node) const { return Son[Node]; }
  int ParentOf(int Node) const { return Parent[Node]; }
  // The node holding symbol C.
  int LeafOf(int C) const { return Parent[C + Lzh::kNodeCount]; }
  int RootFrequency() const { return Freq[Lzh::kRoot]; }

  // Counts one more occurrence of symbol C and restores the frequency order.
  inline void Update(int C);

 private:
  void Rebuild();

  // One extra entry: the sentinel at kNodeCount stops the search for the
  // last node of equal frequency.
  std::array<std::uint32_t, Lzh::kNodeCount + 1> Freq;
  std::array<std::int32_t, Lzh::kNodeCount + Lzh::kCharCount> Parent;
  std::array<std::int32_t, Lzh::kNodeCount> Son;
};

inline void TLzhHuffmanTree::Update(int C) {
  if (Freq[Lzh::kRoot] == Lzh::kMaxFreq) Rebuild();
  int c = Parent[C + Lzh::kNodeCount];
  do {
    const unsigned k = ++Freq[c];
    int l = c + 1;
    if (k > Freq[l]) {
      while (k > Freq[++l]) {
      }
      --l;
      Freq[c] = Freq[l];
      Freq[l] = k;

      const int i = Son[c];
      Parent[i] = static_cast<std::int16_t>(l);
      if (i < Lzh::kNodeCount) Parent[i + 1] = static_cast<std::int16_t>(l);

      const int j = Son[l];
      Son[l] = static_cast<std::int16_t>(i);
      Parent[j] = static_cast<std::int16_t>(c);
      if (j < Lzh::kNodeCount) Parent[j + 1] = static_cast<std::int16_t>(c);
      Son[c] = static_cast<std::int16_t>(j);

      c = l;
    }
  } while ((c = Parent[c]) != 0);
}
