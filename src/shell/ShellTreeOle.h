#pragma once
// What a folder tree does with the shell beyond showing it: the shell's
// context menu for the selected node, dragging a node's item out, and
// taking drops onto its nodes. The tree owns one and hands it its window's
// requests; it reads the tree's settings and raises the tree's events.

#include <wrl/client.h>

#include "shell/ShellContextMenu.h"
#include "shell/ShellDragSource.h"
#include "shell/ShellDropHost.h"

class TCustomVintoShellTreeView;
class TTreeNode;
class TVintoShellDropTarget;

class TVintoShellTreeOle : private TVintoShellDropHost,
                           private TVintoShellDragOwner,
                           private TVintoShellMenuOwner {
 public:
  explicit TVintoShellTreeOle(TCustomVintoShellTreeView& Tree);
  ~TVintoShellTreeOle() override;
  TVintoShellTreeOle(const TVintoShellTreeOle&) = delete;
  TVintoShellTreeOle& operator=(const TVintoShellTreeOle&) = delete;

  // The shell's menu for the selected node at a client point ((-1, -1):
  // below the selected node). False when there was no menu to show.
  bool ShowContextMenu(POINT Client);
  // Whether the window should drop this mouse message: the release of the
  // button whose press cancelled a drag.
  bool SwallowsMouseMessage(UINT Msg);
  // Passes menu drawing messages to an open shell menu.
  void MenuMessage(UINT Msg, WPARAM WParam, LPARAM LParam);
  // Drags Node's item out; Button is MK_LBUTTON or MK_RBUTTON.
  void BeginDrag(TTreeNode* Node, DWORD Button);
  bool RegisterDropTarget();
  void RevokeDropTarget();
  // The drop target while registered (null otherwise).
  TVintoShellDropTarget* DropTarget() const { return FDropTarget; }

 private:
  // Drop host.
  HWND DropWindow() override;
  void* DropItemAt(POINT Client) override;
  LPCITEMIDLIST DropItemIDList(void* Item) override;
  void HighlightDropItem(void* Item) override;
  bool DropItemOpens(void* Item) override;
  void OpenDropItem(void* Item) override;
  int DropAutoExpandInterval() override;
  int DropAutoScrollInterval() override;
  TVintoShellOleDropEffect DropEffectSetting() override;
  bool AcceptDrag(TVintoShellOleDragDropInfo* Info, POINT Client, TDragState State) override;
  void DragDropped(TVintoShellOleDragDropInfo* Info, POINT Client) override;
  // Drag owner.
  void DragStarting() override;
  void DragEnded(TVintoShellOleDragDropInfo* Target, POINT ScreenPos) override;
  // Menu owner.
  bool ContextMenuPopup() override;
  bool ContextMenuCommand(const std::string& Verb) override;
  void ContextMenuRename() override;
  void ContextMenuFailed(const std::string& Verb) override;

  TCustomVintoShellTreeView& FTree;
  TVintoShellContextMenu FMenu;
  TVintoShellDropTarget* FDropTarget = nullptr;
  TTreeNode* FMenuNode = nullptr;
  UINT FSwallowedRelease = 0;
};
