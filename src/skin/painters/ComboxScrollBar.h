#pragma once
// The painter of a drop-down combo box's list: the list is a pop-up that
// holds the mouse capture while it is open, so its overlays float over it
// as pop-ups the mouse passes through; the list's own bar takes every
// press, and the overlays light the part under the cursor.

#include "skin/painters/SkinScrollbarH.h"

class TComboxScrollBar : public TSkinScrollbarH {
  FW_CLASS(TComboxScrollBar)
 public:
  using TSkinScrollbarH::TSkinScrollbarH;

 protected:
  void AfterMessage(TMessage& Message) override;
  bool PopupBars() const override { return true; }
};
