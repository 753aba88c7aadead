#pragma once
// A windowless frame or line drawn with the system's 3-D edges; it has no
// fill, so what lies below shows through.

#include "toolkit/GraphicControl.h"

FW_ENUM(TBevelShape, bsBox, bsFrame, bsTopLine, bsBottomLine, bsLeftLine, bsRightLine, bsSpacer)
FW_ENUM(TBevelStyle, bsLowered, bsRaised)

class TBevel : public TGraphicControl {
  FW_CLASS(TBevel)
 public:
  explicit TBevel(TComponent* AOwner);

  TBevelShape GetShape() const { return FShape; }
  void SetShape(TBevelShape Value);
  TBevelStyle GetStyle() const { return FStyle; }
  void SetStyle(TBevelStyle Value);

 protected:
  void Paint() override;

 private:
  TBevelShape FShape = bsBox;
  TBevelStyle FStyle = bsLowered;
};
