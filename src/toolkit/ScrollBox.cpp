#include "toolkit/ScrollBox.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TScrollBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TScrollBox>("TScrollBox", &TScrollingWinControl::StaticClass())
          .Creatable()
          .Prop("BorderStyle", &TScrollBox::GetBorderStyle, &TScrollBox::SetBorderStyle, bsSingle)
          .Prop("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, false)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TScrollBox);

TScrollBox::TScrollBox(TComponent* AOwner) : TScrollingWinControl(AOwner) {
  SetBounds(0, 0, 185, 41);
}

void TScrollBox::CreateParams(TCreateParams& Params) {
  TScrollingWinControl::CreateParams(Params);
  Params.Style |= WS_CLIPCHILDREN;
  if (FBorderStyle != bsNone) Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TScrollBox::SetBorderStyle(TBorderStyle Value) {
  Value = Value == bsNone ? bsNone : bsSingle;
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  RecreateWnd();
}
