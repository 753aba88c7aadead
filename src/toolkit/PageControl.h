#pragma once
// A tab control whose tabs each show a page (a TTabSheet child). The
// active page fills the area the tabs leave free; the others are hidden.
// Pages whose TabVisible is off keep their place in the page order but
// have no tab. Ctrl+Tab and Ctrl+Shift+Tab anywhere inside the control
// move to the next and previous page, and the focus to its first control.

#include <vector>

#include "toolkit/TabControl.h"

class TTabSheet;

class TPageControl : public TCustomTabControl {
  FW_CLASS(TPageControl)
 public:
  explicit TPageControl(TComponent* AOwner);
  ~TPageControl() override;

  int PageCount() const { return static_cast<int>(FPages.size()); }
  TTabSheet* Pages(int Index) const { return FPages.at(Index); }
  TTabSheet* GetActivePage() const { return FActivePage; }
  void SetActivePage(TTabSheet* Value);
  int GetActivePageIndex() const;
  void SetActivePageIndex(int Value);
  // The next (or previous) page with a tab after Current, wrapping; null
  // when there is none.
  TTabSheet* FindNextPage(TTabSheet* Current, bool Forward) const;
  void SelectNextPage(bool Forward);

  void Loaded() override;

 protected:
  void CreateWnd() override;
  void Change() override;
  void WndProc(TMessage& Message) override;
  void Resized() override;
  int GetImageIndex(int TabIndex) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  friend class TTabSheet;
  void InsertPage(TTabSheet* Page);
  void RemovePage(TTabSheet* Page);
  void MovePage(TTabSheet* Page, int Index);
  // The tabs again, from the pages that have one.
  void PagesChanged();
  int TabIndexOfPage(const TTabSheet* Page) const;
  TTabSheet* PageOfTab(int TabIndex) const;
  void ShowActivePage();

  std::vector<TTabSheet*> FPages;
  TTabSheet* FActivePage = nullptr;
};
