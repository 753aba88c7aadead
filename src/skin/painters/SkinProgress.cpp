#include "skin/painters/SkinProgress.h"

#include <commctrl.h>

#include <algorithm>

#include "skin/engine/SkinData.h"
#include "skin/render/DeviceDrawing.h"
#include "toolkit/GdiHandle.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinProgress::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinProgress>("TSkinProgress", &TSkinControl::StaticClass()).Info();
  return info;
}

namespace {

// Space between two blocks of a bar that is not smooth.
constexpr int kBlockGap = 2;

TRect ToTRect(const RECT& R) {
  return TRect{R.left, R.top, R.right, R.bottom};
}

bool Usable(const TDataSkinObject* Element) {
  return Element && !Element->Image.Empty();
}

}  // namespace

// ---------------------------------------------------------------------------
// Messages

bool TSkinProgress::BeforeMessage(TMessage& Message) {
  if (!TSkinControl::BeforeMessage(Message)) return false;
  return !PaintInsteadOfControl(Message);
}

void TSkinProgress::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case PBM_SETPOS:
    case PBM_DELTAPOS:
    case PBM_STEPIT:
    case PBM_SETRANGE:
    case PBM_SETRANGE32:
    case PBM_SETSTATE:
    case WM_STYLECHANGED:
      Repaint();
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}

// ---------------------------------------------------------------------------
// Painting

RECT TSkinProgress::FilledPart(const RECT& Inner, int Min, int Max, int Position, bool Vertical) {
  RECT filled = Inner;
  const long long range = static_cast<long long>(Max) - Min;
  const long long done = range <= 0 ? 0 : std::clamp<long long>(Position - Min, 0, range);
  const int length = Vertical ? Inner.bottom - Inner.top : Inner.right - Inner.left;
  const int part = range <= 0 ? 0 : static_cast<int>(length * done / range);
  if (Vertical)
    filled.top = Inner.bottom - part;
  else
    filled.right = Inner.left + part;
  return filled;
}

RECT TSkinProgress::InnerRect(const RECT& Rect) const {
  const TDataSkinBorder* trough = FSkinData ? FSkinData->Skin().Progress.get() : nullptr;
  int x = 1, y = 1;
  if (Usable(trough)) {
    // Half the trough's fixed border: the chunks stay clear of its rim.
    x = std::max(1, std::min(trough->Margins.Left, trough->Margins.Right) / 2);
    y = std::max(1, std::min(trough->Margins.Top, trough->Margins.Bottom) / 2);
  }
  RECT inner = Rect;
  InflateRect(&inner, -x, -y);
  if (inner.right < inner.left) inner.right = inner.left;
  if (inner.bottom < inner.top) inner.bottom = inner.top;
  return inner;
}

void TSkinProgress::DrawTrough(HDC DC, const RECT& Rect, bool Vertical) {
  FillFace(DC, Rect);
  const TDataSkinBorder* trough = FSkinData ? FSkinData->Skin().Progress.get() : nullptr;
  if (!Usable(trough)) {
    const int shadow = FSkinData ? FSkinData->Skin().Colours.ButtonShadow : 0x80000010;
    TBrushHandle brush(CreateSolidBrush(ColorToRGB(shadow)));
    FrameRect(DC, &Rect, brush.Get());
    return;
  }
  const int frames = std::max(1, trough->FrameCount);
  DrawSliced(DC, ToTRect(Rect), trough->Image, false, trough->Tile != 0, trough->Trans != 0, frames,
             Vertical && frames >= 2 ? 2 : 1, trough->Margins);
}

void TSkinProgress::DrawChunks(HDC DC, const RECT& Filled, bool Vertical, bool Smooth) {
  if (Filled.right <= Filled.left || Filled.bottom <= Filled.top) return;
  const TDataSkinObject* chunk = FSkinData ? FSkinData->Skin().ProgressChunk.get() : nullptr;
  if (!Usable(chunk)) {
    const int hilight = FSkinData ? FSkinData->Skin().Colours.Hilight : 0x8000000D;
    TBrushHandle brush(CreateSolidBrush(ColorToRGB(hilight)));
    FillRect(DC, &Filled, brush.Get());
    return;
  }
  const int frames = std::max(1, chunk->FrameCount);
  const auto draw = [&](const RECT& Block) {
    DrawSliced(DC, ToTRect(Block), chunk->Image, false, chunk->Tile != 0, chunk->Trans != 0, frames,
               1, chunk->Margins);
  };
  if (Smooth) {
    draw(Filled);
    return;
  }
  // Blocks from the start of the bar, the last one cut off at the filled
  // part's end.
  const int block = std::max(2, Vertical ? chunk->Image.Height() : chunk->Image.Width() / frames);
  if (Vertical) {
    for (int bottom = Filled.bottom; bottom > Filled.top; bottom -= block + kBlockGap)
      draw(RECT{Filled.left, std::max<int>(Filled.top, bottom - block), Filled.right, bottom});
  } else {
    for (int left = Filled.left; left < Filled.right; left += block + kBlockGap)
      draw(RECT{left, Filled.top, std::min<int>(Filled.right, left + block), Filled.bottom});
  }
}

void TSkinProgress::Paint(HDC DC, const RECT& Rect) {
  const int width = Rect.right - Rect.left, height = Rect.bottom - Rect.top;
  if (!FHandle || !FFace.SetSize(width, height)) return;
  HDC face = FFace.DC();
  const RECT whole{0, 0, width, height};
  const LONG_PTR style = GetWindowLongPtrA(FHandle, GWL_STYLE);
  const bool vertical = (style & PBS_VERTICAL) != 0;
  PBRANGE range{};
  SendMessageA(FHandle, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
  const int position = static_cast<int>(SendMessageA(FHandle, PBM_GETPOS, 0, 0));

  DrawTrough(face, whole, vertical);
  FFilledRect = FilledPart(InnerRect(whole), range.iLow, range.iHigh, position, vertical);
  DrawChunks(face, FFilledRect, vertical, (style & PBS_SMOOTH) != 0);
  FFace.CopyTo(DC, Rect.left, Rect.top);
}
