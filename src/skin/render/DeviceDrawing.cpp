#include "skin/render/DeviceDrawing.h"

#include <algorithm>
#include <cstring>

#include "skin/imaging/Gradient.h"
#include "skin/imaging/ImagePrimitives.h"
#include "skin/imaging/SkinSystem.h"
#include "toolkit/GdiHandle.h"

namespace {

BITMAPINFO TopDownInfo(int Width, int Height) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
  info.bmiHeader.biWidth = Width;
  info.bmiHeader.biHeight = -Height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

// The buffer as a DIB section selected into a memory DC compatible with DC.
class TBufferDC {
 public:
  TBufferDC(HDC DC, const TPixelBuffer& Buffer) : FDC(CreateCompatibleDC(DC)) {
    const BITMAPINFO info = TopDownInfo(Buffer.Width(), Buffer.Height());
    void* bits = nullptr;
    FBitmap.Reset(CreateDIBSection(DC, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!FDC || !FBitmap || !bits) return;
    std::memcpy(bits, Buffer.Data(),
                static_cast<std::size_t>(Buffer.Width()) * Buffer.Height() * 4);
    FOld = SelectObject(FDC.Get(), FBitmap.Get());
  }
  ~TBufferDC() {
    if (FOld) SelectObject(FDC.Get(), FOld);
  }
  TBufferDC(const TBufferDC&) = delete;
  TBufferDC& operator=(const TBufferDC&) = delete;
  HDC Handle() const { return FOld ? FDC.Get() : nullptr; }

 private:
  TDCHandle FDC;
  TBitmapHandle FBitmap;
  HGDIOBJ FOld = nullptr;
};

bool Inverted(const TRect& Area) {
  return Area.Right < Area.Left || Area.Bottom < Area.Top;
}

void PutWork(HDC DC, const TRect& Area, const TPixelBuffer& Work, bool Transparent) {
  if (Transparent)
    DrawTransparent(DC, Area, Work, clFuchsia);
  else
    DrawPixelBuffer(DC, Area.Left, Area.Top, Work);
}

}  // namespace

void DrawPixelBuffer(HDC DC, int X, int Y, const TPixelBuffer& Buffer) {
  if (Buffer.Empty()) return;
  const BITMAPINFO info = TopDownInfo(Buffer.Width(), Buffer.Height());
  SetDIBitsToDevice(DC, X, Y, Buffer.Width(), Buffer.Height(), 0, 0, 0, Buffer.Height(),
                    Buffer.Data(), &info, DIB_RGB_COLORS);
}

void DrawTransparent(HDC DC, const TRect& Area, const TPixelBuffer& Bitmap, TColor Key) {
  const int w = std::min(Area.Width(), Bitmap.Width());
  const int h = std::min(Area.Height(), Bitmap.Height());
  if (w <= 0 || h <= 0) return;
  TBufferDC source(DC, Bitmap);
  if (!source.Handle()) return;
  const TColor key = ResolveColor(Key);
  GdiTransparentBlt(DC, Area.Left, Area.Top, w, h, source.Handle(), 0, 0, w, h,
                    static_cast<UINT>(key));
}

void DrawSliced(HDC DC, const TRect& Area, const TPixelBuffer& Image, bool Vertical, bool Tile,
                bool Transparent, int FrameCount, int Frame, const TRect& Margins) {
  if (Inverted(Area)) return;
  PutWork(DC, Area,
          BuildSlicedBitmap(Area.Width(), Area.Height(), Image, Margins, Vertical, Tile, FrameCount,
                            Frame),
          Transparent);
}

void DrawHorzThreeSlice(HDC DC, const TRect& Area, const TPixelBuffer& Image, bool Vertical,
                        bool Transparent, int FrameCount, int Frame, const TRect& Margins) {
  if (Inverted(Area)) return;
  PutWork(
      DC, Area,
      BuildHorzThreeSlice(Area.Width(), Area.Height(), Image, Vertical, FrameCount, Frame, Margins),
      Transparent);
}

void DrawHorzStretchThree(HDC DC, const TRect& Area, const TPixelBuffer& Image, bool Vertical,
                          int FrameCount, int Frame, const TRect& Margins) {
  if (Area.IsEmpty()) return;
  TPixelBuffer work(Area.Width(), Area.Height());
  DrawHorzStretchThree(work, work.Bounds(), Image, Vertical, FrameCount, Frame, Margins);
  DrawPixelBuffer(DC, Area.Left, Area.Top, work);
}

void DrawFrameStretched(HDC DC, const TRect& Area, const TPixelBuffer& Image, bool Transparent,
                        int FrameCount, int Frame) {
  if (Inverted(Area)) return;
  TPixelBuffer work(Area.Width(), Area.Height());
  StretchCopy(work, work.Bounds(), Image, CutFrame(Image, false, FrameCount, Frame));
  PutWork(DC, Area, work, Transparent);
}

void DrawFrameCentered(HDC DC, const TRect& Area, const TPixelBuffer& Image, bool Transparent,
                       int FrameCount, int Frame) {
  if (Inverted(Area)) return;
  const TCenteredFrame part = CenteredFramePart(Area, Image, FrameCount, Frame);
  if (part.Source.IsEmpty()) return;
  PutWork(DC, part.Dest, Image.Copy(part.Source), Transparent);
}

void TileBitmap(HDC DC, const TRect& Area, const TPixelBuffer& Image, const TRect& Source) {
  const int w = Source.Width(), h = Source.Height();
  if (w <= 0 || h <= 0 || Area.IsEmpty()) return;
  const int across = (Area.Width() + w - 1) / w, down = (Area.Height() + h - 1) / h;
  TPixelBuffer tiles(across * w, down * h);
  TileBitmap(tiles, tiles.Bounds(), Image, Source);
  DrawPixelBuffer(DC, Area.Left, Area.Top, tiles);
}

void DrawGradient(HDC DC, const TRect& Area, TColor Start, bool Vertical, TColor End) {
  const RECT area = {Area.Left, Area.Top, Area.Right, Area.Bottom};
  if (!RectVisible(DC, &area)) return;
  if ((Vertical ? Area.Height() : Area.Width()) <= 0) return;
  RECT clip;
  if (GetClipBox(DC, &clip) == ERROR) return;
  const TRect visible = {std::max(Area.Left, static_cast<int>(clip.left)),
                         std::max(Area.Top, static_cast<int>(clip.top)),
                         std::min(Area.Right, static_cast<int>(clip.right)),
                         std::min(Area.Bottom, static_cast<int>(clip.bottom))};
  if (visible.IsEmpty()) return;
  TPixelBuffer bands(visible.Width(), visible.Height());
  const TRect shifted = {Area.Left - visible.Left, Area.Top - visible.Top,
                         Area.Right - visible.Left, Area.Bottom - visible.Top};
  DrawGradient(bands, shifted, Start, Vertical, End);
  DrawPixelBuffer(DC, visible.Left, visible.Top, bands);
}
