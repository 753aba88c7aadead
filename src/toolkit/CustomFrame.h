#pragma once
// A frame: a scrolling container that groups controls as one unit and can
// be placed on forms and other containers.

#include "toolkit/ScrollingWinControl.h"

class TCustomFrame : public TScrollingWinControl {
  FW_CLASS(TCustomFrame)
 public:
  explicit TCustomFrame(TComponent* AOwner);

 protected:
  void CreateParams(TCreateParams& Params) override;
};

class TFrame : public TCustomFrame {
  FW_CLASS(TFrame)
 public:
  using TCustomFrame::TCustomFrame;
};
