#pragma once
// A scrolling container with a sunken border (BorderStyle bsSingle) or none.

#include "toolkit/CustomPanel.h"
#include "toolkit/ScrollingWinControl.h"

class TScrollBox : public TScrollingWinControl {
  FW_CLASS(TScrollBox)
 public:
  explicit TScrollBox(TComponent* AOwner);

  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  // Anything but bsNone counts as bsSingle.
  void SetBorderStyle(TBorderStyle Value);

 protected:
  void CreateParams(TCreateParams& Params) override;

 private:
  TBorderStyle FBorderStyle = bsSingle;
};
