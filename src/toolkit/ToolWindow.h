#pragma once
// The ancestor of bars that hold tools (the tool bar): a windowed control
// with an etched edge along the sides named in EdgeBorders.

#include "toolkit/WinControl.h"

FW_ENUM(TEdgeBorder, ebLeft, ebTop, ebRight, ebBottom)
using TEdgeBorders = TSet<TEdgeBorder>;

class TToolWindow : public TWinControl {
  FW_CLASS(TToolWindow)
 public:
  explicit TToolWindow(TComponent* AOwner) : TWinControl(AOwner) {}

  TEdgeBorders GetEdgeBorders() const { return FEdgeBorders; }
  void SetEdgeBorders(TEdgeBorders Value);

 protected:
  void WndProc(TMessage& Message) override;

 private:
  void PaintEdges();

  TEdgeBorders FEdgeBorders;
};
