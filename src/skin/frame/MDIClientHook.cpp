#include "skin/frame/MDIClientHook.h"

#include "skin/engine/EngineMessages.h"
#include "skin/engine/SkinData.h"
#include "skin/engine/SkinManager.h"
#include "skin/frame/FormSkinner.h"

namespace {

LPCSTR HookProperty() {
  static const ATOM atom = GlobalAddAtomA("FernwickMDIClientSkinner");
  return MAKEINTATOM(atom);
}

}  // namespace

TMDIClientHook::TMDIClientHook(TWinSkinForm& Parent, HWND Client)
    : FParent(Parent), FClient(Client) {
  if (TSkinData* data = FParent.SkinData()) FSavedMenuUpdate = data->GetMenuUpdate();
  SetPropA(FClient, HookProperty(), this);
  FOldProc = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(
      FClient, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&TMDIClientHook::ClientProc)));
  FInstalled = true;
}

TMDIClientHook::~TMDIClientHook() {
  Restore();
}

void TMDIClientHook::Restore() {
  if (!FInstalled) return;
  FInstalled = false;
  if (!IsWindow(FClient)) return;
  SetWindowLongPtrA(FClient, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(FOldProc));
  RemovePropA(FClient, HookProperty());
}

LRESULT CALLBACK TMDIClientHook::ClientProc(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
  auto* hook = static_cast<TMDIClientHook*>(GetPropA(Window, HookProperty()));
  if (!hook) return DefWindowProcA(Window, Msg, WParam, LParam);
  try {
    return hook->Message(Msg, WParam, LParam);
  } catch (...) {
    return 0;  // nothing crosses the window procedure
  }
}

LRESULT TMDIClientHook::CallClient(UINT Msg, WPARAM WParam, LPARAM LParam) {
  return CallWindowProcA(FOldProc, FClient, Msg, WParam, LParam);
}

// clang-format off
LRESULT TMDIClientHook::Message(UINT Msg, WPARAM WParam, LPARAM LParam) {
  const bool skinned = FParent.FrameSkinned();
  TSkinData* data = FParent.SkinData();
  switch (Msg) {
    case WM_NCDESTROY: {
      const LRESULT result = CallClient(Msg, WParam, LParam);
      Restore();
      return result;
    }
    case WM_NCCALCSIZE:
      if (skinned && data && !data->GetOptions().Contains(xoMDIScrollbar)) {
        const LONG style = GetWindowLongA(FClient, GWL_STYLE);
        if (style & (WS_VSCROLL | WS_HSCROLL))
          SetWindowLongA(FClient, GWL_STYLE, style & ~(WS_VSCROLL | WS_HSCROLL));
      }
      return CallClient(Msg, WParam, LParam);
    case WM_MDICREATE:
      if (data) data->SetMenuUpdate(false);
      return CallClient(Msg, WParam, LParam);
    case WM_MDIDESTROY: {
      const LRESULT result = CallClient(Msg, WParam, LParam);
      if (skinned) OnChildDestroyed();
      return result;
    }
    case WM_MDITILE:
    case WM_MDICASCADE:
      if (skinned) TSkinManage::Ensure().SetMDIChildMaximised(false);
      return CallClient(Msg, WParam, LParam);
    case WM_MDISETMENU: {
      const LRESULT result = CallClient(Msg, WParam, LParam);
      if (skinned && WParam) FParent.MenuBarAfterMDISetMenu();
      return result;
    }
    case SM_REDRAWWINDOW:
      RedrawWindow(FParent.Handle(), nullptr, nullptr,
                   RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
      return 0;
    default: return CallClient(Msg, WParam, LParam);
  }
}
// clang-format on

void TMDIClientHook::OnChildDestroyed() {
  BOOL maximised = FALSE;
  HWND active =
      reinterpret_cast<HWND>(CallClient(WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximised)));
  TSkinManage::Ensure().SetMDIChildMaximised(active && maximised);
  if (active || !FParent.MenuBar()) return;
  if (TSkinData* data = FParent.SkinData()) data->SetMenuUpdate(FSavedMenuUpdate);
  FParent.MenuBarAfterLastMDIChild();
}
