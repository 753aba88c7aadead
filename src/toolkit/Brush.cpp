#include "toolkit/Brush.h"

#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/ColorNames.h"

const TClassInfo& TBrush::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TBrush>("TBrush", &TGraphicsObject::StaticClass())
          .ColorProp("Color", &TBrush::GetColor, &TBrush::SetColor, 0xFFFFFF)
          .Prop("Style", &TBrush::GetStyle, &TBrush::SetStyle, bsSolid)
          .Info();
  return info;
}

TBrush::TBrush() : FColor(0xFFFFFF) {}

HBRUSH TBrush::Handle() const {
  if (!FHandle) {
    if (FStyle == bsClear) {
      LOGBRUSH lb{BS_HOLLOW, 0, 0};
      FHandle.Reset(CreateBrushIndirect(&lb));
    } else {
      FHandle.Reset(CreateSolidBrush(ColorToRGB(FColor)));
    }
  }
  return FHandle.Get();
}

void TBrush::Assign(const TBrush& Source) {
  if (&Source == this) return;
  FColor = Source.FColor;
  FStyle = Source.FStyle;
  Changed();
}

void TBrush::Changed() {
  FHandle.Reset();
  TGraphicsObject::Changed();
}

void TBrush::SetColor(int Value) {
  if (Value == FColor && FStyle == bsSolid) return;
  FColor = Value;
  FStyle = bsSolid;
  Changed();
}

void TBrush::SetStyle(TBrushStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed();
}
