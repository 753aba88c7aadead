#include "toolkit/ButtonControl.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TButtonControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TButtonControl>("TButtonControl", &TWinControl::StaticClass())
          .Prop("WordWrap", &TButtonControl::GetWordWrap, &TButtonControl::SetWordWrap, false)
          .Info();
  return info;
}

TButtonControl::TButtonControl(TComponent* AOwner) : TWinControl(AOwner) {
  SetTabStop(true);
}

void TButtonControl::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.BaseClassName = "BUTTON";
  if (FWordWrap) Params.Style |= BS_MULTILINE;
}

void TButtonControl::SetWordWrap(bool Value) {
  if (Value == FWordWrap) return;
  FWordWrap = Value;
  RecreateWnd();
}

void TButtonControl::WndProc(TMessage& Message) {
  if (Message.Msg == CN_COMMAND) {
    switch (HIWORD(Message.WParam)) {
      case BN_CLICKED:
        ButtonClicked();
        return;
      case BN_DOUBLECLICKED:
        ButtonDoubleClicked();
        return;
    }
  }
  TWinControl::WndProc(Message);
}
