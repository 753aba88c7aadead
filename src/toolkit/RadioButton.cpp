#include "toolkit/RadioButton.h"

#include <algorithm>
#include <vector>

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TRadioButton::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TRadioButton>("TRadioButton", &TButtonControl::StaticClass())
          .Creatable()
          .Prop("Caption", &TControl::GetText, &TControl::SetText, std::string())
          .Prop("ParentColor", &TControl::GetParentColor, &TControl::SetParentColor, true)
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
  SetParentColor(true);  // shows the background it sits on
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

TRadioButton* TRadioButton::NeighbourInGroup(bool Forward) const {
  if (!Parent()) return nullptr;
  std::vector<TRadioButton*> group;
  for (int i = 0; i < Parent()->ControlCount(); ++i)
    if (auto* b = dynamic_cast<TRadioButton*>(Parent()->Controls(i));
        b && (b == this || b->CanFocus()))
      group.push_back(b);
  auto it = std::find(group.begin(), group.end(), this);
  if (group.size() < 2 || it == group.end()) return nullptr;
  const size_t i = static_cast<size_t>(it - group.begin()), n = group.size();
  return group[Forward ? (i + 1) % n : (i + n - 1) % n];
}

void TRadioButton::KeyDown(WORD& Key, TShiftState Shift) {
  TButtonControl::KeyDown(Key, Shift);
  if (Key != VK_UP && Key != VK_DOWN && Key != VK_LEFT && Key != VK_RIGHT) return;
  TRadioButton* next = NeighbourInGroup(Key == VK_DOWN || Key == VK_RIGHT);
  if (!next) return;
  Key = 0;
  next->SetFocus();
  next->ButtonClicked();
}
