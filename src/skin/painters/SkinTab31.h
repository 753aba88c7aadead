#pragma once
// The painter of tab sets of the older style: a row of tabs hanging from
// the top edge of a control of its own drawing, under the notebook whose
// pages it selects. The painter lays the tabs out from the control's
// published "Tabs", "TabIndex", "StartMargin" and "TabHeight", draws them
// from the skin's "Tabs" element turned to face upwards, and selects a
// tab the user clicks by setting "TabIndex" (the control's own layout is
// no longer what the user sees, so it does not see the click either).

#include <vector>

#include "skin/painters/SkinTab.h"

class TSkinTab31 : public TSkinTab {
  FW_CLASS(TSkinTab31)
 public:
  using TSkinTab::TSkinTab;

  // The tabs' rectangles as the painter lays them out now.
  std::vector<RECT> TabRects() const;

 protected:
  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;
  void Paint(HDC DC, const RECT& Rect) override;
  bool ButtonLook() const override { return false; }
  bool CanDraw() const override { return TabsElement() != nullptr; }

 private:
  std::vector<TTabItem> ReadTabSet() const;
  int TabAt(POINT At) const;
  void OnMouseDown(const TMessage& Message);
  void OnMouseMove(const TMessage& Message);
};
