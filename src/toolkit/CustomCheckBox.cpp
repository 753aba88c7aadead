#include "toolkit/CustomCheckBox.h"

const TClassInfo& TCustomCheckBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomCheckBox>("TCustomCheckBox", &TButtonControl::StaticClass()).Info();
  return info;
}

const TClassInfo& TCheckBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCheckBox>("TCheckBox", &TCustomCheckBox::StaticClass())
          .Creatable()
          .Prop("Caption", &TControl::GetText, &TControl::SetText, std::string())
          .Prop("ParentColor", &TControl::GetParentColor, &TControl::SetParentColor, true)
          .Prop("Alignment", &TCustomCheckBox::GetAlignment, &TCustomCheckBox::SetAlignment,
                taRightJustify)
          .Prop("AllowGrayed", &TCustomCheckBox::GetAllowGrayed, &TCustomCheckBox::SetAllowGrayed,
                false)
          // State after Checked: a description that gives both means State.
          .Prop("Checked", &TCustomCheckBox::GetChecked, &TCustomCheckBox::SetChecked, false)
          .Prop("State", &TCustomCheckBox::GetState, &TCustomCheckBox::SetState, cbUnchecked)
          .Prop("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, true)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TCheckBox);

namespace {
WPARAM ButtonCheckOf(TCheckBoxState State) {
  switch (State) {
    case cbChecked:
      return BST_CHECKED;
    case cbGrayed:
      return BST_INDETERMINATE;
    default:
      return BST_UNCHECKED;
  }
}
}  // namespace

TCustomCheckBox::TCustomCheckBox(TComponent* AOwner) : TButtonControl(AOwner) {
  SetBounds(0, 0, 97, 17);
  SetParentColor(true);  // shows the background it sits on
}

void TCustomCheckBox::CreateParams(TCreateParams& Params) {
  TButtonControl::CreateParams(Params);
  // Three-state always, so that a grayed state set from code shows; the
  // toolkit moves between the states itself.
  Params.Style |= BS_3STATE;
  if (FAlignment == taLeftJustify) Params.Style |= BS_LEFTTEXT;
}

void TCustomCheckBox::CreateWnd() {
  TButtonControl::CreateWnd();
  SendMessageA(WindowHandle(), BM_SETCHECK, ButtonCheckOf(FState), 0);
}

void TCustomCheckBox::SetState(TCheckBoxState Value) {
  if (Value == FState) return;
  FState = Value;
  if (HandleAllocated()) SendMessageA(WindowHandle(), BM_SETCHECK, ButtonCheckOf(Value), 0);
  Perform(CM_CHECKEDCHANGED);
}

void TCustomCheckBox::SetAlignment(TAlignment Value) {
  if (Value == taCenter) Value = taRightJustify;
  if (Value == FAlignment) return;
  FAlignment = Value;
  RecreateWnd();
}

void TCustomCheckBox::ButtonClicked() {
  switch (FState) {
    case cbUnchecked:
      SetState(cbChecked);
      break;
    case cbChecked:
      SetState(FAllowGrayed ? cbGrayed : cbUnchecked);
      break;
    case cbGrayed:
      SetState(cbUnchecked);
      break;
  }
  Perform(CM_BUTTONPRESSED);
  Click();
}
