#include "toolkit/ListView.h"

#include <commctrl.h>

#include <algorithm>
#include <exception>

const TClassInfo& TCustomListView::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomListView>("TCustomListView", &TWinControl::StaticClass()).Info();
  return info;
}

const TClassInfo& TListView::StaticClass() {
  static const TClassInfo info = [] {
    TClassBuilder<TListView> b("TListView", &TCustomListView::StaticClass());
    b.Creatable();
    return PublishListViewProperties(b).Info();
  }();
  return info;
}
FW_REGISTER_CLASS(TListView);

TCustomListView::TCustomListView(TComponent* AOwner)
    : TWinControl(AOwner), FItems(*this), FColumns(std::make_unique<TListColumns>(this)) {
  SetBounds(0, 0, 250, 150);
  SetTabStop(true);
  SetColor(static_cast<int>(0x80000005));  // clWindow
}

TCustomListView::~TCustomListView() {
  DestroyHandle();
  FItems.FreeAll();
  FColumns.reset();
}

void TCustomListView::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.BaseClassName = WC_LISTVIEWA;
  // The image lists belong to their components, not to the window.
  Params.Style |= LVS_SHAREIMAGELISTS | LVS_AUTOARRANGE;
  switch (FViewStyle) {
    case vsIcon:
      Params.Style |= LVS_ICON;
      break;
    case vsSmallIcon:
      Params.Style |= LVS_SMALLICON;
      break;
    case vsList:
      Params.Style |= LVS_LIST;
      break;
    case vsReport:
      Params.Style |= LVS_REPORT;
      break;
  }
  if (!FMultiSelect) Params.Style |= LVS_SINGLESEL;
  if (!FReadOnly) Params.Style |= LVS_EDITLABELS;
  if (!FHideSelection) Params.Style |= LVS_SHOWSELALWAYS;
  if (!FShowColumnHeaders) Params.Style |= LVS_NOCOLUMNHEADER;
  if (!FColumnClick) Params.Style |= LVS_NOSORTHEADER;
  Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::CreateWnd() {
  TWinControl::CreateWnd();
  ApplyExtendedStyle();
  ApplyColors();
  ApplyImages();
  UpdateColumns();
  for (int i = 0; i < FItems.Count(); ++i) FItems.InsertIntoWindow(i);
}

// The items stay; their selection, focus and check marks are kept for the
// next window.
void TCustomListView::DestroyWnd() {
  for (TListItem* item : FItems.FItems) {
    item->FSelected = item->GetSelected();
    item->FFocused = item->GetFocused();
    item->FChecked = item->GetChecked();
  }
  const bool quiet = std::exchange(FQuiet, true);
  TWinControl::DestroyWnd();
  FQuiet = quiet;
}

void TCustomListView::RecreateKeepingItems() {
  RecreateWnd();
}

void TCustomListView::ApplyExtendedStyle() {
  if (!HandleAllocated()) return;
  DWORD ex = LVS_EX_LABELTIP;
  if (FRowSelect) ex |= LVS_EX_FULLROWSELECT;
  if (FGridLines) ex |= LVS_EX_GRIDLINES;
  if (FHotTrack) ex |= LVS_EX_TRACKSELECT;
  if (FCheckboxes) ex |= LVS_EX_CHECKBOXES;
  ListView_SetExtendedListViewStyle(WindowHandle(), ex);
}

void TCustomListView::ApplyColors() {
  if (!HandleAllocated()) return;
  HWND wnd = WindowHandle();
  ListView_SetBkColor(wnd, ColorToRGB(GetColor()));
  ListView_SetTextBkColor(wnd, ColorToRGB(GetColor()));
  ListView_SetTextColor(wnd, ColorToRGB(GetFont()->GetColor()));
}

void TCustomListView::ApplyImages() {
  if (!HandleAllocated()) return;
  HWND wnd = WindowHandle();
  ListView_SetImageList(wnd, FLargeImages ? FLargeImages->Handle() : nullptr, LVSIL_NORMAL);
  ListView_SetImageList(wnd, FSmallImages ? FSmallImages->Handle() : nullptr, LVSIL_SMALL);
  if (!FCheckboxes)
    ListView_SetImageList(wnd, FStateImages ? FStateImages->Handle() : nullptr, LVSIL_STATE);
}

void TCustomListView::UpdateColumns() {
  if (!HandleAllocated() || !FColumns) return;
  HWND wnd = WindowHandle();
  HWND header = ListView_GetHeader(wnd);
  int existing = header ? Header_GetItemCount(header) : 0;
  while (existing-- > 0) ListView_DeleteColumn(wnd, 0);
  int index = 0;
  for (int i = 0; i < FColumns->Count(); ++i) {
    TListColumn& c = FColumns->Items(i);
    if (!c.Alive()) continue;
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
    column.pszText = c.FCaption.data();
    column.cx = c.FWidth;
    column.iSubItem = index;
    column.fmt = c.FAlignment == taCenter         ? LVCFMT_CENTER
                 : c.FAlignment == taRightJustify ? LVCFMT_RIGHT
                                                  : LVCFMT_LEFT;
    if (c.FImageIndex >= 0) {
      column.mask |= LVCF_IMAGE;
      column.fmt |= LVCFMT_IMAGE;
      column.iImage = c.FImageIndex;
    }
    SendMessageA(wnd, LVM_INSERTCOLUMNA, index++, reinterpret_cast<LPARAM>(&column));
  }
}

void TCustomListView::SetViewStyle(TViewStyle Value) {
  if (Value == FViewStyle) return;
  FViewStyle = Value;
  RecreateKeepingItems();
}

void TCustomListView::SetImageList(TImageList*& Field, TImageList* Value) {
  Field = Value;
  if (Value) Value->FreeNotification(this);
  ApplyImages();
}

void TCustomListView::SetLargeImages(TImageList* Value) {
  SetImageList(FLargeImages, Value);
}
void TCustomListView::SetSmallImages(TImageList* Value) {
  SetImageList(FSmallImages, Value);
}
void TCustomListView::SetStateImages(TImageList* Value) {
  SetImageList(FStateImages, Value);
}

void TCustomListView::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  bool changed = false;
  for (TImageList** field : {&FLargeImages, &FSmallImages, &FStateImages})
    if (*field == AComponent) {
      *field = nullptr;
      changed = true;
    }
  if (changed && !ComponentState().Contains(csDestroying)) ApplyImages();
}

void TCustomListView::SetMultiSelect(bool Value) {
  if (Value == FMultiSelect) return;
  FMultiSelect = Value;
  RecreateKeepingItems();
}

void TCustomListView::SetReadOnly(bool Value) {
  if (Value == FReadOnly) return;
  FReadOnly = Value;
  RecreateKeepingItems();
}

void TCustomListView::SetHideSelection(bool Value) {
  if (Value == FHideSelection) return;
  FHideSelection = Value;
  RecreateKeepingItems();
}

void TCustomListView::SetShowColumnHeaders(bool Value) {
  if (Value == FShowColumnHeaders) return;
  FShowColumnHeaders = Value;
  RecreateKeepingItems();
}

void TCustomListView::SetColumnClick(bool Value) {
  if (Value == FColumnClick) return;
  FColumnClick = Value;
  RecreateKeepingItems();
}

void TCustomListView::SetRowSelect(bool Value) {
  FRowSelect = Value;
  ApplyExtendedStyle();
}

void TCustomListView::SetGridLines(bool Value) {
  FGridLines = Value;
  ApplyExtendedStyle();
}

void TCustomListView::SetHotTrack(bool Value) {
  FHotTrack = Value;
  ApplyExtendedStyle();
}

void TCustomListView::SetCheckboxes(bool Value) {
  if (Value == FCheckboxes) return;
  for (TListItem* item : FItems.FItems) item->FChecked = item->GetChecked();
  FCheckboxes = Value;
  RecreateKeepingItems();
}

TListItem* TCustomListView::ItemOfIndex(int Index) const {
  return Index >= 0 && Index < FItems.Count() ? FItems.FItems[Index] : nullptr;
}

TListItem* TCustomListView::GetNextItem(TListItem* Start, UINT Flags) const {
  if (!WindowHandle()) return nullptr;
  int from = Start ? Start->Index() : -1;
  return ItemOfIndex(ListView_GetNextItem(WindowHandle(), from, Flags));
}

TListItem* TCustomListView::Selected() const {
  if (!WindowHandle()) {
    for (TListItem* item : FItems.FItems)
      if (item->FSelected) return item;
    return nullptr;
  }
  return GetNextItem(nullptr, LVNI_SELECTED);
}

int TCustomListView::SelCount() const {
  if (!WindowHandle()) {
    int n = 0;
    for (TListItem* item : FItems.FItems) n += item->FSelected;
    return n;
  }
  return ListView_GetSelectedCount(WindowHandle());
}

TListItem* TCustomListView::ItemFocused() const {
  return GetNextItem(nullptr, LVNI_FOCUSED);
}

void TCustomListView::SetItemFocused(TListItem* Item) {
  if (TListItem* old = ItemFocused(); old && old != Item) old->SetFocused(false);
  if (Item) Item->SetFocused(true);
}

TListItem* TCustomListView::GetItemAt(int X, int Y) const {
  if (!WindowHandle()) return nullptr;
  LVHITTESTINFO hit{};
  hit.pt = {X, Y};
  int index = ListView_HitTest(WindowHandle(), &hit);
  return (hit.flags & LVHT_ONITEM) ? ItemOfIndex(index) : nullptr;
}

void TCustomListView::ClearSelection() {
  for (TListItem* item : FItems.FItems) item->FSelected = false;
  if (HandleAllocated()) ListView_SetItemState(WindowHandle(), -1, 0, LVIS_SELECTED);
}

void TCustomListView::SelectAll() {
  if (!FMultiSelect) return;
  for (TListItem* item : FItems.FItems) item->FSelected = true;
  if (HandleAllocated()) ListView_SetItemState(WindowHandle(), -1, LVIS_SELECTED, LVIS_SELECTED);
}

int TCustomListView::StringWidth(const std::string& Text) {
  return ListView_GetStringWidth(Handle(), Text.c_str());
}

HWND TCustomListView::HeaderHandle() const {
  return WindowHandle() ? ListView_GetHeader(WindowHandle()) : nullptr;
}

namespace {
struct TSortContext {
  const TLVCompare* Compare;
  LPARAM Data;
  std::exception_ptr Failure;
};

int CALLBACK SortCallback(LPARAM A, LPARAM B, LPARAM Context) {
  auto* context = reinterpret_cast<TSortContext*>(Context);
  if (context->Failure) return 0;
  try {
    return (*context->Compare)(reinterpret_cast<TListItem*>(A), reinterpret_cast<TListItem*>(B),
                               context->Data);
  } catch (...) {
    // Exceptions do not cross the system control; the sort carries it out.
    context->Failure = std::current_exception();
    return 0;
  }
}
}  // namespace

void TCustomListView::CustomSort(const TLVCompare& Compare, LPARAM Data) {
  TSortContext context{&Compare, Data, nullptr};
  if (HandleAllocated()) {
    ListView_SortItems(WindowHandle(), SortCallback, reinterpret_cast<LPARAM>(&context));
    ReadOrderFromWindow();
  } else {
    std::stable_sort(FItems.FItems.begin(), FItems.FItems.end(), [&](TListItem* A, TListItem* B) {
      return SortCallback(reinterpret_cast<LPARAM>(A), reinterpret_cast<LPARAM>(B),
                          reinterpret_cast<LPARAM>(&context)) < 0;
    });
  }
  if (context.Failure) std::rethrow_exception(context.Failure);
}

int TCustomListView::CompareItems(TListItem* A, TListItem* B) {
  if (OnCompare.Assigned()) {
    int result = 0;
    OnCompare(this, A, B, result);
    return result;
  }
  return lstrcmpiA(A->FCaption.c_str(), B->FCaption.c_str());
}

void TCustomListView::AlphaSort() {
  CustomSort([this](TListItem* A, TListItem* B, LPARAM) { return CompareItems(A, B); }, 0);
}

// The system control sorted its items; the toolkit's list follows.
void TCustomListView::ReadOrderFromWindow() {
  HWND wnd = WindowHandle();
  std::vector<TListItem*> order;
  for (int i = 0; i < ListView_GetItemCount(wnd); ++i) {
    LVITEMA lv{};
    lv.mask = LVIF_PARAM;
    lv.iItem = i;
    SendMessageA(wnd, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&lv));
    order.push_back(reinterpret_cast<TListItem*>(lv.lParam));
  }
  if (order.size() == FItems.FItems.size()) FItems.FItems = std::move(order);
}

bool TCustomListView::CanChange(TListItem* Item, TItemChange Change) {
  bool allow = true;
  OnChanging(this, Item, Change, allow);
  return allow;
}

bool TCustomListView::CanEdit(TListItem* Item) {
  bool allow = !FReadOnly;
  if (allow) OnEditing(this, Item, allow);
  return allow;
}

void TCustomListView::Edit(const LVITEMA& Item) {
  TListItem* item = ItemOfIndex(Item.iItem);
  if (!item || !Item.pszText) return;
  std::string text = Item.pszText;
  OnEdited(this, item, text);
  item->SetCaption(text);
}

namespace {
TItemChange ChangeKind(UINT Changed) {
  if (Changed & LVIF_TEXT) return ctText;
  if (Changed & LVIF_IMAGE) return ctImage;
  return ctState;
}
}  // namespace

void TCustomListView::HandleItemChanged(const NMLISTVIEW& Change) {
  TListItem* item = Change.iItem >= 0 ? ItemOfIndex(Change.iItem) : nullptr;
  const TItemChange kind = ChangeKind(Change.uChanged);
  if ((Change.uChanged & LVIF_STATE) && ((Change.uOldState ^ Change.uNewState) & LVIS_SELECTED)) {
    const bool selected = (Change.uNewState & LVIS_SELECTED) != 0;
    if (item) {
      item->FSelected = selected;
      SelectItem(item, selected);
    } else {
      // Every item at once.
      for (TListItem* each : FItems.FItems) {
        each->FSelected = selected;
        SelectItem(each, selected);
      }
    }
  }
  this->Change(item, kind);
}

bool TCustomListView::HandleNotify(TMessage& Message) {
  auto* header = reinterpret_cast<NMHDR*>(Message.LParam);
  switch (header->code) {
    case LVN_ITEMCHANGING: {
      if (FQuiet) return true;
      auto* change = reinterpret_cast<NMLISTVIEW*>(Message.LParam);
      TListItem* item = ItemOfIndex(change->iItem);
      Message.Result = CanChange(item, ChangeKind(change->uChanged)) ? FALSE : TRUE;
      return true;
    }
    case LVN_ITEMCHANGED:
      if (!FQuiet) HandleItemChanged(*reinterpret_cast<NMLISTVIEW*>(Message.LParam));
      return true;
    case LVN_DELETEITEM:
    case LVN_DELETEALLITEMS:
      // Items are deleted through TListItems, which reacts itself.
      return true;
    case LVN_COLUMNCLICK: {
      auto* click = reinterpret_cast<NMLISTVIEW*>(Message.LParam);
      if (click->iSubItem >= 0 && click->iSubItem < FColumns->Count())
        ColClick(&FColumns->Items(click->iSubItem));
      return true;
    }
    case LVN_BEGINLABELEDITA: {
      auto* info = reinterpret_cast<NMLVDISPINFOA*>(Message.LParam);
      TListItem* item = ItemOfIndex(info->item.iItem);
      bool allow = item && CanEdit(item);
      FEditing = allow;
      Message.Result = allow ? FALSE : TRUE;
      return true;
    }
    case LVN_ENDLABELEDITA: {
      auto* info = reinterpret_cast<NMLVDISPINFOA*>(Message.LParam);
      FEditing = false;
      if (info->item.pszText) Edit(info->item);
      Message.Result = FALSE;  // stored above, or refused
      return true;
    }
    case LVN_BEGINDRAG:
      DragItems(mbLeft);
      return true;
    case LVN_BEGINRDRAG:
      DragItems(mbRight);
      return true;
    case NM_DBLCLK:
      DblClick();
      return false;
    case LVN_GETDISPINFOA:
    case LVN_GETDISPINFOW:
      ProvideDisplayInfo(*reinterpret_cast<NMLVDISPINFOA*>(Message.LParam),
                         header->code == LVN_GETDISPINFOW);
      return true;
  }
  return false;
}

// The ANSI and the wide request lie alike but for the text's kind.
void TCustomListView::ProvideDisplayInfo(NMLVDISPINFOA& Info, bool Wide) {
  LVITEMA& request = Info.item;
  TListItem* item = ItemOfIndex(request.iItem);
  if (!item) return;
  if ((request.mask & LVIF_IMAGE) && request.iSubItem == 0) {
    request.iImage = ItemImage(item);
    request.mask |= LVIF_DI_SETITEM;
  }
  if ((request.mask & LVIF_TEXT) && request.iSubItem > 0 && request.pszText &&
      request.cchTextMax > 0) {
    const std::vector<std::string>& texts = item->GetSubItems();
    const std::size_t column = static_cast<std::size_t>(request.iSubItem - 1);
    const std::string text = column < texts.size() ? texts[column] : std::string();
    if (Wide) {
      auto* out = reinterpret_cast<LPWSTR>(request.pszText);
      const int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), static_cast<int>(text.size()),
                                        out, request.cchTextMax - 1);
      out[std::max(n, 0)] = L'\0';
    } else {
      lstrcpynA(request.pszText, text.c_str(), request.cchTextMax);
    }
  }
}

void TCustomListView::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_NOTIFY:
      if (Message.LParam != kEngineMessageTag && HandleNotify(Message)) return;
      break;
    case CM_COLORCHANGED:
    case CM_FONTCHANGED:
      ApplyColors();
      break;
  }
  TWinControl::WndProc(Message);
}
