#pragma once
// A brush: colour and style (solid or clear).

#include "toolkit/GdiHandle.h"
#include "toolkit/GraphicsObject.h"
#include "toolkit/GraphicsTypes.h"

class TBrush : public TGraphicsObject {
  FW_CLASS(TBrush)
 public:
  TBrush();
  HBRUSH Handle() const;
  void Assign(const TBrush& Source);

  int GetColor() const { return FColor; }
  void SetColor(int Value);
  TBrushStyle GetStyle() const { return FStyle; }
  void SetStyle(TBrushStyle Value);

 protected:
  void Changed() override;

 private:
  int FColor;
  TBrushStyle FStyle = bsSolid;
  mutable TBrushHandle FHandle;
};
