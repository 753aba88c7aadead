#include "toolkit/CustomPanel.h"

#include <algorithm>

#include "toolkit/GdiHandle.h"
#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/ColorNames.h"

const TClassInfo& TCustomPanel::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomPanel>("TCustomPanel", &TCustomControl::StaticClass()).Info();
  return info;
}

const TClassInfo& TPanel::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TPanel>("TPanel", &TCustomPanel::StaticClass())
          .Creatable()
          .Prop("Caption", &TControl::GetText, &TControl::SetText, std::string())
          .Prop("Alignment", &TCustomPanel::GetAlignment, &TCustomPanel::SetAlignment, taCenter)
          .Prop("BevelInner", &TCustomPanel::GetBevelInner, &TCustomPanel::SetBevelInner, bvNone)
          .Prop("BevelOuter", &TCustomPanel::GetBevelOuter, &TCustomPanel::SetBevelOuter, bvRaised)
          .Prop("BevelWidth", &TCustomPanel::GetBevelWidth, &TCustomPanel::SetBevelWidth, 1)
          .Prop("BorderWidth", &TCustomPanel::GetBorderWidth, &TCustomPanel::SetBorderWidth, 0)
          .Prop("BorderStyle", &TCustomPanel::GetBorderStyle, &TCustomPanel::SetBorderStyle, bsNone)
          .Prop("ParentBackground", &TCustomPanel::GetParentBackground,
                &TCustomPanel::SetParentBackground, false)
          .Prop("FullRepaint", &TCustomPanel::GetFullRepaint, &TCustomPanel::SetFullRepaint, true)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TPanel);

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetBounds(0, 0, 185, 41);
}

void TCustomPanel::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  if (FBorderStyle != bsNone) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomPanel::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut Value) {
  FBevelInner = Value;
  Invalidate();
}

void TCustomPanel::SetBevelOuter(TBevelCut Value) {
  FBevelOuter = Value;
  Invalidate();
}

void TCustomPanel::SetBevelWidth(int Value) {
  FBevelWidth = std::max(Value, 1);
  Invalidate();
}

void TCustomPanel::SetBorderWidth(int Value) {
  FBorderWidth = std::max(Value, 0);
  Invalidate();
}

void TCustomPanel::SetBorderStyle(TBorderStyle Value) {
  Value = Value == bsNone ? bsNone : bsSingle;
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomPanel::SetParentBackground(bool Value) {
  FParentBackground = Value;
  Invalidate();
}

RECT TCustomPanel::ContentRect() const {
  RECT r{0, 0, FWidth, FHeight};
  if (HWND wnd = WindowHandle()) GetClientRect(wnd, &r);
  int inset = FBorderWidth;
  if (FBevelOuter != bvNone) inset += FBevelWidth;
  if (FBevelInner != bvNone) inset += FBevelWidth;
  InflateRect(&r, -inset, -inset);
  if (r.right < r.left) r.right = r.left;
  if (r.bottom < r.top) r.bottom = r.top;
  return r;
}

// One bevel of BevelWidth lines; R shrinks by its width.
void TCustomPanel::DrawBevel(HDC DC, RECT& R, TBevelCut Cut) const {
  if (Cut == bvNone) return;
  COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), dark = GetSysColor(COLOR_BTNSHADOW);
  if (Cut == bvLowered) std::swap(light, dark);
  TBrushHandle lightBrush(CreateSolidBrush(light)), darkBrush(CreateSolidBrush(dark));
  for (int i = 0; i < FBevelWidth; ++i) {
    if (Cut != bvSpace) {
      RECT top{R.left, R.top, R.right - 1, R.top + 1};
      RECT left{R.left, R.top, R.left + 1, R.bottom - 1};
      RECT bottom{R.left, R.bottom - 1, R.right, R.bottom};
      RECT right{R.right - 1, R.top, R.right, R.bottom};
      FillRect(DC, &top, lightBrush.Get());
      FillRect(DC, &left, lightBrush.Get());
      FillRect(DC, &bottom, darkBrush.Get());
      FillRect(DC, &right, darkBrush.Get());
    }
    InflateRect(&R, -1, -1);
  }
}

void TCustomPanel::Paint() {
  HDC dc = Canvas().Handle();
  RECT r;
  GetClientRect(WindowHandle(), &r);
  if (FParentBackground) {
    PaintParentBackground(dc);
  } else {
    Canvas().FillRect(r);
  }
  DrawBevel(dc, r, FBevelOuter);
  InflateRect(&r, -FBorderWidth, -FBorderWidth);
  DrawBevel(dc, r, FBevelInner);

  const std::string caption = GetText();
  if (caption.empty()) return;
  Canvas().TextExtent("");  // selects the font and its colour
  SetBkMode(dc, TRANSPARENT);
  if (!GetEnabled()) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  UINT flags = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
  if (FAlignment == taCenter) flags |= DT_CENTER;
  if (FAlignment == taRightJustify) flags |= DT_RIGHT;
  if (GetBiDiMode() != bdLeftToRight) flags |= DT_RTLREADING;
  InflateRect(&r, -2, 0);
  DrawTextA(dc, caption.c_str(), static_cast<int>(caption.size()), &r, flags);
}

// The parent paints itself into DC as if the panel were not there.
void TCustomPanel::PaintParentBackground(HDC DC) {
  TWinControl* parent = Parent();
  if (!parent || !parent->HandleAllocated()) {
    RECT r = ClientRect();
    Canvas().FillRect(r);
    return;
  }
  POINT origin{0, 0};
  MapWindowPoints(WindowHandle(), parent->WindowHandle(), &origin, 1);
  int saved = SaveDC(DC);
  OffsetViewportOrgEx(DC, -origin.x, -origin.y, nullptr);
  parent->Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(DC), 0);
  parent->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
  RestoreDC(DC, saved);
}

void TCustomPanel::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_ERASEBKGND:
      // Paint fills the whole client area.
      Message.Result = 1;
      return;
    case WM_SIZE:
      if (FFullRepaint) Invalidate();
      break;
  }
  TCustomControl::WndProc(Message);
}
