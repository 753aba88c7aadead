#include "toolkit/Button.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TButton>("TButton", &TButtonControl::StaticClass())
          .Creatable()
          .Prop("Caption", &TControl::GetText, &TControl::SetText, std::string())
          .Prop("Default", &TButton::GetDefault, &TButton::SetDefault, false)
          .Prop("Cancel", &TButton::GetCancel, &TButton::SetCancel, false)
          .Prop("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, true)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TButton);

TButton::TButton(TComponent* AOwner) : TButtonControl(AOwner) {
  SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& Params) {
  TButtonControl::CreateParams(Params);
  Params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
}

bool TButton::IsOwnerDrawn() const {
  return WindowHandle() &&
         (GetWindowLongPtrA(WindowHandle(), GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
}

void TButton::SetDefault(bool Value) {
  if (Value == FDefault) return;
  FDefault = Value;
  if (IsOwnerDrawn()) {
    Invalidate();
  } else if (HandleAllocated()) {
    SendMessageA(WindowHandle(), BM_SETSTYLE, Value ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
  }
  Perform(CM_DEFAULTCHANGED);
}

void TButton::Click() {
  TButtonControl::Click();
}
