#include "toolkit/Bitmap.h"

#include <cstring>

#include "toolkit/portable/ClassBuilder.h"

// Published as an object (a button's Glyph); it has no properties of its own.
const TClassInfo& TBitmap::StaticClass() {
  static const TClassInfo info = TClassBuilder<TBitmap>("TBitmap", nullptr).Info();
  return info;
}

// The bitmap's canvas: a memory DC, made on first use, with the DIB
// section selected.
class TBitmap::TBitmapCanvas : public TCanvas {
 public:
  explicit TBitmapCanvas(TBitmap& Owner) : Owner(Owner) {}
  ~TBitmapCanvas() override { Release(); }

  void Release() {
    if (!DC) return;
    SetHandle(nullptr);
    if (OldBitmap) SelectObject(DC.Get(), OldBitmap);
    OldBitmap = nullptr;
    DC.Reset();
  }

 protected:
  void CreateHandle() override {
    DC.Reset(CreateCompatibleDC(nullptr));
    if (Owner.FHandle) OldBitmap = SelectObject(DC.Get(), Owner.FHandle.Get());
    SetHandle(DC.Get());
  }

 private:
  TBitmap& Owner;
  TDCHandle DC;
  HGDIOBJ OldBitmap = nullptr;
};

TBitmap::TBitmap() = default;

TBitmap::~TBitmap() {
  ReleaseCanvasDC();
}

void TBitmap::ReleaseCanvasDC() {
  if (FCanvas) FCanvas->Release();
}

int TBitmap::Stride() const {
  int bits = FPixelFormat == pf32bit ? 32 : 24;
  return ((FWidth * bits + 31) / 32) * 4;
}

void TBitmap::SetPixelFormat(TPixelFormat Value) {
  if (Value == FPixelFormat) return;
  FPixelFormat = Value;
  Recreate();
}

void TBitmap::SetSize(int Width, int Height) {
  if (Width < 0) Width = 0;
  if (Height < 0) Height = 0;
  if (Width == FWidth && Height == FHeight) return;
  FWidth = Width;
  FHeight = Height;
  Recreate();
}

void TBitmap::Recreate() {
  ReleaseCanvasDC();
  FHandle.Reset();
  FBits = nullptr;
  if (Empty()) return;
  BITMAPINFO bi{};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = FWidth;
  bi.bmiHeader.biHeight = -FHeight;  // top-down
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = FPixelFormat == pf32bit ? 32 : 24;
  bi.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  FHandle.Reset(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!FHandle) {
    FWidth = FHeight = 0;
    return;
  }
  FBits = static_cast<std::uint8_t*>(bits);
}

std::uint8_t* TBitmap::ScanLine(int Y) {
  if (!FBits || Y < 0 || Y >= FHeight) return nullptr;
  GdiFlush();  // pending GDI drawing must land before the pixels are read
  return FBits + static_cast<size_t>(Y) * Stride();
}

TCanvas& TBitmap::Canvas() {
  if (!FCanvas) FCanvas = std::make_unique<TBitmapCanvas>(*this);
  return *FCanvas;
}

void TBitmap::Assign(const TBitmap& Source) {
  if (&Source == this) return;
  FPixelFormat = Source.FPixelFormat;
  FWidth = Source.FWidth;
  FHeight = Source.FHeight;
  Recreate();
  if (FBits && Source.FBits) {
    GdiFlush();
    std::memcpy(FBits, Source.FBits, static_cast<size_t>(Stride()) * FHeight);
  }
}

void TBitmap::Assign(const TPixelBuffer& Source) {
  FPixelFormat = pf32bit;
  FWidth = Source.Width();
  FHeight = Source.Height();
  Recreate();
  if (!FBits) return;
  GdiFlush();
  for (int y = 0; y < FHeight; ++y)
    std::memcpy(FBits + static_cast<size_t>(y) * Stride(), Source.Row(y),
                static_cast<size_t>(FWidth) * sizeof(TPixel));
}

TPixelBuffer TBitmap::ToPixelBuffer() {
  TPixelBuffer out(FWidth, FHeight);
  for (int y = 0; y < FHeight; ++y) {
    const std::uint8_t* row = ScanLine(y);
    TPixel* dest = out.Row(y);
    const int bytes = FPixelFormat == pf32bit ? 4 : 3;
    for (int x = 0; x < FWidth; ++x) {
      const std::uint8_t* p = row + x * bytes;
      dest[x] = PixelFromRgb(p[2], p[1], p[0]);
    }
  }
  return out;
}
