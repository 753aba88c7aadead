#include "skin/render/WinSkinSystem.h"

#include <windows.h>

#include "toolkit/portable/BmpDecoder.h"

TColor TWinSkinSystem::SysColor(int Index) const {
  return static_cast<TColor>(GetSysColor(Index) & 0xFFFFFF);
}

int TWinSkinSystem::SystemMetric(int Index) const {
  return GetSystemMetrics(Index);
}

TPixelBuffer TWinSkinSystem::BitmapResource(const std::string& Name) const {
  // A bitmap resource is a packed DIB: the file without its file header.
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceA(module, Name.c_str(), MAKEINTRESOURCEA(2) /* RT_BITMAP */);
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return {};
  return BmpDecoder::DecodeDib(static_cast<const std::uint8_t*>(bytes),
                               SizeofResource(module, found));
}

void TWinSkinSystem::Install() {
  static const TWinSkinSystem system;
  SetSkinSystem(&system);
}
