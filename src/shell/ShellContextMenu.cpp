#include "shell/ShellContextMenu.h"

using Microsoft::WRL::ComPtr;

namespace {

constexpr UINT kFirstCommand = 1;
constexpr UINT kLastCommand = 0x7FFF;

class TPopupMenuHandle {
 public:
  TPopupMenuHandle() : FMenu(CreatePopupMenu()) {}
  ~TPopupMenuHandle() {
    if (FMenu) DestroyMenu(FMenu);
  }
  TPopupMenuHandle(const TPopupMenuHandle&) = delete;
  TPopupMenuHandle& operator=(const TPopupMenuHandle&) = delete;
  HMENU Get() const { return FMenu; }

 private:
  HMENU FMenu;
};

std::string VerbOf(IContextMenu* Menu, UINT Offset) {
  char verb[256] = {};
  if (FAILED(Menu->GetCommandString(Offset, GCS_VERBA, nullptr, verb, sizeof verb))) return {};
  verb[sizeof verb - 1] = '\0';
  return verb;
}

}  // namespace

bool TVintoShellContextMenu::Show(const TRequest& Request, TVintoShellMenuOwner& Owner) {
  if (!Request.Folder || Request.Items.empty() || FMenu2) return false;
  ComPtr<IContextMenu> menu;
  LPCITEMIDLIST* items = const_cast<LPCITEMIDLIST*>(Request.Items.data());
  if (FAILED(Request.Folder->GetUIObjectOf(Request.Owner, static_cast<UINT>(Request.Items.size()),
                                           items, IID_IContextMenu, nullptr,
                                           reinterpret_cast<void**>(menu.GetAddressOf()))) ||
      !menu)
    return false;
  TPopupMenuHandle popup;
  if (!popup.Get()) return false;
  UINT flags = CMF_EXPLORE;
  if (Request.CanRename) flags |= CMF_CANRENAME;
  if (GetAsyncKeyState(VK_SHIFT) < 0) flags |= CMF_EXTENDEDVERBS;
  if (FAILED(menu->QueryContextMenu(popup.Get(), 0, kFirstCommand, kLastCommand, flags)))
    return false;
  menu.As(&FMenu2);
  // The interface goes on every way out, also when something throws.
  struct TRelease {
    ComPtr<IContextMenu2>& Menu;
    ~TRelease() { Menu.Reset(); }
  } release{FMenu2};
  Run(menu.Get(), popup.Get(), Request, Owner);
  return true;
}

void TVintoShellContextMenu::Run(IContextMenu* Menu, HMENU Popup, const TRequest& Request,
                                 TVintoShellMenuOwner& Owner) {
  if (!Owner.ContextMenuPopup()) return;
  const UINT chosen =
      static_cast<UINT>(TrackPopupMenu(Popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, Request.ScreenPos.x,
                                       Request.ScreenPos.y, 0, Request.Owner, nullptr));
  if (chosen == 0) return;
  const UINT offset = chosen - kFirstCommand;
  const std::string verb = VerbOf(Menu, offset);
  if (!verb.empty() && !Owner.ContextMenuCommand(verb)) return;
  if (lstrcmpiA(verb.c_str(), "rename") == 0) {
    Owner.ContextMenuRename();
    return;
  }
  CMINVOKECOMMANDINFO command{};
  command.cbSize = sizeof command;
  command.hwnd = Request.Owner;
  command.lpVerb = MAKEINTRESOURCEA(offset);
  command.nShow = SW_SHOWNORMAL;
  if (Menu->InvokeCommand(&command) != S_OK) Owner.ContextMenuFailed(verb);
}

bool TVintoShellContextMenu::HandleMenuMsg(UINT Msg, WPARAM WParam, LPARAM LParam) {
  if (!FMenu2) return false;
  switch (Msg) {
    case WM_INITMENUPOPUP:
    case WM_MENUCHAR:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
      FMenu2->HandleMenuMsg(Msg, WParam, LParam);
      return true;
  }
  return false;
}
