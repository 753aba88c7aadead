#pragma once
// Opening a node on an open branch of the system tree control makes the
// control draw its scroll bars at once, several times over (new range, new
// position, again when it scrolls the new children into view), and under
// Wine each of those immediate drawings costs more than all the rest of the
// opening. While an opening is quiet, the control's window is marked as not
// drawable, so that the control only keeps its own accounts. When it ends,
// the window is drawable again and shows what changed as the control itself
// would have: the rows above the node and those below its branch are moved
// to where they are now, the node's row and its new rows are invalidated,
// and so is the frame with the scroll bars; the next paint draws them once.
// What was waiting to be painted before still is.

#include <windows.h>
// (needs windows.h first)
#include <commctrl.h>

#include "toolkit/GdiHandle.h"

class TQuietExpansion {
 public:
  TQuietExpansion() = default;
  TQuietExpansion(const TQuietExpansion&) = delete;
  TQuietExpansion& operator=(const TQuietExpansion&) = delete;
  ~TQuietExpansion() { End(); }

  // Starts a quiet opening of Item in the control Tree, unless one is going
  // on, the window is not drawn anyway, or Item lies on a closed branch
  // (then the control draws nothing for it). Returns whether it started.
  bool Begin(HWND Tree, HTREEITEM Item);
  // Ends the quiet opening going on, if any.
  void End();
  bool Active() const { return FTree != nullptr; }

 private:
  void InvalidateChanges(HWND Tree);

  HWND FTree = nullptr;
  HTREEITEM FItem = nullptr;
  LONG FItemTop = 0;
  // The row below the node before it opened (null: none), and its top.
  HTREEITEM FNext = nullptr;
  LONG FNextTop = 0;
  int FHorizontalPos = 0;
  // The window's update region when the opening began; null when empty.
  TRegionHandle FPending;
};
