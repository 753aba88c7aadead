#pragma once
// A control without a window: its parent paints it (WM_PAINT with the DC in
// wParam, origin at the control's top-left corner) and passes it the mouse
// messages over it.

#include "toolkit/Canvas.h"
#include "toolkit/Control.h"

class TGraphicControl : public TControl {
  FW_CLASS(TGraphicControl)
 public:
  explicit TGraphicControl(TComponent* AOwner) : TControl(AOwner) {}
  TCanvas& Canvas() { return FCanvas; }

 protected:
  void WndProc(TMessage& Message) override;
  virtual void Paint() {}

 private:
  TCanvas FCanvas;
};
