#include "toolkit/CustomLabel.h"

#include "toolkit/WinControl.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TCustomLabel::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomLabel>("TCustomLabel", &TGraphicControl::StaticClass()).Info();
  return info;
}

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetBounds(0, 0, 65, 17);
  SetParentColor(true);  // a label shows the background it sits on
}

UINT TCustomLabel::DrawTextFlags() const {
  UINT flags = DT_EXPANDTABS;
  if (FWordWrap) flags |= DT_WORDBREAK;
  if (!FShowAccelChar) flags |= DT_NOPREFIX;
  // Right-to-left alignment mirrors the sides.
  TAlignment alignment = FAlignment;
  if (UseRightToLeftAlignment() && alignment != taCenter)
    alignment = alignment == taLeftJustify ? taRightJustify : taLeftJustify;
  if (alignment == taRightJustify) flags |= DT_RIGHT;
  if (alignment == taCenter) flags |= DT_CENTER;
  if (UseRightToLeftReading()) flags |= DT_RTLREADING;
  return flags;
}

void TCustomLabel::Paint() {
  RECT r = ClientRect();
  HDC dc = Canvas().Handle();
  if (!FTransparent) Canvas().FillRect(r);
  Canvas().Brush().SetStyle(bsClear);
  std::string text = GetText();
  Canvas().TextExtent("");  // selects the font and its colour
  if (!GetEnabled()) SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DrawTextFlags());
}

void TCustomLabel::AdjustBounds() {
  if (!FAutoSize || ComponentState().Contains(csLoading)) return;
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, GetFont()->Handle());
  RECT r{0, 0, FWordWrap ? FWidth : 0, 0};
  const std::string caption = GetText();
  const std::string text = caption.empty() ? std::string(1, ' ') : caption;  // one line high
  DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DrawTextFlags() | DT_CALCRECT);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  int left = FLeft;
  if (FAlignment == taRightJustify) left = FLeft + FWidth - r.right;
  SetBounds(left, FTop, r.right, r.bottom);
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::TextChanged() {
  Invalidate();
  AdjustBounds();
}

void TCustomLabel::FontChanged() {
  TGraphicControl::FontChanged();
  AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  Invalidate();
}

void TCustomLabel::SetAutoSize(bool Value) {
  FAutoSize = Value;
  AdjustBounds();
}

void TCustomLabel::SetTransparent(bool Value) {
  FTransparent = Value;
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool Value) {
  FWordWrap = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
  FShowAccelChar = Value;
  AdjustBounds();
  Invalidate();
}
