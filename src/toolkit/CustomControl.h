#pragma once
// A windowed control of the toolkit's own window class that paints itself
// on its canvas.

#include "toolkit/Canvas.h"
#include "toolkit/WinControl.h"

class TCustomControl : public TWinControl {
  FW_CLASS(TCustomControl)
 public:
  explicit TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}
  TCanvas& Canvas() { return FCanvas; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void PaintWindow(HDC DC) override;
  virtual void Paint() {}

 private:
  TCanvas FCanvas;
};
