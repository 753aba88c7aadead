#pragma once
// The painter of a list view: its scroll bars as for any control with bars
// of its own; the list's column header is a window of its own, found here.

#include "skin/painters/SkinScrollbar.h"

class TSkinListView : public TSkinScrollbar {
  FW_CLASS(TSkinListView)
 public:
  using TSkinScrollbar::TSkinScrollbar;

  void AttachScrollBars(TWinControl* Control, TSkinData* Data, TWinSkinForm* FormSkinner,
                        TCanvas* Canvas) override;
  // The list's column header, or null.
  HWND HeaderWindow() const { return FHeader; }

 protected:
  TSkinScrollbar* NewOfSameFamily(TComponent* AOwner) const override;

 private:
  HWND FHeader = nullptr;
};
