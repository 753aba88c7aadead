#pragma once
// The painter of a page of a page control: the page's background in the
// skin's button face, whatever colour the page itself has.

#include "skin/painters/SkinControl.h"

class TSkinTabSheet : public TSkinControl {
  FW_CLASS(TSkinTabSheet)
 public:
  explicit TSkinTabSheet(TComponent* AOwner) : TSkinControl(AOwner) {}

 protected:
  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;
};
