#include "toolkit/RadioButton.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TRadioButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TRadioButton>("TRadioButton", &TButtonControl::StaticClass())
          .Creatable()
          .Prop("Caption", &TControl::GetText, &TControl::SetText, std::string())
          .Prop("Alignment", &TRadioButton::GetAlignment, &TRadioButton::SetAlignment,
                taRightJustify)
          .Prop("Checked", &TRadioButton::GetChecked, &TRadioButton::SetChecked, false)
          .Prop("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, true)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TRadioButton);

TRadioButton::TRadioButton(TComponent* AOwner) : TButtonControl(AOwner) {
  SetBounds(0, 0, 113, 17);
}

void TRadioButton::CreateParams(TCreateParams& Params) {
  TButtonControl::CreateParams(Params);
  // Not the automatic kind: the toolkit keeps the group exclusive itself,
  // also for buttons checked from code.
  Params.Style |= BS_RADIOBUTTON;
  if (FAlignment == taLeftJustify) Params.Style |= BS_LEFTTEXT;
}

void TRadioButton::CreateWnd() {
  TButtonControl::CreateWnd();
  SendMessageA(WindowHandle(), BM_SETCHECK, FChecked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::SetChecked(bool Value) {
  if (Value == FChecked) return;
  FChecked = Value;
  if (HandleAllocated())
    SendMessageA(WindowHandle(), BM_SETCHECK, Value ? BST_CHECKED : BST_UNCHECKED, 0);
  if (Value) UncheckSiblings();
  Perform(CM_CHECKEDCHANGED);
}

void TRadioButton::UncheckSiblings() {
  if (!Parent()) return;
  for (int i = 0; i < Parent()->ControlCount(); ++i)
    if (auto* other = dynamic_cast<TRadioButton*>(Parent()->Controls(i)); other && other != this)
      other->SetChecked(false);
}

void TRadioButton::SetAlignment(TAlignment Value) {
  if (Value == taCenter) Value = taRightJustify;
  if (Value == FAlignment) return;
  FAlignment = Value;
  RecreateWnd();
}

void TRadioButton::ButtonClicked() {
  if (!FChecked) {
    SetChecked(true);
    Perform(CM_BUTTONPRESSED);
  }
  Click();
}
