#pragma once
// A straightforward LZHUF decoder written the way the scheme is usually
// published: 16-bit bit buffer filled a byte at a time, a byte-wise ring
// buffer, tables in plain arrays. Kept independent of the production
// decoder; tests compare the two and the benchmark measures against it.

#include <cstdint>
#include <vector>

namespace ReferenceLzhuf {

class TDecoder {
 public:
  // Decodes Size bytes from Stream (the bit stream, without the size field).
  std::vector<std::uint8_t> Decode(const std::uint8_t* Stream, std::size_t Length, long Size) {
    In = Stream;
    InLength = Length;
    InPos = 0;
    GetBuf = 0;
    GetLen = 0;
    StartHuff();
    std::vector<std::uint8_t> out;
    if (Size <= 0) return out;
    out.reserve(static_cast<std::size_t>(Size) + F);
    for (int i = 0; i < N; ++i) TextBuf[i] = i < N - F ? ' ' : 0;
    int r = N - F;
    for (long count = 0; count < Size;) {
      int c = DecodeChar();
      if (c < 256) {
        out.push_back(static_cast<std::uint8_t>(c));
        TextBuf[r++] = static_cast<std::uint8_t>(c);
        r &= N - 1;
        ++count;
      } else {
        const int i = (r - DecodePosition() - 1) & (N - 1);
        const int j = c - 255 + THRESHOLD;
        for (int k = 0; k < j; ++k) {
          c = TextBuf[(i + k) & (N - 1)];
          out.push_back(static_cast<std::uint8_t>(c));
          TextBuf[r++] = static_cast<std::uint8_t>(c);
          r &= N - 1;
          ++count;
        }
      }
    }
    out.resize(static_cast<std::size_t>(Size));
    return out;
  }

 private:
  static constexpr int N = 4096, F = 60, THRESHOLD = 2;
  static constexpr int N_CHAR = 256 - THRESHOLD + F, T = N_CHAR * 2 - 1, R = T - 1;
  static constexpr unsigned MAX_FREQ = 0x8000;

  static constexpr std::uint8_t d_code[256] = {
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
      0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00,
      0x00, 0x00, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01, 0x01,
      0x01, 0x01, 0x01, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02, 0x02,
      0x02, 0x02, 0x02, 0x02, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03, 0x03,
      0x03, 0x03, 0x03, 0x03, 0x03, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x04, 0x05, 0x05,
      0x05, 0x05, 0x05, 0x05, 0x05, 0x05, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x06, 0x07,
      0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x07, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08,
      0x09, 0x09, 0x09, 0x09, 0x09, 0x09, 0x09, 0x09, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A, 0x0A,
      0x0A, 0x0B, 0x0B, 0x0B, 0x0B, 0x0B, 0x0B, 0x0B, 0x0B, 0x0C, 0x0C, 0x0C, 0x0C, 0x0D, 0x0D,
      0x0D, 0x0D, 0x0E, 0x0E, 0x0E, 0x0E, 0x0F, 0x0F, 0x0F, 0x0F, 0x10, 0x10, 0x10, 0x10, 0x11,
      0x11, 0x11, 0x11, 0x12, 0x12, 0x12, 0x12, 0x13, 0x13, 0x13, 0x13, 0x14, 0x14, 0x14, 0x14,
      0x15, 0x15, 0x15, 0x15, 0x16, 0x16, 0x16, 0x16, 0x17, 0x17, 0x17, 0x17, 0x18, 0x18, 0x19,
      0x19, 0x1A, 0x1A, 0x1B, 0x1B, 0x1C, 0x1C, 0x1D, 0x1D, 0x1E, 0x1E, 0x1F, 0x1F, 0x20, 0x20,
      0x21, 0x21, 0x22, 0x22, 0x23, 0x23, 0x24, 0x24, 0x25, 0x25, 0x26, 0x26, 0x27, 0x27, 0x28,
      0x28, 0x29, 0x29, 0x2A, 0x2A, 0x2B, 0x2B, 0x2C, 0x2C, 0x2D, 0x2D, 0x2E, 0x2E, 0x2F, 0x2F,
      0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x36, 0x37, 0x38, 0x39, 0x3A, 0x3B, 0x3C, 0x3D, 0x3E,
      0x3F,
  };

  static int DLen(int i) {
    return i < 0x20 ? 3 : i < 0x50 ? 4 : i < 0x90 ? 5 : i < 0xC0 ? 6 : i < 0xF0 ? 7 : 8;
  }

  int GetByteRaw() { return InPos < InLength ? In[InPos++] : 0; }

  int GetBit() {
    while (GetLen <= 8) {
      GetBuf = static_cast<std::uint16_t>(GetBuf | (GetByteRaw() << (8 - GetLen)));
      GetLen += 8;
    }
    const std::uint16_t i = GetBuf;
    GetBuf = static_cast<std::uint16_t>(GetBuf << 1);
    --GetLen;
    return (i & 0x8000) ? 1 : 0;
  }

  int GetByte() {
    while (GetLen <= 8) {
      GetBuf = static_cast<std::uint16_t>(GetBuf | (GetByteRaw() << (8 - GetLen)));
      GetLen += 8;
    }
    const std::uint16_t i = GetBuf;
    GetBuf = static_cast<std::uint16_t>(GetBuf << 8);
    GetLen -= 8;
    return i >> 8;
  }

  void StartHuff() {
    int i, j;
    for (i = 0; i < N_CHAR; i++) {
      freq[i] = 1;
      son[i] = static_cast<std::int16_t>(i + T);
      prnt[i + T] = static_cast<std::int16_t>(i);
    }
    i = 0;
    j = N_CHAR;
    while (j <= R) {
      freq[j] = static_cast<std::uint16_t>(freq[i] + freq[i + 1]);
      son[j] = static_cast<std::int16_t>(i);
      prnt[i] = prnt[i + 1] = static_cast<std::int16_t>(j);
      i += 2;
      j++;
    }
    freq[T] = 0xffff;
    prnt[R] = 0;
  }

  void Reconst() {
    int i, j, k;
    unsigned f, l;
    j = 0;
    for (i = 0; i < T; i++) {
      if (son[i] >= T) {
        freq[j] = static_cast<std::uint16_t>((freq[i] + 1) / 2);
        son[j] = son[i];
        j++;
      }
    }
    for (i = 0, j = N_CHAR; j < T; i += 2, j++) {
      k = i + 1;
      f = freq[j] = static_cast<std::uint16_t>(freq[i] + freq[k]);
      for (k = j - 1; f < freq[k]; k--) {
      }
      k++;
      l = static_cast<unsigned>(j - k);
      for (unsigned m = l; m > 0; --m) freq[k + m] = freq[k + m - 1];
      freq[k] = static_cast<std::uint16_t>(f);
      for (unsigned m = l; m > 0; --m) son[k + m] = son[k + m - 1];
      son[k] = static_cast<std::int16_t>(i);
    }
    for (i = 0; i < T; i++) {
      if ((k = son[i]) >= T) {
        prnt[k] = static_cast<std::int16_t>(i);
      } else {
        prnt[k] = prnt[k + 1] = static_cast<std::int16_t>(i);
      }
    }
  }

  void Update(int c) {
    int i, j, l;
    unsigned k;
    if (freq[R] == MAX_FREQ) Reconst();
    c = prnt[c + T];
    do {
      k = ++freq[c];
      if (k > freq[l = c + 1]) {
        while (k > freq[++l]) {
        }
        l--;
        freq[c] = freq[l];
        freq[l] = static_cast<std::uint16_t>(k);
        i = son[c];
        prnt[i] = static_cast<std::int16_t>(l);
        if (i < T) prnt[i + 1] = static_cast<std::int16_t>(l);
        j = son[l];
        son[l] = static_cast<std::int16_t>(i);
        prnt[j] = static_cast<std::int16_t>(c);
        if (j < T) prnt[j + 1] = static_cast<std::int16_t>(c);
        son[c] = static_cast<std::int16_t>(j);
        c = l;
      }
    } while ((c = prnt[c]) != 0);
  }

  int DecodeChar() {
    unsigned c = static_cast<unsigned>(son[R]);
    while (c < T) {
      c += static_cast<unsigned>(GetBit());
      c = static_cast<unsigned>(son[c]);
    }
    c -= T;
    Update(static_cast<int>(c));
    return static_cast<int>(c);
  }

  int DecodePosition() {
    unsigned i = static_cast<unsigned>(GetByte());
    const unsigned c = static_cast<unsigned>(d_code[i]) << 6;
    int j = DLen(static_cast<int>(i)) - 2;
    while (j--) i = (i << 1) + static_cast<unsigned>(GetBit());
    return static_cast<int>(c | (i & 0x3f));
  }

  const std::uint8_t* In = nullptr;
  std::size_t InLength = 0;
  std::size_t InPos = 0;
  std::uint16_t GetBuf = 0;
  int GetLen = 0;
  std::uint8_t TextBuf[N + F - 1] = {};
  std::uint16_t freq[T + 1] = {};
  std::int16_t prnt[T + N_CHAR] = {};
  std::int16_t son[T] = {};
};

}  // namespace ReferenceLzhuf
