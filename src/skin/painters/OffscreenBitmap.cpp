#include "skin/painters/OffscreenBitmap.h"

TOffscreenBitmap::~TOffscreenBitmap() {
  Release();
}

void TOffscreenBitmap::Release() {
  if (FDC && FOldBitmap) SelectObject(FDC.Get(), FOldBitmap);
  FOldBitmap = nullptr;
  FBitmap.Reset();
  FWidth = FHeight = 0;
}

bool TOffscreenBitmap::SetSize(int Width, int Height) {
  if (Width <= 0 || Height <= 0) {
    Release();
    return false;
  }
  if (FBitmap && Width == FWidth && Height == FHeight) return true;
  Release();
  if (!FDC) FDC.Reset(CreateCompatibleDC(nullptr));
  if (!FDC) return false;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = Width;
  info.bmiHeader.biHeight = -Height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  FBitmap.Reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!FBitmap) return false;
  FOldBitmap = SelectObject(FDC.Get(), FBitmap.Get());
  FWidth = Width;
  FHeight = Height;
  return true;
}

void TOffscreenBitmap::CopyTo(HDC Target, int X, int Y) const {
  if (!DC() || !Target) return;
  BitBlt(Target, X, Y, FWidth, FHeight, FDC.Get(), 0, 0, SRCCOPY);
}
