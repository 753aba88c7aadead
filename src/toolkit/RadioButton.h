#pragma once
// A radio button over the system BUTTON class. Checking one unchecks the
// other radio buttons of the same parent; a click checks it (before
// OnClick), a double click also reports OnDblClick. The arrow keys move to
// the previous or next radio button of the parent and check it.

#include "toolkit/ButtonControl.h"

class TRadioButton : public TButtonControl {
  FW_CLASS(TRadioButton)
 public:
  explicit TRadioButton(TComponent* AOwner);

  bool GetChecked() const { return FChecked; }
  void SetChecked(bool Value);
  // taRightJustify (the default) puts the text right of the circle.
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void ButtonClicked() override;
  void KeyDown(WORD& Key, TShiftState Shift) override;

 private:
  void UncheckSiblings();
  // The radio button of the same parent that an arrow key moves to.
  TRadioButton* NeighbourInGroup(bool Forward) const;
  bool FChecked = false;
  TAlignment FAlignment = taRightJustify;
};
