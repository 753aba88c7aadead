#pragma once
// The shell's own context menu for items of one folder: built by the
// folder's context-menu handler, shown at a screen point, and the chosen
// entry carried out. The component that shows it is told at each step
// (TVintoShellMenuOwner) and can refuse it; while the menu is open, the
// component's window passes menu drawing messages to HandleMenuMsg so that
// owner-drawn sub-menus draw.

#include <shlobj.h>
#include <wrl/client.h>

#include <string>
#include <vector>

class TVintoShellMenuOwner {
 public:
  virtual ~TVintoShellMenuOwner() = default;
  // Before the menu shows; false shows nothing.
  virtual bool ContextMenuPopup() = 0;
  // An entry with a verb was chosen; false carries out nothing.
  virtual bool ContextMenuCommand(const std::string& Verb) = 0;
  // "rename" was chosen: the component edits the name in place.
  virtual void ContextMenuRename() = 0;
  virtual void ContextMenuFailed(const std::string& Verb) = 0;
};

class TVintoShellContextMenu {
 public:
  struct TRequest {
    HWND Owner = nullptr;
    IShellFolder* Folder = nullptr;
    // Relative to Folder.
    std::vector<LPCITEMIDLIST> Items;
    bool CanRename = false;
    POINT ScreenPos{};
  };

  // Shows the menu and carries out what is chosen. False when the folder
  // gave no menu (nothing was shown).
  bool Show(const TRequest& Request, TVintoShellMenuOwner& Owner);

  bool IsOpen() const { return FMenu2 != nullptr; }
  // For WM_INITMENUPOPUP, WM_MENUCHAR, WM_DRAWITEM and WM_MEASUREITEM
  // while the menu is open; false when it is not.
  bool HandleMenuMsg(UINT Msg, WPARAM WParam, LPARAM LParam);

 private:
  void Run(IContextMenu* Menu, HMENU Popup, const TRequest& Request, TVintoShellMenuOwner& Owner);

  Microsoft::WRL::ComPtr<IContextMenu2> FMenu2;
};
