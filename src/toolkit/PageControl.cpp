#include "toolkit/PageControl.h"

#include <commctrl.h>

#include <algorithm>

#include "toolkit/TabSheet.h"

const TClassInfo& TPageControl::StaticClass() {
  static const TClassInfo info = [] {
    TClassBuilder<TPageControl> b("TPageControl", &TCustomTabControl::StaticClass());
    b.Creatable().PropNoDefault("ActivePage", &TPageControl::GetActivePage,
                                &TPageControl::SetActivePage);
    return PublishTabProperties(b).Info();
  }();
  return info;
}
FW_REGISTER_CLASS(TPageControl);

TPageControl::TPageControl(TComponent* AOwner) : TCustomTabControl(AOwner) {}

TPageControl::~TPageControl() {
  // The sheets are children and go with the control; they must not call
  // back into it meanwhile.
  for (TTabSheet* page : FPages) page->FPageControl = nullptr;
  FPages.clear();
  FActivePage = nullptr;
}

void TPageControl::InsertPage(TTabSheet* Page) {
  FPages.push_back(Page);
  Page->FreeNotification(this);
  PagesChanged();
  if (!FActivePage && !ComponentState().Contains(csLoading)) SetActivePage(Page);
}

void TPageControl::RemovePage(TTabSheet* Page) {
  FPages.erase(std::remove(FPages.begin(), FPages.end(), Page), FPages.end());
  if (FActivePage == Page) {
    FActivePage = nullptr;
    if (!ComponentState().Contains(csDestroying)) SetActivePage(FindNextPage(nullptr, true));
  }
  if (!ComponentState().Contains(csDestroying)) PagesChanged();
}

void TPageControl::MovePage(TTabSheet* Page, int Index) {
  auto it = std::find(FPages.begin(), FPages.end(), Page);
  if (it == FPages.end()) return;
  FPages.erase(it);
  Index = std::clamp(Index, 0, static_cast<int>(FPages.size()));
  FPages.insert(FPages.begin() + Index, Page);
  PagesChanged();
}

void TPageControl::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomTabControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FActivePage) FActivePage = nullptr;
}

void TPageControl::Loaded() {
  // Pages that asked for a position take it now, in page order.
  std::vector<TTabSheet*> wanted;
  for (TTabSheet* p : FPages)
    if (p->FWantedPageIndex >= 0) wanted.push_back(p);
  std::stable_sort(wanted.begin(), wanted.end(), [](TTabSheet* A, TTabSheet* B) {
    return A->FWantedPageIndex < B->FWantedPageIndex;
  });
  for (TTabSheet* p : wanted) MovePage(p, std::exchange(p->FWantedPageIndex, -1));
  TCustomTabControl::Loaded();
  if (!FActivePage) FActivePage = FindNextPage(nullptr, true);
  PagesChanged();
}

int TPageControl::TabIndexOfPage(const TTabSheet* Page) const {
  int tab = 0;
  for (TTabSheet* p : FPages) {
    if (!p->FTabVisible) continue;
    if (p == Page) return tab;
    ++tab;
  }
  return -1;
}

TTabSheet* TPageControl::PageOfTab(int TabIndex) const {
  int tab = 0;
  for (TTabSheet* p : FPages) {
    if (!p->FTabVisible) continue;
    if (tab++ == TabIndex) return p;
  }
  return nullptr;
}

int TPageControl::GetImageIndex(int TabIndex) {
  TTabSheet* page = PageOfTab(TabIndex);
  return page ? page->FImageIndex : -1;
}

void TPageControl::PagesChanged() {
  FTabs.clear();
  for (TTabSheet* p : FPages)
    if (p->FTabVisible) FTabs.push_back(p->GetText());
  SetTabIndex(-1);
  UpdateTabs();
  ShowActivePage();
}

void TPageControl::CreateWnd() {
  TCustomTabControl::CreateWnd();
  PagesChanged();
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* Current, bool Forward) const {
  const int n = static_cast<int>(FPages.size());
  if (n == 0) return nullptr;
  auto it = std::find(FPages.begin(), FPages.end(), Current);
  int start = it == FPages.end() ? (Forward ? n - 1 : 0) : static_cast<int>(it - FPages.begin());
  for (int step = 1; step <= n; ++step) {
    int i = ((start + (Forward ? step : -step)) % n + n) % n;
    if (FPages[i]->FTabVisible) return FPages[i];
  }
  return nullptr;
}

void TPageControl::SelectNextPage(bool Forward) {
  TTabSheet* next = FindNextPage(FActivePage, Forward);
  if (!next || next == FActivePage || !CanChange()) return;
  SetActivePage(next);
  Change();
}

void TPageControl::SetActivePage(TTabSheet* Value) {
  if (Value && Value->FPageControl != this) return;
  FActivePage = Value;
  if (ComponentState().Contains(csLoading)) return;
  ShowActivePage();
}

int TPageControl::GetActivePageIndex() const {
  return FActivePage ? FActivePage->GetPageIndex() : -1;
}

void TPageControl::SetActivePageIndex(int Value) {
  SetActivePage(Value >= 0 && Value < PageCount() ? FPages[Value] : nullptr);
}

void TPageControl::ShowActivePage() {
  if (ComponentState().Contains(csLoading)) return;
  int tab = FActivePage ? TabIndexOfPage(FActivePage) : -1;
  SetTabIndex(tab);
  Resized();
  // Show the new page before hiding the old one, so that nothing flashes
  // through.
  if (FActivePage) {
    FActivePage->SetVisible(true);
    if (FActivePage->HandleAllocated())
      SetWindowPos(FActivePage->WindowHandle(), HWND_TOP, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  }
  for (TTabSheet* p : FPages)
    if (p != FActivePage) p->SetVisible(false);
}

void TPageControl::Resized() {
  RECT r = DisplayRect();
  for (TTabSheet* p : FPages) p->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void TPageControl::WndProc(TMessage& Message) {
  if (Message.Msg == CM_DIALOGKEY && Message.WParam == VK_TAB && FActivePage) {
    TTabSheet* before = FActivePage;
    SelectNextPage(GetKeyState(VK_SHIFT) >= 0);
    if (FActivePage != before) {
      // The focus must not stay on a page that is hidden now.
      if (TWinControl* first = FActivePage->FindNextControl(nullptr, true)) {
        first->SetFocus();
      } else if (CanFocus()) {
        SetFocus();
      }
    }
    Message.Result = 1;
    return;
  }
  TCustomTabControl::WndProc(Message);
}

void TPageControl::Change() {
  TTabSheet* page = PageOfTab(TabCtrl_GetCurSel(WindowHandle()));
  if (page) SetActivePage(page);
  TCustomTabControl::Change();
}
