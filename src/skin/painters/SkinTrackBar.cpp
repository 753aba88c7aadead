#include "skin/painters/SkinTrackBar.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "skin/engine/SkinData.h"
#include "skin/render/DeviceDrawing.h"
#include "toolkit/GdiHandle.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinTrackBar::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinTrackBar>("TSkinTrackBar", &TSkinControl::StaticClass()).Info();
  return info;
}

namespace {

constexpr int kTickLength = 3;
// Thumb frames.
enum { tfNormal = 1, tfPressed = 2, tfDisabled = 3, tfMouseOver = 4, tfFocused = 5 };

TRect ToTRect(const RECT& R) {
  return TRect{R.left, R.top, R.right, R.bottom};
}

bool Usable(const TDataSkinObject* Element) {
  return Element && !Element->Image.Empty();
}

}  // namespace

void TSkinTrackBar::AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data,
                                    bool PaintBackground, TCanvas* Canvas) {
  TSkinControl::AttachToControl(FormSkinner, Data, PaintBackground, Canvas);
  if (!FAttached) return;
  FParentBackground = (FControl && FControl->GetTag() == kParentBackgroundTag) ||
                      (Data && Data->GetOptions().Contains(xoTransparent));
}

// ---------------------------------------------------------------------------
// Messages

bool TSkinTrackBar::BeforeMessage(TMessage& Message) {
  if (!TSkinControl::BeforeMessage(Message)) return false;
  return !PaintInsteadOfControl(Message);
}

void TSkinTrackBar::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK: {
      // The native bar has taken the press; it holds the mouse while the
      // thumb is dragged.
      const POINT at{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
      const RECT thumb = ThumbRect();
      SetPressed(GetCapture() == FHandle && PtInRect(&thumb, at));
      Repaint();
      break;
    }
    case WM_LBUTTONUP:
    case WM_CAPTURECHANGED:
      SetPressed(false);
      Repaint();
      break;
    case WM_MOUSEMOVE:
      OnMouseMove(Message);
      break;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
      SetHot(false);
      break;
    case TBM_SETPOS:
    case TBM_SETRANGE:
    case TBM_SETRANGEMIN:
    case TBM_SETRANGEMAX:
    case TBM_SETTIC:
    case TBM_CLEARTICS:
    case TBM_SETSEL:
    case TBM_SETSELSTART:
    case TBM_SETSELEND:
    case TBM_SETTHUMBLENGTH:
    case TBM_SETTICFREQ:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_STYLECHANGED:
      Repaint();
      break;
    default:
      TSkinControl::AfterMessage(Message);
      break;
  }
}

void TSkinTrackBar::OnMouseMove(const TMessage& Message) {
  const POINT at{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
  const RECT thumb = ThumbRect();
  SetHot(PtInRect(&thumb, at) != 0);
  if (Pressed()) Repaint();
  if (FSkinData) FSkinData->TrackLeave(FHandle);
}

void TSkinTrackBar::SetHot(bool Value) {
  if (MouseOver() == Value) return;
  SetMouseOver(Value);
  Repaint();
}

// ---------------------------------------------------------------------------
// Geometry

bool TSkinTrackBar::Vertical() const {
  return FHandle && (GetWindowLongPtrA(FHandle, GWL_STYLE) & TBS_VERT) != 0;
}

RECT TSkinTrackBar::ThumbRect() const {
  RECT thumb{};
  if (FHandle) SendMessageA(FHandle, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
  return thumb;
}

RECT TSkinTrackBar::ChannelRect() const {
  RECT channel{};
  if (FHandle) SendMessageA(FHandle, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
  // Some systems answer an upright bar's channel as if it lay across.
  const bool across = channel.right - channel.left >= channel.bottom - channel.top;
  if (Vertical() == across) channel = RECT{channel.top, channel.left, channel.bottom, channel.right};
  return channel;
}

int TSkinTrackBar::ThumbFrame() const {
  if (!FEnabled) return tfDisabled;
  if (Pressed()) return tfPressed;
  if (MouseOver()) return tfMouseOver;
  if (FFocused) return tfFocused;
  return tfNormal;
}

// ---------------------------------------------------------------------------
// Painting

void TSkinTrackBar::Paint(HDC DC, const RECT& Rect) {
  const int width = Rect.right - Rect.left, height = Rect.bottom - Rect.top;
  if (!FHandle || !FFace.SetSize(width, height)) return;
  HDC face = FFace.DC();
  const RECT whole{0, 0, width, height};
  const LONG_PTR style = GetWindowLongPtrA(FHandle, GWL_STYLE);
  FEnabled = (style & WS_DISABLED) == 0;
  FFocused = GetFocus() == FHandle;
  if (FParentBackground && FControl)
    DrawParentBackground(FControl, face);
  else
    FillFace(face, whole);

  const RECT channel = ChannelRect();
  const RECT thumb = ThumbRect();
  DrawChannel(face, channel);
  if (!(style & TBS_NOTICKS)) DrawTicks(face, channel, thumb);
  if (!(style & TBS_NOTHUMB)) DrawThumb(face, thumb);
  FFace.CopyTo(DC, Rect.left, Rect.top);
}

void TSkinTrackBar::DrawChannel(HDC DC, const RECT& Channel) {
  const bool vertical = Vertical();
  const TDataSkinObject* track =
      FSkinData ? (vertical ? FSkinData->Skin().TrackVert : FSkinData->Skin().Track).get()
                : nullptr;
  RECT band = Channel;
  if (Usable(track)) {
    // The track keeps its own breadth, centred on the channel.
    if (vertical) {
      const int centre = (Channel.left + Channel.right) / 2, breadth = track->Image.Width();
      band.left = centre - breadth / 2;
      band.right = band.left + breadth;
    } else {
      const int centre = (Channel.top + Channel.bottom) / 2, breadth = track->Image.Height();
      band.top = centre - breadth / 2;
      band.bottom = band.top + breadth;
    }
    DrawSliced(DC, ToTRect(band), track->Image, false, track->Tile != 0, track->Trans != 0,
               std::max(1, track->FrameCount), 1, track->Margins);
  } else {
    const int shadow = FSkinData ? FSkinData->Skin().Colours.ButtonShadow : 0x80000010;
    TBrushHandle brush(CreateSolidBrush(ColorToRGB(shadow)));
    FrameRect(DC, &band, brush.Get());
  }
  // The selected range, where the bar shows one.
  if (!(GetWindowLongPtrA(FHandle, GWL_STYLE) & TBS_ENABLESELRANGE)) return;
  const int selStart = static_cast<int>(SendMessageA(FHandle, TBM_GETSELSTART, 0, 0));
  const int selEnd = static_cast<int>(SendMessageA(FHandle, TBM_GETSELEND, 0, 0));
  const int low = static_cast<int>(SendMessageA(FHandle, TBM_GETRANGEMIN, 0, 0));
  const int high = static_cast<int>(SendMessageA(FHandle, TBM_GETRANGEMAX, 0, 0));
  if (selEnd <= selStart || high <= low) return;
  const RECT thumb = ThumbRect();
  const int thumbLength = vertical ? thumb.bottom - thumb.top : thumb.right - thumb.left;
  const int start = vertical ? Channel.top : Channel.left;
  const int span = (vertical ? Channel.bottom - Channel.top : Channel.right - Channel.left) -
                   thumbLength;
  const auto at = [&](int Value) {
    return start + thumbLength / 2 + MulDiv(span, std::clamp(Value, low, high) - low, high - low);
  };
  RECT selection = band;
  InflateRect(&selection, vertical ? -1 : 0, vertical ? 0 : -1);
  if (vertical) {
    selection.top = at(selStart);
    selection.bottom = at(selEnd);
  } else {
    selection.left = at(selStart);
    selection.right = at(selEnd);
  }
  const int hilight = FSkinData ? FSkinData->Skin().Colours.Hilight : 0x8000000D;
  TBrushHandle brush(CreateSolidBrush(ColorToRGB(hilight)));
  FillRect(DC, &selection, brush.Get());
}

void TSkinTrackBar::DrawTicks(HDC DC, const RECT& Channel, const RECT& Thumb) {
  const bool vertical = Vertical();
  const LONG_PTR style = GetWindowLongPtrA(FHandle, GWL_STYLE);
  const bool both = (style & TBS_BOTH) != 0;
  const bool before = both || (style & TBS_TOP) != 0;  // TBS_LEFT for an upright bar
  const bool after = both || !(style & TBS_TOP);
  // Interior ticks where the native bar has them, and one at each end.
  std::vector<int> positions;
  const int count = static_cast<int>(SendMessageA(FHandle, TBM_GETNUMTICS, 0, 0));
  for (int i = 0; i + 2 < count; ++i) {
    const int at = static_cast<int>(SendMessageA(FHandle, TBM_GETTICPOS, i, 0));
    if (at >= 0) positions.push_back(at);
  }
  const int thumbLength = vertical ? Thumb.bottom - Thumb.top : Thumb.right - Thumb.left;
  if (vertical) {
    positions.push_back(Channel.top + thumbLength / 2);
    positions.push_back(Channel.bottom - thumbLength + thumbLength / 2);
  } else {
    positions.push_back(Channel.left + thumbLength / 2);
    positions.push_back(Channel.right - thumbLength + thumbLength / 2);
  }
  const int shadow = FSkinData ? FSkinData->Skin().Colours.ButtonShadow : 0x80000010;
  TBrushHandle brush(CreateSolidBrush(ColorToRGB(shadow)));
  for (int at : positions) {
    if (vertical) {
      if (before) {
        const RECT tick{Thumb.left - 1 - kTickLength, at, Thumb.left - 1, at + 1};
        FillRect(DC, &tick, brush.Get());
      }
      if (after) {
        const RECT tick{Thumb.right + 1, at, Thumb.right + 1 + kTickLength, at + 1};
        FillRect(DC, &tick, brush.Get());
      }
    } else {
      if (before) {
        const RECT tick{at, Thumb.top - 1 - kTickLength, at + 1, Thumb.top - 1};
        FillRect(DC, &tick, brush.Get());
      }
      if (after) {
        const RECT tick{at, Thumb.bottom + 1, at + 1, Thumb.bottom + 1 + kTickLength};
        FillRect(DC, &tick, brush.Get());
      }
    }
  }
}

void TSkinTrackBar::DrawThumb(HDC DC, const RECT& Thumb) {
  if (Thumb.right <= Thumb.left || Thumb.bottom <= Thumb.top) return;
  const TDataSkinObject* element =
      FSkinData ? (Vertical() ? FSkinData->Skin().ThumbVert : FSkinData->Skin().ThumbHorz).get()
                : nullptr;
  if (Usable(element)) {
    const int frames = std::max(1, element->FrameCount);
    DrawFrameCentered(DC, ToTRect(Thumb), element->Image, true, frames,
                      std::min(ThumbFrame(), frames));
    return;
  }
  FillFace(DC, Thumb);
  const int shadow = FSkinData ? FSkinData->Skin().Colours.ButtonShadow : 0x80000010;
  TBrushHandle brush(CreateSolidBrush(ColorToRGB(shadow)));
  FrameRect(DC, &Thumb, brush.Get());
}
