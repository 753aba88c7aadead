#include "skin/archive/LzhHuffmanTree.h"

#include <algorithm>

using namespace Lzh;

void TLzhHuffmanTree::Reset() {
  for (int i = 0; i < kCharCount; ++i) {
    Freq[i] = 1;
    Son[i] = static_cast<std::int16_t>(i + kNodeCount);
    Parent[i + kNodeCount] = static_cast<std::int16_t>(i);
  }
  for (int i = 0, j = kCharCount; j <= kRoot; i += 2, ++j) {
    Freq[j] = static_cast<std::uint16_t>(Freq[i] + Freq[i + 1]);
    Son[j] = static_cast<std::int16_t>(i);
    Parent[i] = Parent[i + 1] = static_cast<std::int16_t>(j);
  }
  Freq[kNodeCount] = 0xFFFF;
  Parent[kRoot] = 0;
}

// Halves every leaf frequency (rounding up) and builds the inner nodes anew.
void TLzhHuffmanTree::Rebuild() {
  int j = 0;
  for (int i = 0; i < kNodeCount; ++i) {
    if (Son[i] >= kNodeCount) {
      Freq[j] = static_cast<std::uint16_t>((Freq[i] + 1) / 2);
      Son[j] = Son[i];
      ++j;
    }
  }
  for (int i = 0, n = kCharCount; n < kNodeCount; i += 2, ++n) {
    const std::uint16_t f = static_cast<std::uint16_t>(Freq[i] + Freq[i + 1]);
    int k = n - 1;
    while (f < Freq[k]) --k;
    ++k;
    // Insert the new inner node at k, keeping the frequencies sorted.
    std::copy_backward(Freq.begin() + k, Freq.begin() + n, Freq.begin() + n + 1);
    Freq[k] = f;
    std::copy_backward(Son.begin() + k, Son.begin() + n, Son.begin() + n + 1);
    Son[k] = static_cast<std::int16_t>(i);
  }
  for (int i = 0; i < kNodeCount; ++i) {
    const int k = Son[i];
    Parent[k] = static_cast<std::int16_t>(i);
    if (k < kNodeCount) Parent[k + 1] = static_cast<std::int16_t>(i);
  }
}
