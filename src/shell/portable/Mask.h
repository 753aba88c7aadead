#pragma once
// Wildcard matcher for file names: "*" matches any run of characters, "?"
// exactly one, "[...]" one character of a set (ranges such as a-z, a leading
// "!" negates), anything else itself. Letter case is ignored. The mask is
// compiled once; Matches runs in time proportional to the product of the
// name's and the mask's lengths however many stars the mask has.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "shell/portable/MaskException.h"

// How the bytes of the code page in use form characters. The defaults suit a
// single-byte code page with ASCII case rules.
struct TMaskCharset {
  // True for a byte that starts a double-byte character; such a pair is one
  // character and is compared exactly.
  bool (*IsLeadByte)(unsigned char) = nullptr;
  // Upper-cases a single-byte character.
  unsigned char (*Upper)(unsigned char) = nullptr;
};

class TMask {
 public:
  static constexpr int kMaxStarGroups = 30;

  // Raises EMaskException for more than kMaxStarGroups runs of "*", an
  // unclosed or empty set, or a range with nothing before its "-".
  explicit TMask(std::string_view Mask, TMaskCharset Charset = {});

  bool Matches(std::string_view Name) const;

 private:
  // A character: a single byte (upper-cased) or lead byte * 256 + trail byte.
  using TChar = std::uint16_t;
  enum class TKind { Literal, AnyChar, Star, Set };
  struct TRange {
    TChar Low, High;
  };
  struct TElement {
    explicit TElement(TKind K) : Kind(K) {}
    TKind Kind;
    TChar Char = 0;
    bool Negated = false;
    std::vector<TRange> Ranges;
  };

  std::size_t ReadChar(std::string_view Text, std::size_t Pos, TChar& Char) const;
  std::size_t ReadSet(std::string_view Mask, std::size_t Pos);
  std::vector<TChar> Decode(std::string_view Text) const;
  static bool MatchesOne(const TElement& Element, TChar Char);

  TMaskCharset FCharset;
  std::vector<TElement> FElements;
};
