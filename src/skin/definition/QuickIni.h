#pragma once
// The reader of skin definition texts: an ini-style text of [Section] headers
// and "Key = Value" lines. There is no escaping, quoting, continuation or
// inline comment; a line starting with ";" is a comment.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

class TQuickIni {
 public:
  // Parses Bytes (a stream from its current position to its end); a NUL byte
  // ends the text. Replaces any earlier content.
  void LoadFromStream(std::span<const std::uint8_t> Bytes);
  void LoadFromText(std::string_view Text);

  // The value of Key in Section, or Default when the section, the key or its
  // value is missing. Sections and keys are compared ignoring ASCII case.
  std::string ReadString(std::string_view Section, std::string_view Key,
                         const std::string& Default) const;
  // As ReadString, converted as a decimal integer with optional sign, or as
  // hexadecimal after "$" or "0x"; anything else gives Default.
  std::int32_t ReadInteger(std::string_view Section, std::string_view Key,
                           std::int32_t Default) const;
  // The conversion ReadInteger applies to a value's text: false when Text is
  // not a number it takes.
  static bool ToInteger(std::string Text, std::int32_t& Value);
  // Section names in text order, brackets removed and trimmed.
  void SectionNames(std::vector<std::string>& List) const;

  const std::vector<std::string>& Lines() const { return FLines; }

 private:
  struct TSectionHeader {
    std::string Header;  // trimmed line, brackets and inner blanks kept
    std::size_t LineIndex;
  };
  std::vector<std::string> FLines;
  std::vector<TSectionHeader> FSections;
};

// Text helpers shared by the skin definition code.
namespace SkinText {
// Removes characters with codes up to and including space from both ends.
std::string_view Trim(std::string_view Text);
std::string LowerCase(std::string_view Text);
std::string UpperCase(std::string_view Text);
bool SameText(std::string_view A, std::string_view B);
bool IsSectionHeader(std::string_view Line);
// Decimal with optional sign, or hexadecimal after "$"; false when Text is
// anything else or out of the 32-bit range (hexadecimal wraps to it).
bool ParseInteger(std::string_view Text, std::int32_t& Value);
}  // namespace SkinText
