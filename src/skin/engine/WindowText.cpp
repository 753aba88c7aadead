#include "skin/engine/WindowText.h"

#include <algorithm>
#include <vector>

namespace {

bool IsNtPlatform() {
  static const bool nt = (GetVersion() & 0x80000000u) == 0;
  return nt;
}

std::wstring WidenAnsi(const char* Text, int Length) {
  if (Length <= 0) return {};
  const int wide = MultiByteToWideChar(CP_ACP, 0, Text, Length, nullptr, 0);
  std::wstring result(static_cast<size_t>(wide), L'\0');
  MultiByteToWideChar(CP_ACP, 0, Text, Length, result.data(), wide);
  return result;
}

std::wstring ReadByMessage(HWND Handle) {
  std::vector<char> buffer(1001, '\0');
  const LRESULT length =
      SendMessageA(Handle, WM_GETTEXT, 1000, reinterpret_cast<LPARAM>(buffer.data()));
  return WidenAnsi(buffer.data(), static_cast<int>(std::clamp<LRESULT>(length, 0, 1000)));
}

std::wstring ReadWide(HWND Handle) {
  const int length = GetWindowTextLengthW(Handle);
  if (length <= 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(Handle, text.data(), length + 1)));
  return text;
}

}  // namespace

std::wstring ReadWindowText(HWND Handle) {
  if (!Handle) return {};
  return IsNtPlatform() ? ReadWide(Handle) : ReadByMessage(Handle);
}

std::wstring ReadCaptionText(HWND Handle) {
  if (!Handle) return {};
  return IsWindowUnicode(Handle) ? ReadWide(Handle) : ReadByMessage(Handle);
}

std::string WindowClassName(HWND Handle) {
  char name[256];
  const int length = Handle ? GetClassNameA(Handle, name, sizeof name) : 0;
  return std::string(name, static_cast<size_t>(std::max(length, 0)));
}

std::string LowerAscii(std::string Text) {
  for (char& c : Text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return Text;
}
