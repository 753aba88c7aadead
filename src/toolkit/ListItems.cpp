#include "toolkit/ListItems.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>

#include "toolkit/ListView.h"

TListItems::~TListItems() {
  FreeAll();
}

void TListItems::FreeAll() {
  for (TListItem* item : FItems) delete item;
  FItems.clear();
}

int TListItems::IndexOf(const TListItem* Item) const {
  auto it = std::find(FItems.begin(), FItems.end(), Item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

TListItem* TListItems::Add(const std::string& Caption) {
  return Insert(Count(), Caption);
}

TListItem* TListItems::Add(const std::string& Caption, const TListItemLook& Look) {
  auto* item = new TListItem(*this);
  item->FCaption = Caption;
  item->FImageIndex = Look.ImageIndex;
  item->FOverlayIndex = Look.OverlayIndex;
  item->FCut = Look.Cut;
  item->FSubItemsOnDemand = Look.SubItemsOnDemand;
  item->Data = Look.Data;
  FItems.push_back(item);
  InsertIntoWindow(Count() - 1);
  return item;
}

TListItem* TListItems::Insert(int Index, const std::string& Caption) {
  if (Index < 0 || Index > Count()) throw std::out_of_range("list item index out of range");
  auto* item = new TListItem(*this);
  item->FCaption = Caption;
  FItems.insert(FItems.begin() + Index, item);
  InsertIntoWindow(Index);
  return item;
}

void TListItems::InsertIntoWindow(int Index) {
  if (!FOwner.HandleAllocated()) return;
  TListItem* item = FItems[Index];
  HWND wnd = FOwner.WindowHandle();
  LVITEMA lv{};
  lv.mask = LVIF_TEXT | LVIF_PARAM | LVIF_IMAGE | LVIF_STATE;
  lv.iItem = Index;
  lv.pszText = item->FCaption.data();
  lv.lParam = reinterpret_cast<LPARAM>(item);
  lv.iImage = item->FImageIndex;
  lv.stateMask = LVIS_SELECTED | LVIS_FOCUSED | LVIS_CUT | LVIS_OVERLAYMASK | LVIS_STATEIMAGEMASK;
  lv.state = item->StateBits();
  const bool quiet = std::exchange(FOwner.FQuiet, true);
  SendMessageA(wnd, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&lv));
  if (item->FSubItemsOnDemand > 0) {
    for (int i = 1; i <= item->FSubItemsOnDemand; ++i)
      ListView_SetItemText(wnd, Index, i, LPSTR_TEXTCALLBACKA);
  } else {
    for (size_t i = 0; i < item->FSubItems.size(); ++i)
      ListView_SetItemText(wnd, Index, static_cast<int>(i + 1), item->FSubItems[i].data());
  }
  FOwner.FQuiet = quiet;
}

void TListItems::Delete(int Index) {
  TListItem* item = FItems.at(Index);
  FOwner.Delete(item);
  // The reaction may have changed the list; find the item again.
  Index = IndexOf(item);
  if (Index < 0) return;
  FItems.erase(FItems.begin() + Index);
  if (FOwner.HandleAllocated()) {
    const bool quiet = std::exchange(FOwner.FQuiet, true);
    ListView_DeleteItem(FOwner.WindowHandle(), Index);
    FOwner.FQuiet = quiet;
  }
  delete item;
}

// From the end, each item's deletion reaction first; the window lets go of
// all items at once afterwards (one by one costs the control a pass over
// the rest each time).
void TListItems::Clear() {
  BeginUpdate();
  while (!FItems.empty()) {
    TListItem* item = FItems.back();
    FOwner.Delete(item);
    // The reaction may have deleted this item, or others, itself.
    auto it = std::find(FItems.rbegin(), FItems.rend(), item);
    if (it == FItems.rend()) continue;
    const int index = static_cast<int>(FItems.rend() - it) - 1;
    FItems.erase(FItems.begin() + index);
    if (index != Count() && FOwner.HandleAllocated()) {
      const bool quiet = std::exchange(FOwner.FQuiet, true);
      ListView_DeleteItem(FOwner.WindowHandle(), index);
      FOwner.FQuiet = quiet;
    }
    delete item;
  }
  if (FOwner.HandleAllocated()) {
    const bool quiet = std::exchange(FOwner.FQuiet, true);
    ListView_DeleteAllItems(FOwner.WindowHandle());
    FOwner.FQuiet = quiet;
  }
  EndUpdate();
}

void TListItems::BeginUpdate() {
  if (FUpdateCount++ == 0 && FOwner.HandleAllocated())
    SendMessageA(FOwner.WindowHandle(), WM_SETREDRAW, FALSE, 0);
}

void TListItems::EndUpdate() {
  if (FUpdateCount == 0 || --FUpdateCount > 0 || !FOwner.HandleAllocated()) return;
  SendMessageA(FOwner.WindowHandle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(FOwner.WindowHandle(), nullptr, TRUE);
}
