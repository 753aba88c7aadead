#include "toolkit/ListItem.h"

#include <commctrl.h>

#include <algorithm>
#include <utility>

#include "toolkit/ListItems.h"
#include "toolkit/ListView.h"

TCustomListView& TListItem::ListView() const {
  return FOwner.Owner();
}

int TListItem::Index() const {
  return FOwner.IndexOf(this);
}

namespace {
HWND WindowOf(const TListItem& Item) {
  TCustomListView& list = Item.ListView();
  return list.HandleAllocated() ? list.WindowHandle() : nullptr;
}
}  // namespace

void TListItem::SetCaption(const std::string& Value) {
  FCaption = Value;
  if (HWND wnd = WindowOf(*this)) ListView_SetItemText(wnd, Index(), 0, FCaption.data());
}

const std::vector<std::string>& TListItem::GetSubItems() {
  ResolveSubItems();
  return FSubItems;
}

void TListItem::ResolveSubItems() {
  if (FSubItemsOnDemand == 0) return;
  FSubItemsOnDemand = 0;
  FSubItems = ListView().ProvideSubItems(this);
}

void TListItem::SetSubItems(const std::vector<std::string>& Value) {
  const size_t old = std::max<size_t>(FSubItems.size(), std::exchange(FSubItemsOnDemand, 0));
  FSubItems = Value;
  HWND wnd = WindowOf(*this);
  if (!wnd) return;
  const int index = Index();
  for (size_t i = 0; i < std::max(old, FSubItems.size()); ++i) {
    std::string text = i < FSubItems.size() ? FSubItems[i] : std::string();
    ListView_SetItemText(wnd, index, static_cast<int>(i + 1), text.data());
  }
}

void TListItem::AddSubItem(const std::string& Text) {
  ResolveSubItems();
  FSubItems.push_back(Text);
  if (HWND wnd = WindowOf(*this))
    ListView_SetItemText(wnd, Index(), static_cast<int>(FSubItems.size()), FSubItems.back().data());
}

void TListItem::SetImageIndex(int Value) {
  FImageIndex = Value;
  if (HWND wnd = WindowOf(*this)) {
    LVITEMA lv{};
    lv.mask = LVIF_IMAGE;
    lv.iItem = Index();
    lv.iImage = Value;
    SendMessageA(wnd, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&lv));
  }
}

UINT TListItem::StateBits() const {
  UINT state = 0;
  if (FSelected) state |= LVIS_SELECTED;
  if (FFocused) state |= LVIS_FOCUSED;
  if (FCut) state |= LVIS_CUT;
  if (FOverlayIndex >= 0) state |= INDEXTOOVERLAYMASK(FOverlayIndex + 1);
  if (ListView().GetCheckboxes()) {
    state |= INDEXTOSTATEIMAGEMASK(FChecked ? 2 : 1);
  } else if (FStateIndex >= 0) {
    state |= INDEXTOSTATEIMAGEMASK(FStateIndex + 1);
  }
  return state;
}

void TListItem::ApplyState(UINT Mask, UINT State) {
  if (HWND wnd = WindowOf(*this)) ListView_SetItemState(wnd, Index(), State, Mask);
}

void TListItem::SetStateIndex(int Value) {
  FStateIndex = Value;
  ApplyState(LVIS_STATEIMAGEMASK, StateBits());
}

void TListItem::SetOverlayIndex(int Value) {
  FOverlayIndex = Value;
  ApplyState(LVIS_OVERLAYMASK, StateBits());
}

void TListItem::SetCut(bool Value) {
  FCut = Value;
  ApplyState(LVIS_CUT, StateBits());
}

bool TListItem::GetSelected() const {
  if (HWND wnd = WindowOf(*this)) return ListView_GetItemState(wnd, Index(), LVIS_SELECTED) != 0;
  return FSelected;
}

void TListItem::SetSelected(bool Value) {
  FSelected = Value;
  ApplyState(LVIS_SELECTED, Value ? LVIS_SELECTED : 0);
}

bool TListItem::GetFocused() const {
  if (HWND wnd = WindowOf(*this)) return ListView_GetItemState(wnd, Index(), LVIS_FOCUSED) != 0;
  return FFocused;
}

void TListItem::SetFocused(bool Value) {
  FFocused = Value;
  ApplyState(LVIS_FOCUSED, Value ? LVIS_FOCUSED : 0);
}

bool TListItem::GetChecked() const {
  if (HWND wnd = WindowOf(*this); wnd && ListView().GetCheckboxes())
    return ListView_GetCheckState(wnd, Index()) != 0;
  return FChecked;
}

void TListItem::SetChecked(bool Value) {
  FChecked = Value;
  if (ListView().GetCheckboxes()) ApplyState(LVIS_STATEIMAGEMASK, StateBits());
}

RECT TListItem::DisplayRect() const {
  RECT r{};
  if (HWND wnd = WindowOf(*this)) ListView_GetItemRect(wnd, Index(), &r, LVIR_BOUNDS);
  return r;
}

void TListItem::MakeVisible() {
  if (HWND wnd = WindowOf(*this)) ListView_EnsureVisible(wnd, Index(), FALSE);
}

bool TListItem::EditCaption() {
  HWND wnd = WindowOf(*this);
  if (!wnd) return false;
  ::SetFocus(wnd);
  return SendMessageA(wnd, LVM_EDITLABELA, Index(), 0) != 0;
}

void TListItem::Delete() {
  FOwner.Delete(Index());
}
