#pragma once
// The painter of a list view: its scroll bars as for any control with bars
// of its own; the list's column header is a window of its own and gets a
// header painter, kept here.

#include "skin/painters/SkinScrollbar.h"

class TSkinHeader;

class TSkinListView : public TSkinScrollbar {
  FW_CLASS(TSkinListView)
 public:
  using TSkinScrollbar::TSkinScrollbar;
  ~TSkinListView() override;

  void AttachScrollBars(TWinControl* Control, TSkinData* Data, TWinSkinForm* FormSkinner,
                        TCanvas* Canvas) override;
  // The list's column header, or null.
  HWND HeaderWindow() const { return FHeader; }
  // The painter of the column header, or null.
  TSkinHeader* HeaderPainter() const { return FHeaderPainter; }

 protected:
  TSkinScrollbar* NewOfSameFamily(TComponent* AOwner) const override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void AttachHeader(TSkinData* Data, TWinSkinForm* FormSkinner, TCanvas* Canvas);

  HWND FHeader = nullptr;
  TSkinHeader* FHeaderPainter = nullptr;
};
