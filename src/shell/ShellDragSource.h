#pragma once
// Dragging shell items out of a shell component: the folder's data object
// for the items, the effects the items and the component allow, and the
// platform's drag loop. The component is told when the drag starts and how
// it ended.

#include <shlobj.h>

#include <vector>

#include "shell/ShellOleDragDropInfo.h"
#include "shell/ShellTreeTypes.h"

class TVintoShellDragOwner {
 public:
  virtual ~TVintoShellDragOwner() = default;
  virtual void DragStarting() = 0;
  // Target is null and ScreenPos -1, -1 when nothing was dropped.
  virtual void DragEnded(TVintoShellOleDragDropInfo* Target, POINT ScreenPos) = 0;
};

struct TVintoShellDragRequest {
  HWND Owner = nullptr;
  // The folder the items live in, as an absolute list, and its interface.
  LPCITEMIDLIST SourceFolder = nullptr;
  IShellFolder* Folder = nullptr;
  std::vector<LPCITEMIDLIST> Items;  // relative to Folder
  // MK_LBUTTON or MK_RBUTTON.
  DWORD Button = MK_LBUTTON;
  TVintoShellOleDragEffects Effects{deCopy, deMove, deLink};
};

// The drop effects allowed for items with the shell's Attributes.
DWORD AllowedDragEffects(ULONG Attributes, TVintoShellOleDragEffects Effects);

// Runs the drag; false when no drag took place (the folder gave no data
// object for the items). CancelledByButton tells whether a press of the
// other button cancelled it: its release is still to come and opens no menu.
bool RunShellDrag(const TVintoShellDragRequest& Request, TVintoShellDragOwner& Owner,
                  bool* CancelledByButton = nullptr);
