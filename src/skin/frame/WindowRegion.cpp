#include "skin/frame/WindowRegion.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <vector>

#include "toolkit/GdiHandle.h"

namespace {

constexpr size_t kBatch = 2000;

HRGN RegionOfRects(const TRect* Rects, size_t Count) {
  std::vector<unsigned char> data(sizeof(RGNDATAHEADER) + Count * sizeof(RECT));
  auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
  header->dwSize = sizeof(RGNDATAHEADER);
  header->iType = RDH_RECTANGLES;
  header->nCount = static_cast<DWORD>(Count);
  header->nRgnSize = static_cast<DWORD>(Count * sizeof(RECT));
  RECT bounds{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
  auto* rects = reinterpret_cast<RECT*>(data.data() + sizeof(RGNDATAHEADER));
  for (size_t i = 0; i < Count; ++i) {
    rects[i] = {Rects[i].Left, Rects[i].Top, Rects[i].Right, Rects[i].Bottom};
    bounds.left = std::min(bounds.left, rects[i].left);
    bounds.top = std::min(bounds.top, rects[i].top);
    bounds.right = std::max(bounds.right, rects[i].right);
    bounds.bottom = std::max(bounds.bottom, rects[i].bottom);
  }
  header->rcBound = bounds;
  return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                         reinterpret_cast<const RGNDATA*>(data.data()));
}

// Joins Part into Target and frees Part.
void Join(HRGN Target, HRGN Part) {
  if (!Part) return;
  CombineRgn(Target, Target, Part, RGN_OR);
  DeleteObject(Part);
}

HRGN RectRegion(int Left, int Top, int Right, int Bottom) {
  return CreateRectRgn(Left, Top, std::max(Left, Right), std::max(Top, Bottom));
}

HRGN PieceRegion(const TDataSkinBorder& Element, TBorderSide Side, int X, int Y, int W, int H,
                 bool Active) {
  const TPixelBuffer piece = BuildBorderPiece(Element, Side, W, H, Active);
  if (piece.Empty()) return RectRegion(X, Y, X + W, Y + H);
  return RegionFromBitmap(piece, X, Y);
}

}  // namespace

HRGN RegionFromBitmap(const TPixelBuffer& Bitmap, int X0, int Y0) {
  const std::vector<TRect> runs = OpaqueRuns(Bitmap, X0, Y0);
  HRGN result = CreateRectRgn(0, 0, 0, 0);
  for (size_t start = 0; start < runs.size(); start += kBatch) {
    const size_t count = std::min(kBatch, runs.size() - start);
    Join(result, RegionOfRects(runs.data() + start, count));
  }
  return result;
}

HRGN BuildFrameRegion(const TFrameRegionInput& In) {
  const int W = In.Width, H = In.Height;
  if (W <= 0 || H <= 0 || !In.Skin) return nullptr;
  const TParsedSkin& skin = *In.Skin;
  const TFrameMetrics& m = In.Metrics;
  if (!skin.FrameLeft->Trans && !skin.FrameRight->Trans && !skin.FrameTop->Trans &&
      !skin.FrameBottom->Trans)
    return CreateRectRgn(0, 0, W, H);
  HRGN base = RectRegion(m.LeftWidth, m.TitleHeight, W - m.RightWidth, H - m.BottomHeight);
  if (In.NoCaption) return base;
  const int innerWidth = W - m.LeftWidth - m.RightWidth;

  HRGN left = skin.FrameLeft->Trans == 1 && H > 1
                  ? PieceRegion(*skin.FrameLeft, bsLeftBorder, 0, 0, m.LeftWidth, H, In.Active)
                  : RectRegion(0, 0, m.LeftWidth, H);
  HRGN right = skin.FrameRight->Trans == 1 && H > 1
                   ? PieceRegion(*skin.FrameRight, bsRightBorder, W - m.RightWidth, 0, m.RightWidth,
                                 H, In.Active)
                   : RectRegion(W - m.RightWidth, 0, W, H);
  HRGN bottom = skin.FrameBottom->Trans == 1 && m.BottomHeight >= 2
                    ? PieceRegion(*skin.FrameBottom, bsBottomBorder, m.LeftWidth,
                                  H - m.BottomHeight, innerWidth, m.BottomHeight, In.Active)
                    : RectRegion(m.LeftWidth, H - m.BottomHeight, W - m.RightWidth, H);
  HRGN top = skin.FrameTop->Trans == 1 && m.TitleHeight > 1 && !skin.FrameTop->Image.Empty()
                 ? PieceRegion(*skin.FrameTop, bsTopBorder, m.LeftWidth, 0, innerWidth,
                               m.TitleHeight, In.Active)
                 : RectRegion(m.LeftWidth, 0, W - m.RightWidth, m.TitleHeight);
  Join(left, right);
  Join(top, bottom);
  Join(top, left);
  Join(base, top);
  return base;
}
