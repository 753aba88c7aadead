#pragma once
// The painter of a size grip (a scroll-bar window that is not a tab stop,
// in the corner of a sizeable dialog): the grip's square on the skin's face
// colour with the three diagonal ridges in the skin's light and shadow
// colours. Dragging still sizes the window through the grip's own handling.

#include "skin/painters/SkinControl.h"

class TSkinSizer : public TSkinControl {
  FW_CLASS(TSkinSizer)
 public:
  explicit TSkinSizer(TComponent* AOwner);
  ~TSkinSizer() override;

 protected:
  bool BeforeMessage(TMessage& Message) override;
  void Paint(HDC DC, const RECT& Rect) override;
};
