#pragma once
// The painter of a stand-alone scroll-bar control: one overlay over the
// whole control, kept over it as it is sized, moved, shown, hidden,
// enabled and scrolled. The control's reflected scroll notifications name
// the part its tracking loop operates.

#include "skin/painters/SkinControl.h"

class TWScrollbar;
class TScrollBar;

class TSkinScControl : public TSkinControl {
  FW_CLASS(TSkinScControl)
 public:
  explicit TSkinScControl(TComponent* AOwner);
  ~TSkinScControl() override;

  // The painter's owner is the control.
  void AttachScrollBar(TWinControl* Control, TSkinData* Data, TWinSkinForm* FormSkinner,
                       TCanvas* Canvas);
  TWScrollbar* Bar() const { return FBar; }

 protected:
  void Detach() override;
  void AfterMessage(TMessage& Message) override;
  void Paint(HDC DC, const RECT& Rect) override;

 private:
  void MakeBar();
  void FreeBar();

  TWScrollbar* FBar = nullptr;
};
