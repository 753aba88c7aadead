#include "toolkit/CustomComboBox.h"

#include <algorithm>

#include "toolkit/Application.h"
#include "toolkit/ControlAtom.h"
#include "toolkit/ItemStrings.h"
#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/ColorNames.h"

const TClassInfo& TCustomComboBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomComboBox>("TCustomComboBox", &TWinControl::StaticClass()).Info();
  return info;
}

const TClassInfo& TComboBox::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TComboBox>("TComboBox", &TCustomComboBox::StaticClass())
          .Creatable()
          .Prop("Style", &TCustomComboBox::GetStyle, &TCustomComboBox::SetStyle, csDropDown)
          .Prop("DropDownCount", &TCustomComboBox::GetDropDownCount,
                &TCustomComboBox::SetDropDownCount, 8)
          .Prop("ItemHeight", &TCustomComboBox::GetItemHeight, &TCustomComboBox::SetItemHeight,
                16)
          .Prop("MaxLength", &TCustomComboBox::GetMaxLength, &TCustomComboBox::SetMaxLength, 0)
          .Prop("Sorted", &TCustomComboBox::GetSorted, &TCustomComboBox::SetSorted, false)
          .ObjectProp("Items", &TCustomComboBox::GetItems)
          .Prop("ItemIndex", &TCustomComboBox::GetItemIndex, &TCustomComboBox::SetItemIndex, -1)
          .Prop("Text", &TControl::GetText, &TControl::SetText, std::string())
          .Prop("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, true)
          .ColorProp("Color", &TControl::GetColor, &TControl::SetColor, clWindow)
          .EventProp("OnChange", &TCustomComboBox::OnChange)
          .EventProp("OnSelect", &TCustomComboBox::OnSelect)
          .EventProp("OnDropDown", &TCustomComboBox::OnDropDown)
          .EventProp("OnCloseUp", &TCustomComboBox::OnCloseUp)
          .EventProp("OnDrawItem", &TCustomComboBox::OnDrawItem)
          .EventProp("OnMeasureItem", &TCustomComboBox::OnMeasureItem)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TComboBox);

TCustomComboBox::TCustomComboBox(TComponent* AOwner)
    : TWinControl(AOwner), FItems(std::make_unique<TItemStrings>(TItemMessages::ComboBox)) {
  SetBounds(0, 0, 145, 21);
  SetTabStop(true);
  SetColor(clWindow);
}

TCustomComboBox::~TCustomComboBox() {
  DestroyHandle();
}

TStrings* TCustomComboBox::GetItems() const {
  return FItems.get();
}

int TCustomComboBox::WindowHeight() const {
  if (FStyle == csSimple) return FHeight;
  // Room for DropDownCount items below the edit part.
  const int itemHeight = IsListStyle() && FStyle != csDropDownList
                             ? FItemHeight
                             : std::max(-GetFont()->GetHeight() + 5, 13);
  return FHeight + FDropDownCount * itemHeight + 2;
}

void TCustomComboBox::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.BaseClassName = "COMBOBOX";
  Params.Style |= WS_VSCROLL | CBS_AUTOHSCROLL | CBS_NOINTEGRALHEIGHT;
  switch (FStyle) {
    case csDropDown:
      Params.Style |= CBS_DROPDOWN;
      break;
    case csSimple:
      Params.Style |= CBS_SIMPLE;
      break;
    case csDropDownList:
      Params.Style |= CBS_DROPDOWNLIST;
      break;
    case csOwnerDrawFixed:
      Params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
      break;
    case csOwnerDrawVariable:
      Params.Style |= CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS;
      break;
  }
  if (FSorted) Params.Style |= CBS_SORT;
  Params.Height = WindowHeight();
}

void TCustomComboBox::CreateWnd() {
  const std::string text = TControl::GetTextValue();
  TWinControl::CreateWnd();
  HWND wnd = WindowHandle();
  FItems->MoveToWindow(wnd);
  SendMessageA(wnd, CB_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
  if (FItemIndex >= 0) {
    SetItemIndex(FItemIndex);
  } else if (!IsListStyle()) {
    SetWindowTextA(wnd, text.c_str());
  }
  HookEdit();
}

void TCustomComboBox::HookEdit() {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  if (IsListStyle() || !GetComboBoxInfo(WindowHandle(), &info) || !info.hwndItem) return;
  FEdit = info.hwndItem;
  FEditProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      FEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TCustomComboBox::EditProc)));
}

void TCustomComboBox::UnhookEdit() {
  if (!FEdit) return;
  // Put back only what is still ours (someone may have subclassed after us).
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrA(FEdit, GWLP_WNDPROC)) ==
      &TCustomComboBox::EditProc)
    SetWindowLongPtrA(FEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FEditProc));
  FEdit = nullptr;
}

LRESULT CALLBACK TCustomComboBox::EditProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* combo = dynamic_cast<TCustomComboBox*>(FindControl(GetParent(Wnd)));
  if (!combo || combo->FEdit != Wnd) return DefWindowProcA(Wnd, Msg, WParam, LParam);
  const WNDPROC next = combo->FEditProc;
  try {
    switch (Msg) {
      case WM_KEYDOWN:
      case WM_KEYUP: {
        WORD key = static_cast<WORD>(WParam);
        Msg == WM_KEYDOWN ? combo->KeyDown(key, KeyboardShiftState())
                          : combo->KeyUp(key, KeyboardShiftState());
        if (key == 0) return 0;
        WParam = key;
        break;
      }
      case WM_CHAR: {
        char key = static_cast<char>(WParam);
        combo->KeyPress(key);
        if (key == 0) return 0;
        WParam = static_cast<unsigned char>(key);
        break;
      }
    }
  } catch (...) {
    if (Application) Application->HandleException(combo);
    return 0;
  }
  return CallWindowProcA(next, Wnd, Msg, WParam, LParam);
}

void TCustomComboBox::Loaded() {
  TWinControl::Loaded();
  SetItemIndex(FItemIndex);
}

void TCustomComboBox::DestroyWnd() {
  UnhookEdit();
  FItemIndex = GetItemIndex();
  FItems->MoveFromWindow();
  TWinControl::DestroyWnd();
}

void TCustomComboBox::SetBounds(int Left, int Top, int Width, int Height) {
  if (Left == FLeft && Top == FTop && Width == FWidth && Height == FHeight) return;
  FLeft = Left;
  FTop = Top;
  FWidth = std::max(Width, 0);
  FHeight = std::max(Height, 0);
  // The drop-down styles keep the height the system gives their edit part;
  // the window itself reaches down over the list.
  if (HandleAllocated())
    SetWindowPos(WindowHandle(), nullptr, FLeft, FTop, FWidth, WindowHeight(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

int TCustomComboBox::GetItemIndex() const {
  if (!HandleAllocated()) return FItemIndex;
  LRESULT index = SendMessageA(WindowHandle(), CB_GETCURSEL, 0, 0);
  return index == CB_ERR ? -1 : static_cast<int>(index);
}

void TCustomComboBox::SetItemIndex(int Value) {
  if (!HandleAllocated()) {
    FItemIndex = Value;
    // (While loading, the items may follow the index.)
    if (!ComponentState().Contains(csLoading) && Value >= 0 && Value < FItems->Count())
      TControl::SetTextValue(FItems->Get(Value));
    return;
  }
  if (Value < -1 || Value >= FItems->Count()) Value = -1;
  SendMessageA(WindowHandle(), CB_SETCURSEL, static_cast<WPARAM>(Value), 0);
}

void TCustomComboBox::SetTextValue(const std::string& Value) {
  if (IsListStyle()) {
    // Only an item's text can be shown: choose that item (or none).
    int index = FItems->IndexOf(Value);
    if (!HandleAllocated()) {
      FItemIndex = index;
      TControl::SetTextValue(index >= 0 ? FItems->Get(index) : std::string());
    } else {
      SendMessageA(WindowHandle(), CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    }
    return;
  }
  TWinControl::SetTextValue(Value);
}

void TCustomComboBox::SetStyle(TComboBoxStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  RecreateWnd();
}

void TCustomComboBox::SetDropDownCount(int Value) {
  FDropDownCount = std::max(Value, 1);
  if (HandleAllocated())
    SetWindowPos(WindowHandle(), nullptr, 0, 0, FWidth, WindowHeight(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TCustomComboBox::SetSorted(bool Value) {
  if (Value == FSorted) return;
  FSorted = Value;
  FItems->SetSorted(Value);
  RecreateWnd();
}

void TCustomComboBox::SetMaxLength(int Value) {
  FMaxLength = std::max(Value, 0);
  if (HandleAllocated()) SendMessageA(WindowHandle(), CB_LIMITTEXT, FMaxLength, 0);
}

bool TCustomComboBox::GetDroppedDown() const {
  return HandleAllocated() && SendMessageA(WindowHandle(), CB_GETDROPPEDSTATE, 0, 0) != 0;
}

void TCustomComboBox::SetDroppedDown(bool Value) {
  if (HandleAllocated()) SendMessageA(WindowHandle(), CB_SHOWDROPDOWN, Value, 0);
}

int TCustomComboBox::GetItemHeight() const {
  if (!HandleAllocated() || FStyle == csOwnerDrawVariable) return FItemHeight;
  LRESULT h = SendMessageA(WindowHandle(), CB_GETITEMHEIGHT, 0, 0);
  return h == CB_ERR ? FItemHeight : static_cast<int>(h);
}

void TCustomComboBox::SetItemHeight(int Value) {
  if (Value <= 0) return;
  FItemHeight = Value;
  if (HandleAllocated() && FStyle == csOwnerDrawFixed) {
    SendMessageA(WindowHandle(), CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), Value);
    SendMessageA(WindowHandle(), CB_SETITEMHEIGHT, 0, Value);
  }
}

void TCustomComboBox::DrawItem(const DRAWITEMSTRUCT& Item) {
  const int index = static_cast<int>(Item.itemID);
  const std::string text =
      index >= 0 && index < FItems->Count() ? FItems->Get(index) : std::string();
  DrawOwnerDrawnItem(*this, FCanvas, Item, text, GetColor(), OnDrawItem);
}

void TCustomComboBox::MeasureItem(MEASUREITEMSTRUCT& Item) {
  int height = FItemHeight;
  // Item -1 is the selection field above the list.
  const int index = static_cast<int>(Item.itemID);
  if (FStyle == csOwnerDrawVariable && index >= 0) OnMeasureItem(this, index, height);
  Item.itemHeight = static_cast<UINT>(std::max(height, 1));
}

void TCustomComboBox::Select() {
  OnSelect(this);
  Change();
}

void TCustomComboBox::WndProc(TMessage& Message) {
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
      case CBN_SELCHANGE:
        Select();
        return;
      case CBN_EDITCHANGE:
        Change();
        return;
      case CBN_DROPDOWN:
        OnDropDown(this);
        return;
      case CBN_CLOSEUP:
        OnCloseUp(this);
        return;
    }
  }
  TWinControl::WndProc(Message);
}
