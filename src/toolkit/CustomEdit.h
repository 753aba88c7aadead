#pragma once
// A single-line edit over the system EDIT class.

#include "toolkit/WinControl.h"
#include "toolkit/portable/ClassBuilder.h"

class TCustomEdit : public TWinControl {
  FW_CLASS(TCustomEdit)
 public:
  explicit TCustomEdit(TComponent* AOwner);

  int GetMaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  void SelectAll();

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  virtual void Change() { OnChange(this); }

 private:
  int FMaxLength = 0;
  bool FReadOnly = false;
};

// The published edit.
class TEdit : public TCustomEdit {
  FW_CLASS(TEdit)
 public:
  using TCustomEdit::TCustomEdit;
};

// Published edit properties, shared by TEdit and the labelled edit.
template <class C>
TClassBuilder<C>& PublishEditProperties(TClassBuilder<C>& B) {
  return B.Prop("Text", &TControl::GetText, &TControl::SetText, std::string())
      .Prop("MaxLength", &TCustomEdit::GetMaxLength, &TCustomEdit::SetMaxLength, 0)
      .Prop("ReadOnly", &TCustomEdit::GetReadOnly, &TCustomEdit::SetReadOnly, false)
      .Prop("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, true)
      .ColorProp("Color", &TControl::GetColor, &TControl::SetColor, static_cast<int>(0x80000005))
      .EventProp("OnChange", &TCustomEdit::OnChange);
}
