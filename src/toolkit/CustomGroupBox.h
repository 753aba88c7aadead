#pragma once
// A captioned frame over the system BUTTON class (group box style) that
// holds other controls.

#include "toolkit/WinControl.h"

class TCustomGroupBox : public TWinControl {
  FW_CLASS(TCustomGroupBox)
 public:
  explicit TCustomGroupBox(TComponent* AOwner);

  // The area inside the frame, below the caption, in client coordinates.
  RECT ContentRect();

 protected:
  void CreateParams(TCreateParams& Params) override;
};

class TGroupBox : public TCustomGroupBox {
  FW_CLASS(TGroupBox)
 public:
  using TCustomGroupBox::TCustomGroupBox;
};
