#pragma once
// A cosmetic pen: colour, width and style.

#include "toolkit/GdiHandle.h"
#include "toolkit/GraphicsObject.h"
#include "toolkit/GraphicsTypes.h"

class TPen : public TGraphicsObject {
  FW_CLASS(TPen)
 public:
  TPen();
  HPEN Handle() const;
  void Assign(const TPen& Source);

  int GetColor() const { return FColor; }
  void SetColor(int Value);
  int GetWidth() const { return FWidth; }
  void SetWidth(int Value);
  TPenStyle GetStyle() const { return FStyle; }
  void SetStyle(TPenStyle Value);

 protected:
  void Changed() override;

 private:
  int FColor = 0;
  int FWidth = 1;
  TPenStyle FStyle = psSolid;
  mutable TPenHandle FHandle;
};
