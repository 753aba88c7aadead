#pragma once
// The off-screen bitmap a painter composes a whole window in before copying
// it to the screen once. It keeps its memory DC with the bitmap selected for
// as long as it lives; fonts selected by the painter are its own business.

#include <windows.h>

#include "toolkit/GdiHandle.h"

class TOffscreenBitmap {
 public:
  TOffscreenBitmap() = default;
  ~TOffscreenBitmap();
  TOffscreenBitmap(const TOffscreenBitmap&) = delete;
  TOffscreenBitmap& operator=(const TOffscreenBitmap&) = delete;

  // Makes the bitmap Width x Height (its pixels are undefined after a size
  // change); false when it cannot be made (then DC is null).
  bool SetSize(int Width, int Height);
  HDC DC() const { return FBitmap ? FDC.Get() : nullptr; }
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  // Copies the whole bitmap to Target at (X, Y).
  void CopyTo(HDC Target, int X, int Y) const;

 private:
  void Release();

  TDCHandle FDC;
  TBitmapHandle FBitmap;
  HGDIOBJ FOldBitmap = nullptr;
  int FWidth = 0;
  int FHeight = 0;
};
