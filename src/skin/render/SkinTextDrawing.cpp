#include "skin/render/SkinTextDrawing.h"

#include <vector>

namespace {

bool IsWindowsNT() {
  return (GetVersion() & 0x80000000u) == 0;
}

}  // namespace

int DrawSkinText(HDC DC, const std::wstring& Text, RECT& Rect, UINT Format) {
  const int length = static_cast<int>(Text.size());
  if (IsWindowsNT()) return DrawTextW(DC, Text.c_str(), length, &Rect, Format);
  const int bytes =
      WideCharToMultiByte(CP_ACP, 0, Text.c_str(), length, nullptr, 0, nullptr, nullptr);
  std::vector<char> ansi(bytes + 1);
  WideCharToMultiByte(CP_ACP, 0, Text.c_str(), length, ansi.data(), bytes, nullptr, nullptr);
  return DrawTextA(DC, ansi.data(), bytes, &Rect, Format);
}
