#include "toolkit/Button.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TButton>("TButton", &TWinControl::StaticClass())
          .Creatable()
          .Prop("Caption", &TControl::GetText, &TControl::SetText, std::string())
          .Prop("Default", &TButton::GetDefault, &TButton::SetDefault, false)
          .Prop("Cancel", &TButton::GetCancel, &TButton::SetCancel, false)
          .Prop("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, true)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TButton);

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
}

void TButton::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.BaseClassName = "BUTTON";
  Params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

void TButton::SetDefault(bool Value) {
  if (Value == FDefault) return;
  FDefault = Value;
  if (HandleAllocated())
    SendMessageA(WindowHandle(), BM_SETSTYLE, Value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  Perform(CM_DEFAULTCHANGED);
}

void TButton::Click() {
  TWinControl::Click();
}

void TButton::WndProc(TMessage& Message) {
  if (Message.Msg == CN_COMMAND && HIWORD(Message.WParam) == BN_CLICKED) {
    Click();
    return;
  }
  TWinControl::WndProc(Message);
}
