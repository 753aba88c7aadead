#include "skin/frame/TitleActions.h"

#include <windowsx.h>

#include "skin/engine/EngineMessages.h"
#include "skin/engine/SkinManager.h"
#include "skin/frame/FormSkinner.h"
#include "skin/frame/SystemMenu.h"
#include "skin/frame/TitleButtons.h"

namespace {

POINT ScreenPointOf(const TMessage& M) {
  return {GET_X_LPARAM(M.LParam), GET_Y_LPARAM(M.LParam)};
}

}  // namespace

TWinSysButton* TTitleActions::ButtonAt(const TMessage& M) const {
  return F.TitleButtonAt(F.WindowToFramePoint(ScreenPointOf(M)));
}

bool TTitleActions::NcMouseMove(TMessage& M) {
  M.Result = 0;
  if (!F.IsActive()) return true;
  if (TWinSysButton* button = ButtonAt(M)) {
    button->MouseEnter();
    return true;
  }
  if (TNCObject* hot = F.HotObject()) {
    hot->MouseLeave();
    F.SetHotObject(nullptr);
  }
  return false;
}

bool TTitleActions::NcLButtonDown(TMessage& M) {
  if (TWinSysButton* button = ButtonAt(M)) {
    if (!F.IsActive()) SetForegroundWindow(F.Handle());
    button->MouseDown();
    M.Result = 0;
    return true;
  }
  // A maximised window is not moved by its caption.
  if (M.WParam == HTCAPTION && F.IsActive() && F.WindowState() == TWinSkinForm::wsMaximised)
    M.WParam = HTMENU;
  return false;
}

bool TTitleActions::NcLButtonUp(TMessage& M) {
  TWinSysButton* button = ButtonAt(M);
  if (!button) return false;
  // Fires only where it was pressed: a press dragged onto another button
  // releases nothing.
  if (F.HotObject() == button && button->State == TNCObject::osPressed) {
    button->MouseUp();
    FireTitleButton(*button, ScreenPointOf(M));
  }
  M.Result = 0;
  return true;
}

bool TTitleActions::NcLButtonDblClk(TMessage& M) {
  if (TWinSysButton* button = ButtonAt(M)) {
    if (button->IsIconButton()) {
      F.StopHoverTimer();
      PostSysCommand(SC_CLOSE);
    }
    M.Result = 0;
    return true;
  }
  // Only the caption itself maximises and restores.
  if (M.WParam != HTCAPTION) return false;
  if (F.WindowState() != TWinSkinForm::wsNormal) {
    RestoreWindow();
  } else if (F.Capabilities() & TWinSkinForm::cpMaximise) {
    ToggleMaximize();
  } else {
    return false;
  }
  M.Result = 0;
  return true;
}

bool TTitleActions::NcRButtonDown(TMessage& M) {
  if (M.WParam != HTCAPTION || F.FormKind() == TWinSkinForm::fkMDIChild) return false;
  F.ShowSystemMenu(ScreenPointOf(M));
  M.Result = 0;
  return true;
}

// clang-format off
void TTitleActions::FireTitleButton(const TWinSysButton& Button, POINT Screen) {
  switch (Button.Action()) {
    case 0:  Close(); return;
    case 1:
    case 22: if (Button.Enabled) ToggleMaximize(); return;
    case 2:
    case 23: if (Button.Enabled) ToggleMinimize(); return;
    case 3:
    case 11:
    case 12: F.ShowSystemMenu({Screen.x + 1, Screen.y + 1}); return;
    case 4:  PostSysCommand(SC_CONTEXTHELP); return;
    case 7:
    case 60: CommandActiveChild(SC_MINIMIZE); return;
    case 8:
    case 61: CommandActiveChild(SC_RESTORE); return;
    case 9:
    case 62: CommandActiveChild(SC_CLOSE); return;
    default: PostMessageA(F.Handle(), SM_TITLEACTION, static_cast<WPARAM>(Button.Action()), 0);
  }
}
// clang-format on

// Dropped when the window's system menu offers no close.
void TTitleActions::Close() {
  HMENU menu = F.SystemMenuHandle();
  if (!menu || GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) == static_cast<UINT>(-1)) return;
  F.StopHoverTimer();
  PostSysCommand(SC_CLOSE);
}

void TTitleActions::CommandActiveChild(WPARAM Command) {
  if (F.FormKind() != TWinSkinForm::fkMDIParent || !F.MDIClientHandle()) return;
  auto child = reinterpret_cast<HWND>(SendMessageA(F.MDIClientHandle(), WM_MDIGETACTIVE, 0, 0));
  if (child) SendMessageA(child, WM_SYSCOMMAND, Command, 0);
}

void TTitleActions::PostSysCommand(WPARAM Command) {
  PostMessageA(F.Handle(), WM_SYSCOMMAND, Command, 0);
}

void TTitleActions::ToggleMaximize() {
  if (F.WindowState() == TWinSkinForm::wsMaximised) {
    RestoreWindow();
    return;
  }
  if (F.FormKind() == TWinSkinForm::fkMDIChild) TSkinManage::Ensure().SetMDIChildMaximised(true);
  F.FWindowState = TWinSkinForm::wsMaximised;
  PostSysCommand(SC_MAXIMIZE);
  F.DropHotObject();
}

void TTitleActions::ToggleMinimize() {
  if (F.WindowState() == TWinSkinForm::wsMinimised) {
    RestoreWindow();
    return;
  }
  F.FWindowState = TWinSkinForm::wsMinimised;
  F.SetSysMenuStyle(false);
  PostSysCommand(SC_MINIMIZE);
}

void TTitleActions::RestoreWindow() {
  F.FWindowState = TWinSkinForm::wsNormal;
  PostSysCommand(SC_RESTORE);
}
