#include "toolkit/ToolButton.h"

#include <commctrl.h>

#include "toolkit/Menu.h"
#include "toolkit/ToolBar.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TToolButton::StaticClass() {
  using T = TToolButton;
  static const TClassInfo info =
      TClassBuilder<T>("TToolButton", &TControl::StaticClass())
          .Creatable()
          .Prop("Caption", &TControl::GetText, &TControl::SetText, std::string())
          .Prop("Hint", &TControl::GetHint, &TControl::SetHint, std::string())
          .Prop("Style", &T::GetStyle, &T::SetStyle, tbsButton)
          .Prop("ImageIndex", &T::GetImageIndex, &T::SetImageIndex, -1)
          .Prop("Down", &T::GetDown, &T::SetDown, false)
          .Prop("Grouped", &T::GetGrouped, &T::SetGrouped, false)
          .Prop("AllowAllUp", &T::GetAllowAllUp, &T::SetAllowAllUp, false)
          .Prop("Indeterminate", &T::GetIndeterminate, &T::SetIndeterminate, false)
          .Prop("Wrap", &T::GetWrap, &T::SetWrap, false)
          .Prop("AutoSize", &T::GetAutoSize, &T::SetAutoSize, false)
          .PropNoDefault("DropdownMenu", &T::GetDropdownMenu, &T::SetDropdownMenu)
          .PropNoDefault("MenuItem", &T::GetMenuItem, &T::SetMenuItem)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TToolButton);

namespace {
// Command numbers of the buttons of all tool bars; the system control only
// needs them unique within one bar.
int NextButtonCommand() {
  static int next = 0x7000;
  if (++next > 0x7FFF) next = 0x7001;
  return next;
}
}  // namespace

TToolButton::TToolButton(TComponent* AOwner) : TControl(AOwner), FCommand(NextButtonCommand()) {
  SetBounds(0, 0, 23, 22);
}

TToolButton::~TToolButton() {
  SetParent(nullptr);
}

TToolBar* TToolButton::ToolBar() const {
  return dynamic_cast<TToolBar*>(Parent());
}

void TToolButton::SetParent(TWinControl* Value) {
  TToolBar* old = ToolBar();
  if (Value == Parent()) return;
  TControl::SetParent(Value);
  if (old) old->RemoveButton(this);
  if (TToolBar* bar = ToolBar()) bar->InsertButton(this);
}

void TToolButton::Changed() {
  if (TToolBar* bar = ToolBar()) bar->ButtonsChanged();
}

void TToolButton::SetStyle(TToolButtonStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  if ((Value == tbsSeparator || Value == tbsDivider) && !ComponentState().Contains(csLoading))
    SetWidth(8);
  Changed();
}

void TToolButton::SetImageIndex(int Value) {
  FImageIndex = Value;
  Changed();
}

bool TToolButton::GetDown() const {
  TToolBar* bar = ToolBar();
  if (bar && bar->HandleAllocated() && FStyle == tbsCheck)
    return SendMessageA(bar->WindowHandle(), TB_ISBUTTONCHECKED, static_cast<WPARAM>(FCommand),
                        0) != 0;
  return FDown;
}

void TToolButton::SetDown(bool Value) {
  FDown = Value;
  TToolBar* bar = ToolBar();
  if (!bar || !bar->HandleAllocated()) return;
  SendMessageA(bar->WindowHandle(), TB_CHECKBUTTON, static_cast<WPARAM>(FCommand), Value);
  // A grouped button going down takes the others of its group up.
  if (Value && FGrouped)
    for (int i = 0; i < bar->ButtonCount(); ++i)
      if (TToolButton* b = bar->Buttons(i); b != this && b->FGrouped) b->FDown = false;
}

void TToolButton::SetGrouped(bool Value) {
  FGrouped = Value;
  Changed();
}

void TToolButton::SetAllowAllUp(bool Value) {
  FAllowAllUp = Value;
}

void TToolButton::SetIndeterminate(bool Value) {
  FIndeterminate = Value;
  Changed();
}

void TToolButton::SetWrap(bool Value) {
  FWrap = Value;
  Changed();
}

void TToolButton::SetAutoSize(bool Value) {
  FAutoSize = Value;
  Changed();
}

void TToolButton::SetDropdownMenu(TPopupMenu* Value) {
  FDropdownMenu = Value;
  if (Value) Value->FreeNotification(this);
}

void TToolButton::SetMenuItem(TMenuItem* Value) {
  FMenuItem = Value;
  if (Value) {
    Value->FreeNotification(this);
    if (!ComponentState().Contains(csLoading) && GetText().empty()) SetText(Value->GetCaption());
  }
}

void TToolButton::Notification(TComponent* AComponent, TOperation Operation) {
  TControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FDropdownMenu) FDropdownMenu = nullptr;
  if (AComponent == FMenuItem) FMenuItem = nullptr;
}

void TToolButton::TextChanged() {
  Changed();
}

void TToolButton::VisibleChanged() {
  Changed();
}

void TToolButton::EnabledChanged() {
  TToolBar* bar = ToolBar();
  if (bar && bar->HandleAllocated())
    SendMessageA(bar->WindowHandle(), TB_ENABLEBUTTON, static_cast<WPARAM>(FCommand), GetEnabled());
}

bool TToolButton::CheckMenuDropdown() {
  TToolBar* bar = ToolBar();
  if (!bar || !bar->HandleAllocated()) return false;
  HMENU menu = nullptr;
  if (FDropdownMenu) {
    menu = FDropdownMenu->Handle();
  } else if (FMenuItem && FMenuItem->Count() > 0) {
    if (TMenu* owner = FMenuItem->GetParentMenu()) owner->Handle();  // builds the sub-menus
    menu = FMenuItem->Handle();
  }
  if (!menu) return false;
  HWND wnd = bar->WindowHandle();
  RECT r{};
  SendMessageA(wnd, TB_GETRECT, static_cast<WPARAM>(FCommand), reinterpret_cast<LPARAM>(&r));
  POINT below{r.left, r.bottom};
  ::ClientToScreen(wnd, &below);
  SendMessageA(wnd, TB_PRESSBUTTON, static_cast<WPARAM>(FCommand), TRUE);
  if (FDropdownMenu) {
    FDropdownMenu->SetPopupComponent(this);
    FDropdownMenu->Popup(below.x, below.y);
  } else {
    UINT command = static_cast<UINT>(TrackPopupMenu(
        menu, TPM_LEFTALIGN | TPM_TOPALIGN | TPM_RETURNCMD, below.x, below.y, 0, wnd, nullptr));
    if (command)
      if (TMenuItem* item = FindMenuItemByCommand(command)) item->Click();
  }
  SendMessageA(wnd, TB_PRESSBUTTON, static_cast<WPARAM>(FCommand), FALSE);
  return true;
}

void TToolButton::Click() {
  // A button made for a menu item opens the item's sub-items, or is the
  // item.
  if (FMenuItem && FStyle != tbsDropDown) {
    if (FMenuItem->Count() > 0) {
      CheckMenuDropdown();
    } else {
      FMenuItem->Click();
    }
  }
  TControl::Click();
}
