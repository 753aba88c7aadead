#include "toolkit/SpeedButton.h"

#include <algorithm>

#include "toolkit/GdiHandle.h"
#include "toolkit/WinControl.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSpeedButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSpeedButton>("TSpeedButton", &TGraphicControl::StaticClass())
          .Creatable()
          .Prop("Caption", &TControl::GetText, &TControl::SetText, std::string())
          .ObjectProp("Glyph", &TSpeedButton::GetGlyph)
          .Prop("NumGlyphs", &TSpeedButton::GetNumGlyphs, &TSpeedButton::SetNumGlyphs, 1)
          .Prop("GroupIndex", &TSpeedButton::GetGroupIndex, &TSpeedButton::SetGroupIndex, 0)
          .Prop("AllowAllUp", &TSpeedButton::GetAllowAllUp, &TSpeedButton::SetAllowAllUp, false)
          .Prop("Down", &TSpeedButton::GetDown, &TSpeedButton::SetDown, false)
          .Prop("Flat", &TSpeedButton::GetFlat, &TSpeedButton::SetFlat, false)
          .Prop("Transparent", &TSpeedButton::GetTransparent, &TSpeedButton::SetTransparent, true)
          .Prop("Layout", &TSpeedButton::GetLayout, &TSpeedButton::SetLayout, blGlyphLeft)
          .Prop("Margin", &TSpeedButton::GetMargin, &TSpeedButton::SetMargin, -1)
          .Prop("Spacing", &TSpeedButton::GetSpacing, &TSpeedButton::SetSpacing, 4)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TSpeedButton);

TSpeedButton::TSpeedButton(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetBounds(0, 0, 23, 22);
  // Clicks come from MouseUp, so that each press of a quick double click
  // is a click too.
  ClickOnMouseUp = false;
}

void TSpeedButton::SetGlyph(TBitmap* Value) {
  if (Value) {
    FGlyph.Glyph()->Assign(*Value);
  } else {
    FGlyph.Glyph()->SetSize(0, 0);
  }
  Invalidate();
}

void TSpeedButton::SetNumGlyphs(int Value) {
  FGlyph.SetNumGlyphs(Value);
  Invalidate();
}

bool TSpeedButton::ReadBinaryProperty(std::string_view Name,
                                      const std::vector<std::uint8_t>& Bytes) {
  if (Name != "Glyph.Data") return TGraphicControl::ReadBinaryProperty(Name, Bytes);
  FGlyph.LoadFromData(Bytes);
  Invalidate();
  return true;
}

void TSpeedButton::SetGroupIndex(int Value) {
  if (Value == FGroupIndex) return;
  FGroupIndex = Value;
  if (Value == 0) {
    FDown = false;
    Invalidate();
  }
}

void TSpeedButton::SetDown(bool Value) {
  if (ComponentState().Contains(csLoading)) {
    // GroupIndex may come later in the description.
    FDown = Value;
    return;
  }
  if (FGroupIndex == 0) Value = false;
  if (Value == FDown) return;
  if (FDown && !FAllowAllUp) return;
  FDown = Value;
  Invalidate();
  if (Value) UpdateExclusive();
}

void TSpeedButton::Loaded() {
  TGraphicControl::Loaded();
  if (FGroupIndex == 0) FDown = false;
  if (FDown) UpdateExclusive();
}

void TSpeedButton::SetAllowAllUp(bool Value) {
  FAllowAllUp = Value;
}

void TSpeedButton::UpdateExclusive() {
  if (!Parent() || FGroupIndex == 0) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i)
    if (auto* other = dynamic_cast<TSpeedButton*>(Parent()->Controls(i)); other && other != this)
      other->Perform(CM_BUTTONPRESSED, static_cast<WPARAM>(FGroupIndex),
                     reinterpret_cast<LPARAM>(this));
}

void TSpeedButton::SetFlat(bool Value) {
  FFlat = Value;
  Invalidate();
}

void TSpeedButton::SetTransparent(bool Value) {
  FTransparent = Value;
  Invalidate();
}

void TSpeedButton::SetLayout(TButtonLayout Value) {
  FLayout = Value;
  Invalidate();
}

void TSpeedButton::SetMargin(int Value) {
  FMargin = std::max(Value, -1);
  Invalidate();
}

void TSpeedButton::SetSpacing(int Value) {
  FSpacing = std::max(Value, -1);
  Invalidate();
}

void TSpeedButton::Click() {
  if (FGroupIndex != 0) {
    if (!FDown) {
      SetDown(true);
    } else if (FAllowAllUp) {
      SetDown(false);
    }
  }
  TGraphicControl::Click();
}

void TSpeedButton::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && GetEnabled()) {
    if (Shift.Contains(ssDouble)) DblClick();
    FTracking = true;
    FInside = true;
    Repaint();
  }
  TGraphicControl::MouseDown(Button, Shift, X, Y);
}

void TSpeedButton::MouseMove(TShiftState Shift, int X, int Y) {
  if (FTracking) {
    const bool inside = X >= 0 && Y >= 0 && X < FWidth && Y < FHeight;
    if (inside != FInside) {
      FInside = inside;
      Invalidate();
    }
  }
  TGraphicControl::MouseMove(Shift, X, Y);
}

void TSpeedButton::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (Button == mbLeft && FTracking) {
    FTracking = false;
    Invalidate();
    if (FInside && GetEnabled()) Click();
  }
  TGraphicControl::MouseUp(Button, Shift, X, Y);
}

void TSpeedButton::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_BUTTONPRESSED:
      // Another button of the parent went down.
      if (reinterpret_cast<TSpeedButton*>(Message.LParam) != this &&
          static_cast<int>(Message.WParam) == FGroupIndex && FDown) {
        FDown = false;
        Invalidate();
      }
      return;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
    case CM_ENABLEDCHANGED:
      if (FFlat || Message.Msg == CM_ENABLEDCHANGED) Invalidate();
      break;
  }
  TGraphicControl::WndProc(Message);
}

// The button's face and edge; R becomes the area inside the edge.
void TSpeedButton::PaintFace(HDC DC, RECT& R, bool PressedLook) {
  const bool hot = MouseInControl() && GetEnabled();
  if (!FFlat) {
    DrawFrameControl(DC, &R, DFC_BUTTON, DFCS_BUTTONPUSH | (PressedLook ? DFCS_PUSHED : 0));
  } else if (!FTransparent || FDown) {
    Canvas().FillRect(R);
  }
  if (FDown && !Pressed()) {
    // A button held down shows a lighter face.
    COLORREF face = GetSysColor(COLOR_BTNFACE), light = GetSysColor(COLOR_BTNHIGHLIGHT);
    TBrushHandle brush(CreateSolidBrush(RGB((GetRValue(face) + GetRValue(light)) / 2,
                                            (GetGValue(face) + GetGValue(light)) / 2,
                                            (GetBValue(face) + GetBValue(light)) / 2)));
    RECT inner = R;
    InflateRect(&inner, -2, -2);
    FillRect(DC, &inner, brush.Get());
  }
  if (FFlat && (hot || PressedLook)) {
    RECT edge = R;
    DrawEdge(DC, &edge, PressedLook ? BDR_SUNKENOUTER : BDR_RAISEDINNER, BF_RECT);
  }
  InflateRect(&R, -2, -2);
}

void TSpeedButton::Paint() {
  if (FWidth <= 0 || FHeight <= 0) return;
  HDC dc = Canvas().Handle();
  RECT r = ClientRect();
  const bool pressedLook = Pressed() || FDown;
  PaintFace(dc, r, pressedLook);
  if (pressedLook) OffsetRect(&r, 1, 1);
  const TGlyphState state = !GetEnabled()         ? TGlyphState::Disabled
                            : FDown && !Pressed() ? TGlyphState::Exclusive
                            : Pressed()           ? TGlyphState::Down
                                                  : TGlyphState::Up;
  UINT flags = DT_CENTER;
  if (GetBiDiMode() != bdLeftToRight) flags |= DT_RTLREADING;
  DrawGlyphAndCaption(dc, r, FGlyph, state, GetText(), *GetFont(), FLayout, FMargin, FSpacing,
                      flags);
}
