#include "toolkit/Pen.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TPen::StaticClass() {
  static const TClassInfo info = TClassBuilder<TPen>("TPen", &TGraphicsObject::StaticClass())
                                     .ColorProp("Color", &TPen::GetColor, &TPen::SetColor, 0)
                                     .Prop("Width", &TPen::GetWidth, &TPen::SetWidth, 1)
                                     .Prop("Style", &TPen::GetStyle, &TPen::SetStyle, psSolid)
                                     .Info();
  return info;
}

TPen::TPen() = default;

HPEN TPen::Handle() const {
  if (!FHandle) {
    static const int styles[] = {PS_SOLID, PS_DASH, PS_DOT, PS_DASHDOT, PS_DASHDOTDOT, PS_NULL};
    FHandle.Reset(CreatePen(styles[FStyle], FWidth, ColorToRGB(FColor)));
  }
  return FHandle.Get();
}

void TPen::Assign(const TPen& Source) {
  if (&Source == this) return;
  FColor = Source.FColor;
  FWidth = Source.FWidth;
  FStyle = Source.FStyle;
  Changed();
}

void TPen::Changed() {
  FHandle.Reset();
  TGraphicsObject::Changed();
}

void TPen::SetColor(int Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed();
}

void TPen::SetWidth(int Value) {
  if (Value == FWidth || Value < 0) return;
  FWidth = Value;
  Changed();
}

void TPen::SetStyle(TPenStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed();
}
