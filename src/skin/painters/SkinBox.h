#pragma once
// The painter of panels, tool bars, navigators and forms placed in other
// forms: the control keeps drawing itself in the colour the attach gave it
// (the skin's button face); the painter only fills its background with
// that colour, and reacts to nothing after the control's own handling.

#include "skin/painters/SkinControl.h"

class TSkinBox : public TSkinControl {
  FW_CLASS(TSkinBox)
 public:
  explicit TSkinBox(TComponent* AOwner) : TSkinControl(AOwner) {}

 protected:
  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage&) override {}
};
