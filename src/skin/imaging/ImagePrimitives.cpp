#include "skin/imaging/ImagePrimitives.h"

#include <algorithm>
#include <vector>

#include "skin/imaging/SkinSystem.h"

namespace {

// Margins come from skin texts: negative ones count as 0, and none is wider
// than Limit (which changes nothing drawn, as caps are copied 1:1).
int Margin(int Value, int Limit) { return std::clamp(Value, 0, std::max(Limit, 0)); }

// Frame origins far outside any image are kept in range of int.
int FrameOrigin(int Size, int Frame) {
  const std::int64_t origin = static_cast<std::int64_t>(Size) * (static_cast<std::int64_t>(Frame) - 1);
  return static_cast<int>(std::clamp<std::int64_t>(origin, -(1 << 30), 1 << 30));
}

}  // namespace

TRect CutFrame(const TPixelBuffer& Image, bool Vertical, int FrameCount, int Frame) {
  // A frame count below 1 counts as 1: the whole image is the only frame.
  const int n = std::max(FrameCount, 1);
  if (Vertical) {
    const int h = Image.Height() / n;
    const int y = FrameOrigin(h, Frame);
    return {0, y, Image.Width(), y + h};
  }
  const int w = Image.Width() / n;
  const int x = FrameOrigin(w, Frame);
  return {x, 0, x + w, Image.Height()};
}

void StretchCopy(TPixelBuffer& Target, const TRect& TargetArea, const TPixelBuffer& Source,
                 const TRect& SourceArea) {
  const std::int64_t dw = TargetArea.Width(), dh = TargetArea.Height();
  const std::int64_t sw = SourceArea.Width(), sh = SourceArea.Height();
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
  const int x0 = std::max(TargetArea.Left, 0), x1 = std::min(TargetArea.Right, Target.Width());
  const int y0 = std::max(TargetArea.Top, 0), y1 = std::min(TargetArea.Bottom, Target.Height());
  if (x0 >= x1 || y0 >= y1) return;
  // Each target pixel takes the source pixel under its centre.
  std::vector<int> columns(x1 - x0);
  for (int x = x0; x < x1; ++x)
    columns[x - x0] =
        static_cast<int>(SourceArea.Left + ((2 * (x - TargetArea.Left) + 1) * sw) / (2 * dw));
  for (int y = y0; y < y1; ++y) {
    const std::int64_t sy = SourceArea.Top + ((2 * (y - TargetArea.Top) + 1) * sh) / (2 * dh);
    if (sy < 0 || sy >= Source.Height()) continue;
    const TPixel* src = Source.Row(static_cast<int>(sy));
    TPixel* dst = Target.Row(y);
    for (int x = x0; x < x1; ++x) {
      const int sx = columns[x - x0];
      if (sx >= 0 && sx < Source.Width()) dst[x] = src[sx];
    }
  }
}

void DrawTransparent(TPixelBuffer& Target, const TRect& Area, const TPixelBuffer& Bitmap,
                     TColor Key) {
  const TPixel key = PixelFromColor(ResolveColor(Key));
  const int w = std::min(Area.Width(), Bitmap.Width());
  const int h = std::min(Area.Height(), Bitmap.Height());
  for (int y = 0; y < h; ++y) {
    const int ty = Area.Top + y;
    if (ty < 0 || ty >= Target.Height()) continue;
    const TPixel* src = Bitmap.Row(y);
    TPixel* dst = Target.Row(ty);
    for (int x = std::max(0, -Area.Left); x < w; ++x) {
      const int tx = Area.Left + x;
      if (tx >= Target.Width()) break;
      if (src[x] != key) dst[tx] = src[x];
    }
  }
}

void TileBitmap(TPixelBuffer& Target, const TRect& Area, const TPixelBuffer& Image,
                const TRect& Source) {
  const int w = Source.Width(), h = Source.Height();
  if (w <= 0 || h <= 0) return;
  const TPixelBuffer tile = Image.Copy(Source);
  // Tiles wholly outside the target change nothing; start at the first one
  // that can reach it.
  int startX = Area.Left, startY = Area.Top;
  if (startX < -w) startX += ((-w - startX) / w) * w;
  if (startY < -h) startY += ((-h - startY) / h) * h;
  for (int x = startX; x < Area.Right && x < Target.Width(); x += w)
    for (int y = startY; y < Area.Bottom && y < Target.Height(); y += h)
      Target.CopyFrom(tile, tile.Bounds(), x, y);
}

TPixelBuffer BuildSlicedBitmap(int Width, int Height, const TPixelBuffer& Image,
                               const TRect& Margins, bool Vertical, bool Tile, int FrameCount,
                               int Frame) {
  const int W = Width, H = Height;
  int L = std::max(Margins.Left, 0), T = std::max(Margins.Top, 0);
  int R = std::max(Margins.Right, 0), B = std::max(Margins.Bottom, 0);
  if (W < std::int64_t{L} + R) L = R = 0;
  if (H < std::int64_t{T} + B) T = B = 0;
  TPixelBuffer result(W, H);
  if (result.Empty()) return result;
  const TRect f = CutFrame(Image, Vertical, FrameCount, Frame);
  const int ox = f.Left, oy = f.Top, fw = f.Width(), fh = f.Height();
  auto piece = [&](const TRect& to, const TRect& from) { StretchCopy(result, to, Image, from); };
  if (L > 0 && T > 0) piece({0, 0, L, T}, {ox, oy, ox + L, oy + T});
  if (L > 0 && B > 0) piece({0, H - B, L, H}, {ox, oy + fh - B, ox + L, oy + fh});
  if (R > 0 && T > 0) piece({W - R, 0, W, T}, {ox + fw - R, oy, ox + fw, oy + T});
  if (L > 0) piece({0, T, L, H - B}, {ox, oy + T, ox + L, oy + fh - B});
  if (T > 0) piece({L, 0, W - R, T}, {ox + L, oy, ox + fw - R, oy + T});
  const TRect centreFrom = {ox + L, oy + T, ox + fw - R, oy + fh - B};
  if (Tile)
    TileBitmap(result, {L, T, W - R, H - B}, Image, centreFrom);
  else
    piece({L, T, W - R, H - B}, centreFrom);
  if (R > 0 && B > 0) piece({W - R, H - B, W, H}, {ox + fw - R, oy + fh - B, ox + fw, oy + fh});
  if (R > 0) piece({W - R, T, W, H - B}, {ox + fw - R, oy + T, ox + fw, oy + fh - B});
  if (B > 0) piece({L, H - B, W - R, H}, {ox + L, oy + fh - B, ox + fw - R, oy + fh});
  return result;
}

TPixelBuffer BuildHorzThreeSlice(int Width, int Height, const TPixelBuffer& Image, bool Vertical,
                                 int FrameCount, int Frame, const TRect& Margins) {
  TPixelBuffer work(Width, Height);
  if (work.Empty()) return work;
  const TRect f = CutFrame(Image, Vertical, FrameCount, Frame);
  const int W = Width, H = Height, L = Margin(Margins.Left, W), R = Margin(Margins.Right, W);
  StretchCopy(work, {0, 0, L, H}, Image, {f.Left, f.Top, f.Left + L, f.Bottom});
  const int middle = f.Width() - L - R;
  if (middle > 0) {
    const TRect from = {f.Left + L, f.Top, f.Left + L + middle, f.Bottom};
    for (int x = L; x < W - R; x += middle) StretchCopy(work, {x, 0, x + middle, H}, Image, from);
  }
  StretchCopy(work, {W - R, 0, W, H}, Image, {f.Right - R, f.Top, f.Right, f.Bottom});
  return work;
}

void PutWork(TPixelBuffer& Target, const TRect& Area, const TPixelBuffer& Work, bool Transparent) {
  if (Transparent)
    DrawTransparent(Target, Area, Work, clFuchsia);
  else
    Target.CopyFrom(Work, {0, 0, Area.Width(), Area.Height()}, Area.Left, Area.Top);
}

void DrawSliced(TPixelBuffer& Target, const TRect& Area, const TPixelBuffer& Image, bool Vertical,
                bool Tile, bool Transparent, int FrameCount, int Frame, const TRect& Margins) {
  if (Area.Right < Area.Left || Area.Bottom < Area.Top) return;
  PutWork(Target, Area,
          BuildSlicedBitmap(Area.Width(), Area.Height(), Image, Margins, Vertical, Tile, FrameCount,
                            Frame),
          Transparent);
}

void DrawHorzThreeSlice(TPixelBuffer& Target, const TRect& Area, const TPixelBuffer& Image,
                        bool Vertical, bool Transparent, int FrameCount, int Frame,
                        const TRect& Margins) {
  if (Area.Right < Area.Left || Area.Bottom < Area.Top) return;
  PutWork(
      Target, Area,
      BuildHorzThreeSlice(Area.Width(), Area.Height(), Image, Vertical, FrameCount, Frame, Margins),
      Transparent);
}

void DrawHorzStretchThree(TPixelBuffer& Target, const TRect& Area, const TPixelBuffer& Image,
                          bool Vertical, int FrameCount, int Frame, const TRect& Margins) {
  const TRect f = CutFrame(Image, Vertical, FrameCount, Frame);
  const int sx = f.Left, sy = f.Top, fw = f.Width(), fh = f.Height();
  const int tw = Area.Width(), th = Area.Height();
  const int ML = Margin(Margins.Left, tw), MR = Margin(Margins.Right, tw);
  if (fw > tw) {
    StretchCopy(Target, Area, Image, f);
    return;
  }
  StretchCopy(Target, {Area.Left, Area.Top, Area.Left + ML, Area.Top + th}, Image,
              {sx, sy, sx + ML, sy + fh});
  StretchCopy(Target, {Area.Left + ML, Area.Top, Area.Left + tw - MR, Area.Top + th}, Image,
              {sx + ML, sy, sx + fw - MR, sy + fh});
  StretchCopy(Target, {Area.Right - MR, Area.Top, Area.Right, Area.Top + th}, Image,
              {sx + fw - MR, sy, sx + fw, sy + fh});
}

void DrawFrameStretched(TPixelBuffer& Target, const TRect& Area, const TPixelBuffer& Image,
                        bool Transparent, int FrameCount, int Frame) {
  if (Area.Right < Area.Left || Area.Bottom < Area.Top) return;
  TPixelBuffer work(Area.Width(), Area.Height());
  StretchCopy(work, work.Bounds(), Image, CutFrame(Image, false, FrameCount, Frame));
  PutWork(Target, Area, work, Transparent);
}

TCenteredFrame CenteredFramePart(const TRect& Area, const TPixelBuffer& Image, int FrameCount,
                                 int Frame) {
  const TRect f = CutFrame(Image, false, FrameCount, Frame);
  const TRect inside = {std::max(f.Left, 0), std::max(f.Top, 0), std::min(f.Right, Image.Width()),
                        std::min(f.Bottom, Image.Height())};
  if (inside.IsEmpty()) return {};
  const int x = Area.Left + (Area.Width() - f.Width()) / 2 + inside.Left - f.Left;
  const int y = Area.Top + (Area.Height() - f.Height()) / 2 + inside.Top - f.Top;
  return {inside, {x, y, x + inside.Width(), y + inside.Height()}};
}

void DrawFrameCentered(TPixelBuffer& Target, const TRect& Area, const TPixelBuffer& Image,
                       bool Transparent, int FrameCount, int Frame) {
  if (Area.Right < Area.Left || Area.Bottom < Area.Top) return;
  // Only the part of the frame that lies inside the image is drawn.
  const TCenteredFrame part = CenteredFramePart(Area, Image, FrameCount, Frame);
  if (part.Source.IsEmpty()) return;
  PutWork(Target, part.Dest, Image.Copy(part.Source), Transparent);
}
