#include "shell/portable/Mask.h"

namespace {

unsigned char AsciiUpper(unsigned char C) {
  return C >= 'a' && C <= 'z' ? static_cast<unsigned char>(C - 32) : C;
}

}  // namespace

TMask::TMask(std::string_view Mask, TMaskCharset Charset) : FCharset(Charset) {
  if (!FCharset.Upper) FCharset.Upper = AsciiUpper;
  const std::string maskText(Mask);
  int starGroups = 0;
  std::size_t pos = 0;
  while (pos < Mask.size()) {
    const char c = Mask[pos];
    if (c == '*') {
      // A run of stars is one group and one element.
      if (FElements.empty() || FElements.back().Kind != TKind::Star) {
        if (++starGroups > kMaxStarGroups) throw EMaskException(maskText, int(pos) + 1);
        FElements.emplace_back(TKind::Star);
      }
      ++pos;
    } else if (c == '?') {
      FElements.emplace_back(TKind::AnyChar);
      ++pos;
    } else if (c == '[') {
      pos = ReadSet(Mask, pos + 1);
    } else {
      TElement literal(TKind::Literal);
      pos += ReadChar(Mask, pos, literal.Char);
      FElements.push_back(std::move(literal));
    }
  }
}

std::size_t TMask::ReadChar(std::string_view Text, std::size_t Pos, TChar& Char) const {
  const unsigned char c = static_cast<unsigned char>(Text[Pos]);
  if (FCharset.IsLeadByte && FCharset.IsLeadByte(c) && Pos + 1 < Text.size()) {
    Char = static_cast<TChar>(c << 8 | static_cast<unsigned char>(Text[Pos + 1]));
    return 2;
  }
  Char = FCharset.Upper(c);
  return 1;
}

// Reads a set from just after its "[" and returns the position after its "]".
// A "-" right before the closing "]" stands for itself, unless the set has
// nothing before it.
std::size_t TMask::ReadSet(std::string_view Mask, std::size_t Pos) {
  const auto invalid = [&](std::size_t At) {
    return EMaskException(std::string(Mask), int(At) + 1);
  };
  TElement set(TKind::Set);
  if (Pos < Mask.size() && Mask[Pos] == '!') {
    set.Negated = true;
    ++Pos;
  }
  for (;;) {
    if (Pos >= Mask.size()) throw invalid(Pos);
    if (Mask[Pos] == ']') {
      if (set.Ranges.empty()) throw invalid(Pos);
      FElements.push_back(std::move(set));
      return Pos + 1;
    }
    if (Mask[Pos] == '-') {
      const bool closesSet = Pos + 1 >= Mask.size() || Mask[Pos + 1] == ']';
      if (set.Ranges.empty() || !closesSet) throw invalid(Pos);
    }
    TChar low = 0;
    Pos += ReadChar(Mask, Pos, low);
    TChar high = low;
    if (Pos + 1 < Mask.size() && Mask[Pos] == '-' && Mask[Pos + 1] != ']')
      Pos += 1 + ReadChar(Mask, Pos + 1, high);
    set.Ranges.push_back({low, high});
  }
}

std::vector<TMask::TChar> TMask::Decode(std::string_view Text) const {
  std::vector<TChar> chars;
  chars.reserve(Text.size());
  for (std::size_t pos = 0; pos < Text.size();) {
    TChar c = 0;
    pos += ReadChar(Text, pos, c);
    chars.push_back(c);
  }
  return chars;
}

bool TMask::MatchesOne(const TElement& Element, TChar Char) {
  switch (Element.Kind) {
    case TKind::Literal:
      return Element.Char == Char;
    case TKind::AnyChar:
      return true;
    case TKind::Set: {
      bool inSet = false;
      for (const TRange& range : Element.Ranges)
        if (Char >= range.Low && Char <= range.High) inSet = true;
      return inSet != Element.Negated;
    }
    case TKind::Star:
      break;
  }
  return false;
}

// Every element but "*" takes exactly one character, so on a mismatch it is
// enough to let the most recent star take one more character and retry from
// there: earlier stars can gain nothing the latest one could not.
bool TMask::Matches(std::string_view Name) const {
  const std::vector<TChar> name = Decode(Name);
  const std::size_t none = static_cast<std::size_t>(-1);
  std::size_t e = 0, i = 0, starElement = none, starChar = 0;
  while (i < name.size()) {
    if (e < FElements.size() && FElements[e].Kind == TKind::Star) {
      starElement = e++;
      starChar = i;
    } else if (e < FElements.size() && MatchesOne(FElements[e], name[i])) {
      ++e;
      ++i;
    } else if (starElement != none) {
      e = starElement + 1;
      i = ++starChar;
    } else {
      return false;
    }
  }
  while (e < FElements.size() && FElements[e].Kind == TKind::Star) ++e;
  return e == FElements.size();
}
