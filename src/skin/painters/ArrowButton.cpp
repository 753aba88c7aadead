#include "skin/painters/ArrowButton.h"

#include <algorithm>

#include "skin/engine/SkinData.h"
#include "skin/render/DeviceDrawing.h"
#include "toolkit/GdiHandle.h"
#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/ColorNames.h"

const TClassInfo& TArrowButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TArrowButton>("TArrowButton", &TCustomControl::StaticClass()).Info();
  return info;
}

TArrowButton::TArrowButton(TComponent* AOwner) : TCustomControl(AOwner) {
  SetTabStop(false);
}

void TArrowButton::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style &= ~static_cast<DWORD>(WS_TABSTOP);
}

void TArrowButton::SetFrame(int Frame) {
  if (Frame == FFrame) return;
  FFrame = Frame;
  if (HandleAllocated()) {
    InvalidateRect(WindowHandle(), nullptr, FALSE);
    UpdateWindow(WindowHandle());
  }
}

void TArrowButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_NCHITTEST:
      // The picker underneath takes the mouse.
      Message.Result = HTTRANSPARENT;
      return;
    case WM_ERASEBKGND:
      Message.Result = 1;
      return;
    default:
      TCustomControl::WndProc(Message);
  }
}

void TArrowButton::Paint() {
  HDC target = Canvas().Handle();
  if (!target) return;
  const RECT whole = ClientRect();
  if (!FFace.SetSize(whole.right, whole.bottom)) return;
  HDC dc = FFace.DC();
  const int face = FSkinData ? FSkinData->Skin().Colours.ButtonFace : clBtnFace;
  TBrushHandle faceBrush(CreateSolidBrush(ColorToRGB(face)));
  FillRect(dc, &whole, faceBrush.Get());
  const TDataSkinObject* arrow = FSkinData ? FSkinData->Skin().ComboxArrow.get() : nullptr;
  if (arrow && !arrow->Image.Empty() && arrow->FrameCount > 0)
    DrawFrameStretched(dc, TRect{0, 0, whole.right, whole.bottom}, arrow->Image, true,
                       arrow->FrameCount, std::min(FFrame, arrow->FrameCount));
  else
    DrawPlainArrow(dc, whole);
  FFace.CopyTo(target, 0, 0);
}

// Without the skin's arrow: a frame in the shadow colour and a small
// downward triangle.
void TArrowButton::DrawPlainArrow(HDC DC, const RECT& Whole) const {
  const int shadow = FSkinData ? FSkinData->Skin().Colours.ButtonShadow : clBtnShadow;
  const int text = FFrame == afDisabled ? shadow
                   : FSkinData          ? FSkinData->Skin().Colours.ButtonText
                                        : clBtnText;
  TBrushHandle frame(CreateSolidBrush(ColorToRGB(shadow)));
  FrameRect(DC, &Whole, frame.Get());
  TBrushHandle fill(CreateSolidBrush(ColorToRGB(text)));
  TPenHandle pen(CreatePen(PS_SOLID, 1, ColorToRGB(text)));
  const int shift = FFrame == afPressed ? 1 : 0;
  const int cx = (Whole.left + Whole.right) / 2 + shift;
  const int cy = (Whole.top + Whole.bottom) / 2 + shift;
  const POINT points[3] = {{cx - 3, cy - 1}, {cx + 3, cy - 1}, {cx, cy + 2}};
  HGDIOBJ oldBrush = SelectObject(DC, fill.Get());
  HGDIOBJ oldPen = SelectObject(DC, pen.Get());
  Polygon(DC, points, 3);
  SelectObject(DC, oldPen);
  SelectObject(DC, oldBrush);
}
