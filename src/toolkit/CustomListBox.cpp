#include "toolkit/CustomListBox.h"

#include <algorithm>

#include "toolkit/ItemStrings.h"
#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/ColorNames.h"

const TClassInfo& TCustomListBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomListBox>("TCustomListBox", &TWinControl::StaticClass()).Info();
  return info;
}

const TClassInfo& TListBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TListBox>("TListBox", &TCustomListBox::StaticClass())
          .Creatable()
          .Prop("BorderStyle", &TCustomListBox::GetBorderStyle, &TCustomListBox::SetBorderStyle,
                bsSingle)
          .Prop("Columns", &TCustomListBox::GetColumns, &TCustomListBox::SetColumns, 0)
          .Prop("ExtendedSelect", &TCustomListBox::GetExtendedSelect,
                &TCustomListBox::SetExtendedSelect, true)
          .Prop("IntegralHeight", &TCustomListBox::GetIntegralHeight,
                &TCustomListBox::SetIntegralHeight, false)
          .Prop("ItemHeight", &TCustomListBox::GetItemHeight, &TCustomListBox::SetItemHeight, 16)
          .Prop("MultiSelect", &TCustomListBox::GetMultiSelect, &TCustomListBox::SetMultiSelect,
                false)
          .Prop("ScrollWidth", &TCustomListBox::GetScrollWidth, &TCustomListBox::SetScrollWidth, 0)
          .Prop("Sorted", &TCustomListBox::GetSorted, &TCustomListBox::SetSorted, false)
          .Prop("Style", &TCustomListBox::GetStyle, &TCustomListBox::SetStyle, lbStandard)
          // Items before ItemIndex, so that a description's index finds its item.
          .ObjectProp("Items", &TCustomListBox::GetItems)
          .Prop("ItemIndex", &TCustomListBox::GetItemIndex, &TCustomListBox::SetItemIndex, -1)
          .Prop("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, true)
          .ColorProp("Color", &TControl::GetColor, &TControl::SetColor, clWindow)
          .EventProp("OnDrawItem", &TCustomListBox::OnDrawItem)
          .EventProp("OnMeasureItem", &TCustomListBox::OnMeasureItem)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TListBox);

TCustomListBox::TCustomListBox(TComponent* AOwner)
    : TWinControl(AOwner), FItems(std::make_unique<TItemStrings>(TItemMessages::ListBox)) {
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetColor(clWindow);
}

TCustomListBox::~TCustomListBox() {
  DestroyHandle();
}

TStrings* TCustomListBox::GetItems() const {
  return FItems.get();
}

void TCustomListBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.BaseClassName = "LISTBOX";
  Params.Style |= LBS_NOTIFY | LBS_HASSTRINGS | WS_VSCROLL;
  if (!FIntegralHeight) Params.Style |= LBS_NOINTEGRALHEIGHT;
  if (FSorted) Params.Style |= LBS_SORT;
  if (FMultiSelect) Params.Style |= FExtendedSelect ? LBS_EXTENDEDSEL : LBS_MULTIPLESEL;
  if (FColumns > 0) Params.Style |= LBS_MULTICOLUMN | WS_HSCROLL;
  if (FScrollWidth > 0) Params.Style |= WS_HSCROLL;
  if (FBorderStyle != bsNone) Params.ExStyle |= WS_EX_CLIENTEDGE;
  if (FStyle == lbOwnerDrawFixed) Params.Style |= LBS_OWNERDRAWFIXED;
  if (FStyle == lbOwnerDrawVariable) Params.Style |= LBS_OWNERDRAWVARIABLE;
}

void TCustomListBox::CreateWnd() {
  TWinControl::CreateWnd();
  HWND wnd = WindowHandle();
  if (FStyle != lbOwnerDrawVariable) SendMessageA(wnd, LB_SETITEMHEIGHT, 0, FItemHeight);
  FItems->MoveToWindow(wnd);
  if (FColumns > 0) SendMessageA(wnd, LB_SETCOLUMNWIDTH, FWidth / FColumns, 0);
  SendMessageA(wnd, LB_SETHORIZONTALEXTENT, FScrollWidth, 0);
  SetItemIndex(FItemIndex);
}

void TCustomListBox::DestroyWnd() {
  FItemIndex = GetItemIndex();
  FItemHeight = GetItemHeight();
  FItems->MoveFromWindow();
  TWinControl::DestroyWnd();
}

int TCustomListBox::GetItemIndex() const {
  if (!HandleAllocated()) return FItemIndex;
  // Asked of the window as it is (the setting may already have changed).
  const bool multi =
      GetWindowLongPtrA(WindowHandle(), GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL);
  LRESULT index = SendMessageA(WindowHandle(), multi ? LB_GETCARETINDEX : LB_GETCURSEL, 0, 0);
  if (multi && index >= 0 && !Selected(static_cast<int>(index))) return -1;
  return index == LB_ERR ? -1 : static_cast<int>(index);
}

void TCustomListBox::SetItemIndex(int Value) {
  if (!HandleAllocated()) {
    FItemIndex = Value;
    return;
  }
  if (Value < -1 || Value >= FItems->Count()) Value = -1;
  HWND wnd = WindowHandle();
  if (FMultiSelect) {
    SendMessageA(wnd, LB_SETSEL, FALSE, -1);
    if (Value >= 0) {
      SendMessageA(wnd, LB_SETSEL, TRUE, Value);
      SendMessageA(wnd, LB_SETCARETINDEX, Value, FALSE);
    }
  } else {
    SendMessageA(wnd, LB_SETCURSEL, static_cast<WPARAM>(Value), 0);
  }
}

bool TCustomListBox::Selected(int Index) const {
  if (!HandleAllocated()) return Index >= 0 && Index == FItemIndex;
  LRESULT r = SendMessageA(WindowHandle(), LB_GETSEL, Index, 0);
  return r != LB_ERR && r > 0;
}

void TCustomListBox::SetSelected(int Index, bool Value) {
  if (Index < 0 || Index >= FItems->Count()) return;
  if (!FMultiSelect) {
    if (Value)
      SetItemIndex(Index);
    else if (GetItemIndex() == Index)
      SetItemIndex(-1);
    return;
  }
  if (HandleAllocated()) SendMessageA(WindowHandle(), LB_SETSEL, Value, Index);
}

int TCustomListBox::SelCount() const {
  if (!FMultiSelect) return GetItemIndex() >= 0 ? 1 : 0;
  if (!HandleAllocated()) return FItemIndex >= 0 ? 1 : 0;
  LRESULT n = SendMessageA(WindowHandle(), LB_GETSELCOUNT, 0, 0);
  return n == LB_ERR ? 0 : static_cast<int>(n);
}

int TCustomListBox::ItemAtPos(POINT P) const {
  if (!HandleAllocated()) return -1;
  LRESULT r = SendMessageA(WindowHandle(), LB_ITEMFROMPOINT, 0, MAKELPARAM(P.x, P.y));
  if (HIWORD(r) != 0) return -1;  // outside every item
  return LOWORD(r);
}

RECT TCustomListBox::ItemRect(int Index) const {
  RECT r{};
  if (HandleAllocated())
    SendMessageA(WindowHandle(), LB_GETITEMRECT, Index, reinterpret_cast<LPARAM>(&r));
  return r;
}

void TCustomListBox::Clear() {
  FItems->Clear();
  FItemIndex = -1;
}

int TCustomListBox::GetItemHeight() const {
  // A variable list's items measure themselves; ItemHeight is their default.
  if (!HandleAllocated() || FStyle == lbOwnerDrawVariable) return FItemHeight;
  LRESULT h = SendMessageA(WindowHandle(), LB_GETITEMHEIGHT, 0, 0);
  return h == LB_ERR ? FItemHeight : static_cast<int>(h);
}

void TCustomListBox::SetItemHeight(int Value) {
  if (Value <= 0) return;
  FItemHeight = Value;
  if (HandleAllocated() && FStyle != lbOwnerDrawVariable) {
    SendMessageA(WindowHandle(), LB_SETITEMHEIGHT, 0, Value);
    Invalidate();
  }
}

int TCustomListBox::GetTopIndex() const {
  return HandleAllocated() ? static_cast<int>(SendMessageA(WindowHandle(), LB_GETTOPINDEX, 0, 0))
                           : 0;
}

void TCustomListBox::SetTopIndex(int Value) {
  if (HandleAllocated()) SendMessageA(WindowHandle(), LB_SETTOPINDEX, Value, 0);
}

void TCustomListBox::SetMultiSelect(bool Value) {
  if (Value == FMultiSelect) return;
  FMultiSelect = Value;
  RecreateWnd();
}

void TCustomListBox::SetExtendedSelect(bool Value) {
  if (Value == FExtendedSelect) return;
  FExtendedSelect = Value;
  RecreateWnd();
}

void TCustomListBox::SetSorted(bool Value) {
  if (Value == FSorted) return;
  FSorted = Value;
  FItems->SetSorted(Value);
  RecreateWnd();
}

void TCustomListBox::SetColumns(int Value) {
  Value = std::max(Value, 0);
  if (Value == FColumns) return;
  FColumns = Value;
  RecreateWnd();
}

void TCustomListBox::SetIntegralHeight(bool Value) {
  if (Value == FIntegralHeight) return;
  FIntegralHeight = Value;
  RecreateWnd();
}

void TCustomListBox::SetScrollWidth(int Value) {
  Value = std::max(Value, 0);
  if (Value == FScrollWidth) return;
  const bool barChanges = (Value > 0) != (FScrollWidth > 0);
  FScrollWidth = Value;
  if (barChanges) {
    RecreateWnd();
  } else if (HandleAllocated()) {
    SendMessageA(WindowHandle(), LB_SETHORIZONTALEXTENT, Value, 0);
  }
}

void TCustomListBox::SetBorderStyle(TBorderStyle Value) {
  Value = Value == bsNone ? bsNone : bsSingle;
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  RecreateWnd();
}

void TCustomListBox::SetStyle(TListBoxStyle Value) {
  if (Value == FStyle) return;
  FItemHeight = GetItemHeight();
  FStyle = Value;
  RecreateWnd();
}

void TCustomListBox::DrawItem(const DRAWITEMSTRUCT& Item) {
  const int index = static_cast<int>(Item.itemID);
  const std::string text =
      index >= 0 && index < FItems->Count() ? FItems->Get(index) : std::string();
  DrawOwnerDrawnItem(*this, FCanvas, Item, text, GetColor(), OnDrawItem);
}

void TCustomListBox::MeasureItem(MEASUREITEMSTRUCT& Item) {
  int height = FItemHeight;
  if (FStyle == lbOwnerDrawVariable) OnMeasureItem(this, static_cast<int>(Item.itemID), height);
  Item.itemHeight = static_cast<UINT>(std::max(height, 1));
}

void TCustomListBox::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_DRAWITEM:
      DrawItem(*reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam));
      Message.Result = TRUE;
      return;
    case CN_MEASUREITEM:
      MeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam));
      Message.Result = TRUE;
      return;
  }
  if (Message.Msg == CN_COMMAND) {
    switch (HIWORD(Message.WParam)) {
      case LBN_SELCHANGE:
        Click();
        return;
      case LBN_DBLCLK:
        DblClick();
        return;
    }
  }
  TWinControl::WndProc(Message);
}
