#include "toolkit/Menu.h"

#include <algorithm>
#include <map>

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/portable/ClassBuilder.h"

namespace {

std::map<UINT, TMenuItem*>& ItemsByCommand() {
  static std::map<UINT, TMenuItem*> items;
  return items;
}

UINT NextCommand() {
  static UINT next = 100;
  return next++;
}

// Looks an item up by the pointer a menu message carries, so that a stale
// or foreign value is never dereferenced.
TMenuItem* LiveItem(ULONG_PTR Data) {
  for (const auto& [command, item] : ItemsByCommand())
    if (reinterpret_cast<ULONG_PTR>(item) == Data) return item;
  return nullptr;
}

}  // namespace

const TClassInfo& TMenuItem::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TMenuItem>("TMenuItem", &TComponent::StaticClass())
          .Creatable()
          .Prop("Caption", &TMenuItem::GetCaption, &TMenuItem::SetCaption, std::string())
          .Prop("Checked", &TMenuItem::GetChecked, &TMenuItem::SetChecked, false)
          .Prop("Enabled", &TMenuItem::GetEnabled, &TMenuItem::SetEnabled, true)
          .Prop("Visible", &TMenuItem::GetVisible, &TMenuItem::SetVisible, true)
          .EventProp("OnClick", &TMenuItem::OnClick)
          .EventProp("OnDrawItem", &TMenuItem::OnDrawItem)
          .EventProp("OnMeasureItem", &TMenuItem::OnMeasureItem)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TMenuItem);

const TClassInfo& TMenu::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TMenu>("TMenu", &TComponent::StaticClass())
          .ObjectProp("Items", &TMenu::Items)
          .Prop("OwnerDraw", &TMenu::GetOwnerDraw, &TMenu::SetOwnerDraw, false)
          .Info();
  return info;
}

const TClassInfo& TMainMenu::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TMainMenu>("TMainMenu", &TMenu::StaticClass()).Creatable().Info();
  return info;
}
FW_REGISTER_CLASS(TMainMenu);

const TClassInfo& TPopupMenu::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TPopupMenu>("TPopupMenu", &TMenu::StaticClass())
          .Creatable()
          .Prop("AutoPopup", &TPopupMenu::GetAutoPopup, &TPopupMenu::SetAutoPopup, true)
          .EventProp("OnPopup", &TPopupMenu::OnPopup)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TPopupMenu);

TMenuItem* FindMenuItemByCommand(UINT Command) {
  auto it = ItemsByCommand().find(Command);
  return it == ItemsByCommand().end() ? nullptr : it->second;
}

TMenuItem::TMenuItem(TComponent* AOwner) : TComponent(AOwner), FCommand(NextCommand()) {
  ItemsByCommand()[FCommand] = this;
}

TMenuItem::~TMenuItem() {
  ItemsByCommand().erase(FCommand);
  while (!FItems.empty()) {
    TMenuItem* child = FItems.back();
    Remove(child);
    delete child;
  }
  if (FParentItem) FParentItem->Remove(this);
}

void TMenuItem::SetParentComponent(TComponent* Parent) {
  if (auto* menu = dynamic_cast<TMenu*>(Parent)) {
    menu->Items()->Add(this);
  } else if (auto* item = dynamic_cast<TMenuItem*>(Parent)) {
    item->Add(this);
  }
}

void TMenuItem::Add(TMenuItem* Item) {
  Insert(Count(), Item);
}

void TMenuItem::Insert(int Index, TMenuItem* Item) {
  if (!Item || Item == this) return;
  if (Item->FParentItem) Item->FParentItem->Remove(Item);
  Index = std::clamp(Index, 0, Count());
  FItems.insert(FItems.begin() + Index, Item);
  Item->FParentItem = this;
  Changed();
}

void TMenuItem::Remove(TMenuItem* Item) {
  auto it = std::find(FItems.begin(), FItems.end(), Item);
  if (it == FItems.end()) return;
  FItems.erase(it);
  Item->FParentItem = nullptr;
  Changed();
}

TMenu* TMenuItem::GetParentMenu() const {
  const TMenuItem* root = this;
  while (root->FParentItem) root = root->FParentItem;
  return root->FMenu;
}

void TMenuItem::Changed() {
  if (TMenu* menu = GetParentMenu(); menu && !menu->ComponentState().Contains(csDestroying))
    menu->ItemsChanged();
}

void TMenuItem::SetCaption(const std::string& Value) {
  if (Value == FCaption) return;
  FCaption = Value;
  Changed();
}

void TMenuItem::SetChecked(bool Value) {
  if (Value == FChecked) return;
  FChecked = Value;
  Changed();
}

void TMenuItem::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  Changed();
}

void TMenuItem::SetVisible(bool Value) {
  if (Value == FVisible) return;
  FVisible = Value;
  Changed();
}

void TMenuItem::Click() {
  if (FEnabled) OnClick(this);
}

bool TMenuItem::DrawItem(TCanvas& Canvas, RECT Rect, bool Selected) {
  if (!OnDrawItem) return false;
  OnDrawItem(this, &Canvas, Rect, Selected);
  return true;
}

bool TMenuItem::MeasureItem(TCanvas& Canvas, int& Width, int& Height) {
  if (!OnMeasureItem) return false;
  OnMeasureItem(this, &Canvas, Width, Height);
  return true;
}

TMenu::TMenu(TComponent* AOwner) : TComponent(AOwner), FItems(new TMenuItem(this)) {
  FItems->FMenu = this;
}

TMenu::~TMenu() {
  // Items may outlive nothing: the owned list frees FItems; the system menu
  // goes with FHandle.
  FItems->FMenu = nullptr;
}

HMENU TMenu::Handle() {
  if (!FHandle) {
    FHandle.Reset(CreateRootMenu());
    BuildMenu(FHandle.Get(), *FItems);
  }
  return FHandle.Get();
}

void TMenu::BuildMenu(HMENU Menu, TMenuItem& Parent) {
  UINT position = 0;
  for (TMenuItem* item : Parent.FItems) {
    item->FSubMenu = nullptr;
    if (!item->FVisible) continue;
    MENUITEMINFOA mii{};
    mii.cbSize = sizeof mii;
    mii.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STATE | MIIM_DATA | MIIM_STRING;
    mii.fType = item->IsLine() ? MFT_SEPARATOR : MFT_STRING;
    if (FOwnerDraw && !item->IsLine()) mii.fType |= MFT_OWNERDRAW;
    if (item->FChecked) mii.fState |= MFS_CHECKED;
    if (!item->FEnabled) mii.fState |= MFS_DISABLED;
    mii.wID = item->FCommand;
    mii.dwItemData = reinterpret_cast<ULONG_PTR>(item);
    mii.dwTypeData = const_cast<char*>(item->FCaption.c_str());
    if (item->Count() > 0) {
      item->FSubMenu = CreatePopupMenu();
      BuildMenu(item->FSubMenu, *item);
      mii.fMask |= MIIM_SUBMENU;
      mii.hSubMenu = item->FSubMenu;
    }
    InsertMenuItemA(Menu, position++, TRUE, &mii);
  }
}

void TMenu::SetOwnerDraw(bool Value) {
  if (Value == FOwnerDraw) return;
  FOwnerDraw = Value;
  ItemsChanged();
}

void TMenu::ItemsChanged() {
  if (ComponentState().Contains(csLoading)) {
    FHandle.Reset();
    return;
  }
  FHandle.Reset();
}

void TMainMenu::ItemsChanged() {
  // The form must let go of the old menu before it is destroyed.
  TCustomForm* form = nullptr;
  for (TComponent* o = Owner(); o && !form; o = o->Owner()) form = dynamic_cast<TCustomForm*>(o);
  bool attached = form && form->GetMenu() == this && form->WindowHandle();
  if (attached) ::SetMenu(form->WindowHandle(), nullptr);
  TMenu::ItemsChanged();
  if (attached) form->MenuChanged();
}

namespace {

// A hidden window owns pop-up menus while they run, so that their
// owner-draw messages reach the items.
LRESULT CALLBACK PopupOwnerProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  try {
    if (Msg == WM_DRAWITEM) {
      if (LRESULT r = DrawMenuItemMessage(*reinterpret_cast<DRAWITEMSTRUCT*>(LParam))) return r;
    } else if (Msg == WM_MEASUREITEM) {
      if (LRESULT r = MeasureMenuItemMessage(*reinterpret_cast<MEASUREITEMSTRUCT*>(LParam)))
        return r;
    }
  } catch (...) {
    if (Application) Application->HandleException(nullptr);
    return TRUE;
  }
  return DefWindowProcA(Wnd, Msg, WParam, LParam);
}

HWND PopupOwnerWindow() {
  static HWND wnd = [] {
    WNDCLASSA wc{};
    wc.lpfnWndProc = PopupOwnerProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "TPopupList";
    RegisterClassA(&wc);
    return CreateWindowExA(0, "TPopupList", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
  }();
  return wnd;
}

}  // namespace

void TPopupMenu::Popup(int X, int Y) {
  OnPopup(this);
  HMENU menu = Handle();
  HWND owner = PopupOwnerWindow();
  UINT command = static_cast<UINT>(TrackPopupMenu(
      menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD, X, Y, 0, owner, nullptr));
  if (command)
    if (TMenuItem* item = FindMenuItemByCommand(command)) item->Click();
}

LRESULT DrawMenuItemMessage(const DRAWITEMSTRUCT& Item) {
  if (Item.CtlType != ODT_MENU) return 0;
  TMenuItem* item = LiveItem(Item.itemData);
  if (!item) return 0;
  TCanvas canvas;
  canvas.SetHandle(Item.hDC);
  bool selected = (Item.itemState & ODS_SELECTED) != 0;
  if (!item->DrawItem(canvas, Item.rcItem, selected)) {
    canvas.Brush().SetColor(selected ? static_cast<int>(0x8000000D) : static_cast<int>(0x80000004));
    canvas.FillRect(Item.rcItem);
    canvas.Font().SetColor(selected ? static_cast<int>(0x8000000E) : static_cast<int>(0x80000007));
    canvas.Brush().SetStyle(bsClear);
    canvas.TextOut(Item.rcItem.left + 18, Item.rcItem.top + 2, item->GetCaption());
  }
  canvas.SetHandle(nullptr);
  return TRUE;
}

LRESULT MeasureMenuItemMessage(MEASUREITEMSTRUCT& Item) {
  if (Item.CtlType != ODT_MENU) return 0;
  TMenuItem* item = LiveItem(Item.itemData);
  if (!item) return 0;
  HDC dc = GetDC(nullptr);
  TCanvas canvas;
  canvas.SetHandle(dc);
  SIZE text = canvas.TextExtent(item->GetCaption().empty() ? "W" : item->GetCaption());
  int width = text.cx + 36;
  int height = item->IsLine() ? 8 : text.cy + 4;
  item->MeasureItem(canvas, width, height);
  canvas.SetHandle(nullptr);
  ReleaseDC(nullptr, dc);
  Item.itemWidth = static_cast<UINT>(width);
  Item.itemHeight = static_cast<UINT>(height);
  return TRUE;
}
