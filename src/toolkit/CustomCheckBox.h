#pragma once
// A check box over the system BUTTON class with two or three states. A
// click moves unchecked to checked, checked to grayed (when AllowGrayed)
// or unchecked, grayed to unchecked; the new state is set before OnClick.
// Setting State or Checked from code changes the box without OnClick.

#include "toolkit/ButtonControl.h"
#include "toolkit/portable/ClassBuilder.h"

FW_ENUM(TCheckBoxState, cbUnchecked, cbChecked, cbGrayed)

class TCustomCheckBox : public TButtonControl {
  FW_CLASS(TCustomCheckBox)
 public:
  explicit TCustomCheckBox(TComponent* AOwner);

  TCheckBoxState GetState() const { return FState; }
  void SetState(TCheckBoxState Value);
  bool GetChecked() const { return FState == cbChecked; }
  void SetChecked(bool Value) { SetState(Value ? cbChecked : cbUnchecked); }
  bool GetAllowGrayed() const { return FAllowGrayed; }
  void SetAllowGrayed(bool Value) { FAllowGrayed = Value; }
  // taRightJustify (the default) puts the text right of the box,
  // taLeftJustify left of it.
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void ButtonClicked() override;

 private:
  TCheckBoxState FState = cbUnchecked;
  bool FAllowGrayed = false;
  TAlignment FAlignment = taRightJustify;
};

class TCheckBox : public TCustomCheckBox {
  FW_CLASS(TCheckBox)
 public:
  using TCustomCheckBox::TCustomCheckBox;
};
