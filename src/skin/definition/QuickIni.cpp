#include "skin/definition/QuickIni.h"

#include <algorithm>

namespace SkinText {

std::string_view Trim(std::string_view Text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
  while (!Text.empty() && blank(Text.front())) Text.remove_prefix(1);
  while (!Text.empty() && blank(Text.back())) Text.remove_suffix(1);
  return Text;
}

static char Lower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}
static char Upper(char c) {
  return c >= 'a' && c <= 'z' ? static_cast<char>(c - 32) : c;
}

std::string LowerCase(std::string_view Text) {
  std::string result(Text);
  std::transform(result.begin(), result.end(), result.begin(), Lower);
  return result;
}

std::string UpperCase(std::string_view Text) {
  std::string result(Text);
  std::transform(result.begin(), result.end(), result.begin(), Upper);
  return result;
}

bool SameText(std::string_view A, std::string_view B) {
  return A.size() == B.size() && std::equal(A.begin(), A.end(), B.begin(),
                                            [](char a, char b) { return Lower(a) == Lower(b); });
}

bool IsSectionHeader(std::string_view Line) {
  return !Line.empty() && Line.front() == '[' && Line.back() == ']';
}

bool ParseInteger(std::string_view Text, std::int32_t& Value) {
  bool negative = false;
  if (!Text.empty() && (Text.front() == '+' || Text.front() == '-')) {
    negative = Text.front() == '-';
    Text.remove_prefix(1);
  }
  bool hex = !Text.empty() && Text.front() == '$';
  if (hex) Text.remove_prefix(1);
  if (Text.empty()) return false;
  std::uint64_t magnitude = 0;
  const std::uint64_t limit = hex ? 0xFFFFFFFFull : 0x80000000ull;
  for (char c : Text) {
    int digit;
    if (c >= '0' && c <= '9')
      digit = c - '0';
    else if (hex && Lower(c) >= 'a' && Lower(c) <= 'f')
      digit = Lower(c) - 'a' + 10;
    else
      return false;
    magnitude = magnitude * (hex ? 16 : 10) + digit;
    if (magnitude > limit) return false;
  }
  if (!hex && !negative && magnitude == limit) return false;
  std::uint32_t bits = static_cast<std::uint32_t>(magnitude);
  if (negative) bits = 0u - bits;
  Value = static_cast<std::int32_t>(bits);
  return true;
}

}  // namespace SkinText

using namespace SkinText;

void TQuickIni::LoadFromStream(std::span<const std::uint8_t> Bytes) {
  LoadFromText(std::string_view(reinterpret_cast<const char*>(Bytes.data()), Bytes.size()));
}

void TQuickIni::LoadFromText(std::string_view Text) {
  FLines.clear();
  FSections.clear();
  Text = Text.substr(0, Text.find('\0'));
  std::size_t pos = 0;
  while (pos < Text.size()) {
    std::size_t end = Text.find_first_of("\r\n", pos);
    if (end == std::string_view::npos) end = Text.size();
    std::string_view line = Trim(Text.substr(pos, end - pos));
    pos = end + 1;
    if (end + 1 < Text.size() && Text[end] == '\r' && Text[end + 1] == '\n') ++pos;
    if (line.empty() || line.front() == ';') continue;
    if (IsSectionHeader(line)) FSections.push_back({std::string(line), FLines.size()});
    FLines.emplace_back(line);
  }
}

std::string TQuickIni::ReadString(std::string_view Section, std::string_view Key,
                                  const std::string& Default) const {
  if (FLines.empty()) return Default;
  const std::string header = "[" + std::string(Section) + "]";
  auto section = std::find_if(FSections.begin(), FSections.end(),
                              [&](const TSectionHeader& s) { return SameText(s.Header, header); });
  if (section == FSections.end()) return Default;
  const std::string key = LowerCase(Key);
  for (std::size_t i = section->LineIndex + 1; i < FLines.size(); ++i) {
    std::string_view line = FLines[i];
    if (IsSectionHeader(line)) break;
    std::size_t equals = line.find('=');
    std::string_view name =
        equals == std::string_view::npos ? std::string_view() : line.substr(0, equals);
    if (LowerCase(Trim(name)) != key) continue;
    if (!key.empty()) {
      std::string_view value = Trim(line.substr(equals + 1));
      if (!value.empty()) return std::string(value);
    }
    break;
  }
  return Default;
}

bool TQuickIni::ToInteger(std::string Text, std::int32_t& Value) {
  if (Text.size() > 2 && Text[0] == '0' && (Text[1] == 'x' || Text[1] == 'X'))
    Text.replace(0, 2, "$");
  return ParseInteger(Text, Value);
}

std::int32_t TQuickIni::ReadInteger(std::string_view Section, std::string_view Key,
                                    std::int32_t Default) const {
  std::int32_t value;
  return ToInteger(ReadString(Section, Key, ""), value) ? value : Default;
}

void TQuickIni::SectionNames(std::vector<std::string>& List) const {
  List.clear();
  for (const TSectionHeader& s : FSections)
    List.emplace_back(Trim(std::string_view(s.Header).substr(1, s.Header.size() - 2)));
}
