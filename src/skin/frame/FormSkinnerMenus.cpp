// The form skinner's part in the skinned menus: the menu bar's building,
// keyboard access and mouse, the owner-drawn items of the window's native
// menus, and switching owner drawing of the form's menus on and off.

#include <windowsx.h>

#include "skin/engine/EngineMessages.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinManager.h"
#include "skin/frame/FormSkinner.h"
#include "skin/frame/MenuBar.h"
#include "skin/frame/MenuBarButton.h"
#include "skin/frame/MenuTracking.h"
#include "skin/menus/MenuItemPainter.h"
#include "toolkit/Application.h"
#include "toolkit/Form.h"
#include "toolkit/Menu.h"

namespace {

POINT PointOf(LPARAM LParam) {
  return {GET_X_LPARAM(LParam), GET_Y_LPARAM(LParam)};
}

// The screen point just inside an item of the bar.
LPARAM ItemPoint(HWND Window, const TMenuBtn& Item) {
  RECT frame{};
  GetWindowRect(Window, &frame);
  return MAKELPARAM(frame.left + Item.Rect.left + 1, frame.top + Item.Rect.top + 1);
}

bool AltAloneHeld() {
  BYTE keys[256] = {};
  if (!GetKeyboardState(keys)) return false;
  return (keys[VK_MENU] & 0x80) && !(keys[VK_CONTROL] & 0x80) && !(keys[VK_SHIFT] & 0x80);
}

// A modal window has its owner disabled while it runs.
bool IsModal(HWND Window) {
  HWND owner = GetWindow(Window, GW_OWNER);
  return owner && !IsWindowEnabled(owner);
}

}  // namespace

void TWinSkinForm::BuildMenuBar() {
  FMenuBarHeight = GetSystemMetrics(SM_CYMENU);
  FMenuBar = std::make_unique<TWinSkinMenu>(*this, FSkinData);
  if (auto* form = dynamic_cast<TCustomForm*>(FForm)) FMenuBar->SetMenu(form->GetMenu());
  FMenuBar->Build();
}

void TWinSkinForm::TakeNewMenuBar() {
  if (!GetMenu(FHandle)) return;
  if (FMenuBar && FSkinData && FSkinData->GetMenuUpdate()) {
    FMenuBar->Build();
    PaintNonClient(nullptr);
  }
  ::SetMenu(FHandle, nullptr);
}

void TWinSkinForm::MenuBarAfterMDISetMenu() {
  if (!FMenuBar) return;
  FMenuBar->BuildAfterMDISetMenu();
  ::SetMenu(FHandle, nullptr);
  PaintNonClient(nullptr);
}

void TWinSkinForm::MenuBarAfterLastMDIChild() {
  if (!FMenuBar) return;
  FMenuBar->Build();
  FMenuBar->Layout(FMenuBar->BarRect());
  PaintNonClient(nullptr);
}

void TWinSkinForm::MenusOwnerDraw(bool On) {
  if (!FForm) return;
  FMenuItems->SetPopupMenusOwnerDraw(FForm, On);
  if (FSkinData && FSkinData->GetSkinControls().Contains(xcMenuItem))
    FMenuItems->SetMainMenuOwnerDraw(FForm, On);
}

// SC_KEYMENU: Alt+letter and F10 open the menu bar's items. True when the
// message was answered (1) here.
bool TWinSkinForm::OnKeyMenu(TMessage& M) {
  if ((M.WParam & 0xFFF0) != SC_KEYMENU) return false;
  if (FMenuBar && FMenuBar->Tracking()) return false;
  const auto key = static_cast<char>(M.LParam & 0xFF);
  if (key == ' ' || key == '-' || GetCapture()) return false;
  TMenuBtn* item = FMenuBar ? FMenuBar->FindAccelerator(key) : nullptr;
  if (key != 0 && !item) return false;
  if (item) {
    item->MouseDown();
    FMenuBar->OpenMenuItem(*item);
  }
  M.Result = 1;
  return true;
}

void TWinSkinForm::OnOpenMenuItem(TMessage& M) {
  M.Result = 0;
  if (!FMenuBar) return;
  if (TMenuBtn* item = FMenuBar->MenuItemAt(WindowToFramePoint(PointOf(M.LParam)))) {
    item->MouseDown();
    FMenuBar->OpenMenuItem(*item);
  }
}

void TWinSkinForm::OnMenuSelect(TMessage& M) {
  TMenuTracking& tracking = TMenuTracking::Instance();
  if (FMenuBar && tracking.Bar() == FMenuBar.get()) tracking.MenuSelected(M.WParam, M.LParam);
  PassOn(M);
}

// The owner-drawn items of the window's native menus (the menu bar's
// drop-downs); everything else goes on.
void TWinSkinForm::OnMenuItemMessage(TMessage& M) {
  bool handled = false;
  if (FMainMenuHandle || FMenuBar) {
    if (M.Msg == WM_DRAWITEM)
      handled = FMenuItems->DrawNativeItem(*reinterpret_cast<DRAWITEMSTRUCT*>(M.LParam));
    else
      handled = FMenuItems->MeasureNativeItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(M.LParam));
  }
  if (handled)
    M.Result = TRUE;
  else
    PassOn(M);
}

// Alt+letter on the form: the menu bar's accelerators, else those of the
// form that holds the main menu.
void TWinSkinForm::OnFormDialogChar(TMessage& M) {
  FOldFormWindowProc(M);
  if (M.Result != 0) return;
  if (FMenuBar && M.WParam && AltAloneHeld())
    if (TMenuBtn* item = FMenuBar->FindAccelerator(static_cast<char>(M.WParam))) {
      PostMessageA(FHandle, SM_OPENMENUITEM, 0, ItemPoint(FHandle, *item));
      M.Result = 1;
      return;
    }
  auto* form = dynamic_cast<TCustomForm*>(FForm);
  TCustomForm* target = nullptr;
  if (form && FFormKind == fkMDIChild)
    target = form->MDIParent();
  else if (form && Application && Application->MainForm() != form && !IsModal(FHandle))
    target = Application->MainForm();
  if (target) target->Perform(CM_DIALOGCHAR, M.WParam, M.LParam);
  M.Result = 0;
}
