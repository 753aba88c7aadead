#pragma once
// Parameters and fixed position code of the LZHUF bit stream, shared by the
// decoder and the encoder.

#include <array>
#include <cstdint>

namespace Lzh {

inline constexpr int kRingSize = 4096;  // N
inline constexpr int kRingMask = kRingSize - 1;
inline constexpr int kLongestMatch = 60;  // F
inline constexpr int kThreshold = 2;      // matches code lengths 3 .. 60
inline constexpr int kShortestMatch = kThreshold + 1;
inline constexpr int kCharCount = 256 - kThreshold + kLongestMatch;  // N_CHAR = 314
inline constexpr int kNodeCount = 2 * kCharCount - 1;                // T = 627
inline constexpr int kRoot = kNodeCount - 1;                         // R = 626
inline constexpr int kMaxFreq = 0x8000;
// The ring buffer starts with this many spaces; the write position starts
// right after them.
inline constexpr int kInitialFill = kRingSize - kLongestMatch;  // 4036
inline constexpr std::uint8_t kFillByte = 0x20;

// Length in bits of the fixed code whose first 8 bits are I: the code itself
// plus the 6 low bits of the position that follow it.
constexpr int PositionBits(int I) {
  return I < 0x20 ? 3 : I < 0x50 ? 4 : I < 0x90 ? 5 : I < 0xC0 ? 6 : I < 0xF0 ? 7 : 8;
}

struct TPositionTables {
  std::array<std::uint8_t, 256> Code{};  // d_code: upper 6 bits of the position
  std::array<std::uint8_t, 256> Len{};   // d_len
};

// The code is canonical: upper position values get consecutive codes, each
// covering 2^(8 - length) of the 256 first-byte values.
constexpr TPositionTables MakePositionTables() {
  TPositionTables tables;
  int upper = 0;
  for (int i = 0; i < 256;) {
    const int len = PositionBits(i);
    const int span = 1 << (8 - len);
    for (int k = 0; k < span; ++k) {
      tables.Code[i + k] = static_cast<std::uint8_t>(upper);
      tables.Len[i + k] = static_cast<std::uint8_t>(len);
    }
    i += span;
    ++upper;
  }
  return tables;
}

inline constexpr TPositionTables kPositionTables = MakePositionTables();

}  // namespace Lzh
