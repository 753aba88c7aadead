#pragma once
// A device-independent bitmap (DIB section), 24 or 32 bits per pixel, top
// down: pixels are directly addressable through ScanLine and the bitmap is
// also a GDI drawing target through Canvas.

#include <windows.h>

#include <cstdint>
#include <memory>

#include "toolkit/Canvas.h"
#include "toolkit/GdiHandle.h"
#include "toolkit/GraphicsTypes.h"
#include "toolkit/portable/ClassInfo.h"
#include "toolkit/portable/PixelBuffer.h"

class TBitmap : public TObject {
  FW_CLASS(TBitmap)
 public:
  TBitmap();
  ~TBitmap() override;
  TBitmap(const TBitmap&) = delete;
  TBitmap& operator=(const TBitmap&) = delete;

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Empty() const { return FWidth <= 0 || FHeight <= 0; }
  TPixelFormat PixelFormat() const { return FPixelFormat; }
  // Changing the size or format drops the pixels (new ones are black).
  void SetPixelFormat(TPixelFormat Value);
  void SetSize(int Width, int Height);
  void SetWidth(int Value) { SetSize(Value, FHeight); }
  void SetHeight(int Value) { SetSize(FWidth, Value); }

  HBITMAP Handle() const { return FHandle.Get(); }
  // Bytes per row (rows are padded to four bytes).
  int Stride() const;
  // Row Y, top row 0; null when Y is outside the bitmap.
  std::uint8_t* ScanLine(int Y);
  TCanvas& Canvas();

  // Copies size, format and pixels.
  void Assign(const TBitmap& Source);
  // Becomes a 32-bit copy of a portable pixel buffer.
  void Assign(const TPixelBuffer& Source);
  // The pixels as a portable buffer (the fourth byte of 32-bit pixels is
  // dropped).
  TPixelBuffer ToPixelBuffer();

 private:
  class TBitmapCanvas;
  void Recreate();
  void ReleaseCanvasDC();

  int FWidth = 0;
  int FHeight = 0;
  TPixelFormat FPixelFormat = pf24bit;
  TBitmapHandle FHandle;
  std::uint8_t* FBits = nullptr;
  std::unique_ptr<TBitmapCanvas> FCanvas;
};
