#pragma once
// The painter of the scroll bars of a window the toolkit did not make (the
// list of a system dialog, a simple combo box's list): two overlays kept
// over the window's native bars as it is sized, moved, painted, shown and
// hidden.

#include <windows.h>

#include "skin/painters/ScrollBarPair.h"
#include "skin/painters/SkinControl.h"

class TWScrollbar;

class TSkinScrollbarH : public TSkinControl {
  FW_CLASS(TSkinScrollbarH)
 public:
  explicit TSkinScrollbarH(TComponent* AOwner);
  ~TSkinScrollbarH() override;

  void AttachToWindow(HWND Window, TSkinData* Data, TWinSkinForm* FormSkinner,
                      TCanvas* Canvas) override;
  void PlaceBars();
  void SkinChanged() override;

  TWScrollbar* HorzBar() const { return FBars.Horz(); }
  TWScrollbar* VertBar() const { return FBars.Vert(); }

 protected:
  void Detach() override;
  void AfterMessage(TMessage& Message) override;
  void Paint(HDC DC, const RECT& Rect) override;
  // Overlays that float as pop-ups over a pop-up window.
  virtual bool PopupBars() const { return false; }
  TScrollBarPair& Bars() { return FBars; }

 private:
  TScrollBarPair FBars;
  // The window's own painting must not cover its siblings, the overlays.
  bool FAddedClipSiblings = false;
};
