#pragma once
// The painter of bare container windows (system dialogs, tool-bar windows):
// their background in the skin's button face, and the same face behind the
// static texts and buttons that would otherwise show the system's.

#include "skin/painters/SkinControl.h"
#include "toolkit/GdiHandle.h"

class TSkinBoxH : public TSkinControl {
  FW_CLASS(TSkinBoxH)
 public:
  explicit TSkinBoxH(TComponent* AOwner) : TSkinControl(AOwner) {}

 protected:
  void Detach() override;
  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;

 private:
  HBRUSH FaceBrush();
  // A child's colour request the window answered with the system's face:
  // the skin's face instead.
  void RecolourChild(TMessage& Message);

  TBrushHandle FFaceBrush;
  COLORREF FFaceColour = CLR_INVALID;
};
