#include "Slicer.h"

namespace Slicer {

namespace {

// Copies src rectangle (sx, sy, sw, sh) stretched into (dx, dy, dw, dh).
void StretchPiece(TPixmap& dst, const TPixmap& src, int dx, int dy, int dw, int dh, int sx, int sy,
                  int sw, int sh) {
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
  for (int y = 0; y < dh; ++y)
    for (int x = 0; x < dw; ++x) {
      int px = dx + x, py = dy + y;
      if (px < 0 || py < 0 || px >= dst.Width() || py >= dst.Height()) continue;
      dst.Set(px, py, src.At(sx + x * sw / dw, sy + y * sh / dh));
    }
}

void TilePiece(TPixmap& dst, const TPixmap& src, int dx, int dy, int dw, int dh, int sx, int sy,
               int sw, int sh) {
  if (sw <= 0 || sh <= 0) return;
  for (int y = 0; y < dh; ++y)
    for (int x = 0; x < dw; ++x) dst.Set(dx + x, dy + y, src.At(sx + x % sw, sy + y % sh));
}

}  // namespace

TPixmap CutFrame(const TPixmap& strip, bool vertical, int n, int k) {
  if (vertical) {
    int h = strip.Height() / n;
    return strip.Crop(0, h * (k - 1), strip.Width(), h);
  }
  int w = strip.Width() / n;
  return strip.Crop(w * (k - 1), 0, w, strip.Height());
}

TPixmap Sliced(const TPixmap& f, int W, int H, TMargins m, bool tile) {
  int L = m.Left, T = m.Top, R = m.Right, B = m.Bottom;
  if (W < L + R) L = R = 0;
  if (H < T + B) T = B = 0;
  const int fw = f.Width(), fh = f.Height();
  TPixmap out(W, H);
  if (L > 0 && T > 0) StretchPiece(out, f, 0, 0, L, T, 0, 0, L, T);
  if (L > 0 && B > 0) StretchPiece(out, f, 0, H - B, L, B, 0, fh - B, L, B);
  if (R > 0 && T > 0) StretchPiece(out, f, W - R, 0, R, T, fw - R, 0, R, T);
  if (L > 0) StretchPiece(out, f, 0, T, L, H - B - T, 0, T, L, fh - B - T);
  if (T > 0) StretchPiece(out, f, L, 0, W - R - L, T, L, 0, fw - R - L, T);
  if (tile)
    TilePiece(out, f, L, T, W - R - L, H - B - T, L, T, fw - R - L, fh - B - T);
  else
    StretchPiece(out, f, L, T, W - R - L, H - B - T, L, T, fw - R - L, fh - B - T);
  if (R > 0 && B > 0) StretchPiece(out, f, W - R, H - B, R, B, fw - R, fh - B, R, B);
  if (R > 0) StretchPiece(out, f, W - R, T, R, H - B - T, fw - R, T, R, fh - B - T);
  if (B > 0) StretchPiece(out, f, L, H - B, W - R - L, B, L, fh - B, fw - R - L, B);
  return out;
}

TPixmap Stretched(const TPixmap& f, int width, int height) {
  TPixmap out(width, height);
  StretchPiece(out, f, 0, 0, width, height, 0, 0, f.Width(), f.Height());
  return out;
}

}  // namespace Slicer
