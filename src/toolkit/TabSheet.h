#pragma once
// One page of a TPageControl: a plain container window that the page
// control places and shows. Its caption is the text of its tab.

#include "toolkit/WinControl.h"

class TPageControl;

class TTabSheet : public TWinControl {
  FW_CLASS(TTabSheet)
 public:
  explicit TTabSheet(TComponent* AOwner);
  ~TTabSheet() override;

  TPageControl* GetPageControl() const { return FPageControl; }
  // Makes the sheet a page of Value (its parent too), or of none.
  void SetPageControl(TPageControl* Value);
  void SetParent(TWinControl* Value) override;

  // Position among the page control's pages.
  int GetPageIndex() const;
  void SetPageIndex(int Value);
  // The tab's position, -1 when the page has no tab.
  int TabIndex() const;
  bool GetTabVisible() const { return FTabVisible; }
  void SetTabVisible(bool Value);
  int GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);

  TNotifyEvent OnShow;
  TNotifyEvent OnHide;

 protected:
  void TextChanged() override;
  void VisibleChanged() override;

 private:
  friend class TPageControl;
  TPageControl* FPageControl = nullptr;
  bool FTabVisible = true;
  int FImageIndex = -1;
  // The page index read from a description, applied once loaded.
  int FWantedPageIndex = -1;
};
