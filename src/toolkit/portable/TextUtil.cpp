#include "toolkit/portable/TextUtil.h"

namespace {
char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}
}  // namespace

bool SameText(std::string_view A, std::string_view B) {
  if (A.size() != B.size()) return false;
  for (size_t i = 0; i < A.size(); ++i)
    if (LowerAscii(A[i]) != LowerAscii(B[i])) return false;
  return true;
}

std::string LowerCase(std::string_view Text) {
  std::string out(Text);
  for (char& c : out) c = LowerAscii(c);
  return out;
}

std::string NarrowText(std::wstring_view Text) {
  std::string out;
  out.reserve(Text.size());
  for (wchar_t c : Text)
    out += (static_cast<unsigned long>(c) <= 0xFF) ? static_cast<char>(c) : '?';
  return out;
}

std::wstring WidenText(std::string_view Text) {
  std::wstring out;
  out.reserve(Text.size());
  for (char c : Text) out += static_cast<wchar_t>(static_cast<unsigned char>(c));
  return out;
}
