#include "toolkit/Menu.h"

#include <algorithm>
#include <map>

#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/ImageList.h"
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
          .Prop("RadioItem", &TMenuItem::GetRadioItem, &TMenuItem::SetRadioItem, false)
          .Prop("GroupIndex", &TMenuItem::GetGroupIndex, &TMenuItem::SetGroupIndex, 0)
          .Prop("AutoCheck", &TMenuItem::GetAutoCheck, &TMenuItem::SetAutoCheck, false)
          .Prop("Default", &TMenuItem::GetDefault, &TMenuItem::SetDefault, false)
          .Prop("ShortCut", &TMenuItem::GetShortCut, &TMenuItem::SetShortCut, 0)
          .Prop("ImageIndex", &TMenuItem::GetImageIndex, &TMenuItem::SetImageIndex, -1)
          .Prop("Hint", &TMenuItem::GetHint, &TMenuItem::SetHint, std::string())
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
          .PropNoDefault("Images", &TMenu::GetImages, &TMenu::SetImages)
          .Prop("BiDiMode", &TMenu::GetBiDiMode, &TMenu::SetBiDiMode, bdLeftToRight)
          .Prop("ParentBiDiMode", &TMenu::GetParentBiDiMode, &TMenu::SetParentBiDiMode, true)
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
  if (Value && FRadioItem) UncheckGroupSiblings();
  Changed();
}

void TMenuItem::UncheckGroupSiblings() {
  if (!FParentItem) return;
  for (TMenuItem* sibling : FParentItem->FItems)
    if (sibling != this && sibling->FRadioItem && sibling->FGroupIndex == FGroupIndex)
      sibling->FChecked = false;
}

void TMenuItem::SetRadioItem(bool Value) {
  if (Value == FRadioItem) return;
  FRadioItem = Value;
  if (Value && FChecked) UncheckGroupSiblings();
  Changed();
}

void TMenuItem::SetGroupIndex(int Value) {
  if (Value == FGroupIndex) return;
  FGroupIndex = Value;
  if (FRadioItem && FChecked) UncheckGroupSiblings();
  Changed();
}

void TMenuItem::SetDefault(bool Value) {
  if (Value == FDefault) return;
  FDefault = Value;
  Changed();
}

void TMenuItem::SetShortCut(TShortCut Value) {
  if (Value == FShortCut) return;
  FShortCut = Value;
  Changed();
}

void TMenuItem::SetImageIndex(int Value) {
  if (Value == FImageIndex) return;
  FImageIndex = Value;
  Changed();
}

TMenuItem* TMenuItem::FindByShortCut(TShortCut ShortCut) {
  for (TMenuItem* item : FItems) {
    if (!item->FVisible || !item->FEnabled) continue;
    if (item->FShortCut == ShortCut && item->FItems.empty()) return item;
    if (TMenuItem* found = item->FindByShortCut(ShortCut)) return found;
  }
  return nullptr;
}

TShortCut ShortCutFromKey(WPARAM Key) {
  TShortCut shortCut = static_cast<TShortCut>(Key & 0xFF);
  if (GetKeyState(VK_SHIFT) < 0) shortCut |= scShift;
  if (GetKeyState(VK_CONTROL) < 0) shortCut |= scCtrl;
  if (GetKeyState(VK_MENU) < 0) shortCut |= scAlt;
  return shortCut;
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
  if (!FEnabled) return;
  if (FAutoCheck) SetChecked(FRadioItem ? true : !FChecked);
  OnClick(this);
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
    if (item->FRadioItem) mii.fType |= MFT_RADIOCHECK;
    if (IsRightToLeft()) {
      mii.fType |= MFT_RIGHTORDER;
      if (IsBarItem(*item)) mii.fType |= MFT_RIGHTJUSTIFY;
    }
    if (item->FChecked) mii.fState |= MFS_CHECKED;
    if (!item->FEnabled) mii.fState |= MFS_DISABLED;
    if (item->FDefault) mii.fState |= MFS_DEFAULT;
    mii.wID = item->FCommand;
    mii.dwItemData = reinterpret_cast<ULONG_PTR>(item);
    // The shortcut's text stands at the right of the caption.
    std::string text = item->FCaption;
    if (item->FShortCut && !IsBarItem(*item)) {
      std::string shortCut = ShortCutToText(item->FShortCut);
      if (!shortCut.empty()) text += "\t" + shortCut;
    }
    mii.dwTypeData = const_cast<char*>(text.c_str());
    // The image is drawn by the item when the system asks for it.
    if (!FOwnerDraw && FImages && item->FImageIndex >= 0 && !item->IsLine()) {
      mii.fMask |= MIIM_BITMAP;
      mii.hbmpItem = HBMMENU_CALLBACK;
    }
    if (item->Count() > 0) {
      item->FSubMenu = CreatePopupMenu();
      BuildMenu(item->FSubMenu, *item);
      mii.fMask |= MIIM_SUBMENU;
      mii.hSubMenu = item->FSubMenu;
    }
    InsertMenuItemA(Menu, position++, TRUE, &mii);
  }
}

void TMenu::SetImages(TImageList* Value) {
  if (Value == FImages) return;
  FImages = Value;
  if (Value) Value->FreeNotification(this);
  ItemsChanged();
}

void TMenu::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) {
    FImages = nullptr;
    if (!ComponentState().Contains(csDestroying)) ItemsChanged();
  }
}

void TMenu::SetBiDiMode(TBiDiMode Value) {
  FParentBiDiMode = false;
  if (Value == FBiDiMode) return;
  FBiDiMode = Value;
  ItemsChanged();
}

void TMenu::SetParentBiDiMode(bool Value) {
  FParentBiDiMode = Value;
  if (Value) ParentBiDiModeChanged();
}

void TMenu::ParentBiDiModeChanged() {
  if (!FParentBiDiMode) return;
  TControl* owner = nullptr;
  for (TComponent* o = Owner(); o && !owner; o = o->Owner()) owner = dynamic_cast<TControl*>(o);
  TBiDiMode mode = owner ? owner->GetBiDiMode() : bdLeftToRight;
  if (mode == FBiDiMode) return;
  FBiDiMode = mode;
  ItemsChanged();
}

void TMenu::Loaded() {
  TComponent::Loaded();
  ParentBiDiModeChanged();
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
  UINT align = IsRightToLeft() ? TPM_RIGHTALIGN : TPM_LEFTALIGN;
  UINT command = static_cast<UINT>(
      TrackPopupMenu(menu, align | TPM_RIGHTBUTTON | TPM_RETURNCMD, X, Y, 0, owner, nullptr));
  if (command)
    if (TMenuItem* item = FindMenuItemByCommand(command)) item->Click();
}

namespace {

// The image list that draws an item's image in a menu that is not owner
// drawn (the system asks for it as a bitmap callback), or null.
TImageList* ImagesOfNativeItem(const TMenuItem& Item) {
  TMenu* menu = Item.GetParentMenu();
  if (!menu || menu->GetOwnerDraw() || !menu->GetImages()) return nullptr;
  return menu->GetImages();
}

}  // namespace

LRESULT DrawMenuItemMessage(const DRAWITEMSTRUCT& Item) {
  if (Item.CtlType != ODT_MENU) return 0;
  TMenuItem* item = LiveItem(Item.itemData);
  if (!item) return 0;
  if (TImageList* images = ImagesOfNativeItem(*item)) {
    TCanvas canvas;
    canvas.SetHandle(Item.hDC);
    int x = Item.rcItem.left + (Item.rcItem.right - Item.rcItem.left - images->GetWidth()) / 2;
    int y = Item.rcItem.top + (Item.rcItem.bottom - Item.rcItem.top - images->GetHeight()) / 2;
    images->Draw(canvas, x, y, item->GetImageIndex(), item->GetEnabled());
    canvas.SetHandle(nullptr);
    return TRUE;
  }
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

void MeasureMenuItemDefault(const TMenuItem& Item, TCanvas& Canvas, int& Width, int& Height) {
  SIZE text = Canvas.TextExtent(Item.GetCaption().empty() ? "W" : Item.GetCaption());
  Width = text.cx + 36;
  Height = Item.IsLine() ? 8 : text.cy + 4;
}

LRESULT MeasureMenuItemMessage(MEASUREITEMSTRUCT& Item) {
  if (Item.CtlType != ODT_MENU) return 0;
  TMenuItem* item = LiveItem(Item.itemData);
  if (!item) return 0;
  if (TImageList* images = ImagesOfNativeItem(*item)) {
    Item.itemWidth = static_cast<UINT>(images->GetWidth());
    Item.itemHeight = static_cast<UINT>(images->GetHeight());
    return TRUE;
  }
  HDC dc = GetDC(nullptr);
  TCanvas canvas;
  canvas.SetHandle(dc);
  int width = 0, height = 0;
  MeasureMenuItemDefault(*item, canvas, width, height);
  item->MeasureItem(canvas, width, height);
  canvas.SetHandle(nullptr);
  ReleaseDC(nullptr, dc);
  Item.itemWidth = static_cast<UINT>(width);
  Item.itemHeight = static_cast<UINT>(height);
  return TRUE;
}
