#pragma once
// A captioned frame over the system BUTTON class (group box style) that
// holds other controls. The system's group box draws only its frame and
// caption; the toolkit fills the rest with the group's colour.

#include "toolkit/WinControl.h"

class TCustomGroupBox : public TWinControl {
  FW_CLASS(TCustomGroupBox)
 public:
  explicit TCustomGroupBox(TComponent* AOwner);

  // The area inside the frame, below the caption, in client coordinates.
  RECT ContentRect();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
};

class TGroupBox : public TCustomGroupBox {
  FW_CLASS(TGroupBox)
 public:
  using TCustomGroupBox::TCustomGroupBox;
};
