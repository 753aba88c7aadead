#pragma once
// Base of the controls over the system BUTTON class (push buttons, check
// boxes, radio buttons): a click arrives as the button's own BN_CLICKED
// notification, reflected back to it by its parent.

#include "toolkit/WinControl.h"

class TButtonControl : public TWinControl {
  FW_CLASS(TButtonControl)
 public:
  explicit TButtonControl(TComponent* AOwner);

  bool GetWordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  // The system button reported a click (mouse, space bar or BM_CLICK).
  virtual void ButtonClicked() { Click(); }
  // A double click on a button that reports them (radio buttons and
  // owner-drawn buttons).
  virtual void ButtonDoubleClicked() { DblClick(); }

 private:
  bool FWordWrap = false;
};
