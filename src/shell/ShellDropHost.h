#pragma once
// What a shell component tells its OLE drop target: the items under the
// cursor (tree nodes, list items), their lists, the drop highlight, folder
// opening while hovering, its settings and its drag events. Items are
// opaque to the drop target and only compared and handed back.

#include <windows.h>

#include "shell/ShellTreeTypes.h"

class TVintoShellDropHost {
 public:
  virtual ~TVintoShellDropHost() = default;
  virtual HWND DropWindow() = 0;
  // The item under a client point, or null.
  virtual void* DropItemAt(POINT Client) = 0;
  // The item's absolute list (null for an item without one).
  virtual LPCITEMIDLIST DropItemIDList(void* Item) = 0;
  // Shows Item as drop target; null removes the highlight.
  virtual void HighlightDropItem(void* Item) = 0;
  // Whether hovering over Item should open it: closed, with children.
  virtual bool DropItemOpens(void*) { return false; }
  virtual void OpenDropItem(void*) {}
  virtual int DropAutoExpandInterval() { return 0; }
  virtual int DropAutoScrollInterval() = 0;
  virtual TVintoShellOleDropEffect DropEffectSetting() = 0;
  // OnDragOver when assigned; otherwise accepts unless the component keeps
  // the stricter behaviour.
  virtual bool AcceptDrag(TVintoShellOleDragDropInfo* Info, POINT Client, TDragState State) = 0;
  virtual void DragDropped(TVintoShellOleDragDropInfo* Info, POINT Client) = 0;
};
