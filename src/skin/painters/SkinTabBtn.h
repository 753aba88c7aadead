#pragma once
// The painter of page controls whose tabs are buttons: each tab is a push
// button from the skin's "Buttons" element, the selected one pressed; flat
// buttons show their face only when selected or under the mouse. There is
// no pane: the pages fill the control below the buttons.

#include "skin/painters/SkinTab.h"

class TSkinTabBtn : public TSkinTab {
  FW_CLASS(TSkinTabBtn)
 public:
  using TSkinTab::TSkinTab;

 protected:
  bool ButtonLook() const override { return true; }
};
