#pragma once
// What the drag events of the shell components are handed as their source
// or target: the effect, the folder the dragged items come from, the items
// and the folder under the cursor. All three objects belong to the info.

#include <memory>

#include "shell/ShellItems.h"

class TVintoShellOleDragDropInfo {
 public:
  // 0 none, 1 copy, 2 move, 3 link.
  BYTE Effect = 0;

  TVintoShellItem* SourceFolder() const { return FSourceFolder.get(); }
  TVintoShellItem* TargetFolder() const { return FTargetFolder.get(); }
  TVintoShellItems& Items() { return FItems; }
  // Nothing happens when the folder held already is List; a null list
  // leaves no folder.
  void SetSourceFolder(LPCITEMIDLIST List) { Replace(FSourceFolder, List); }
  void SetTargetFolder(LPCITEMIDLIST List) { Replace(FTargetFolder, List); }

  // The info's Effect for a drop effect the platform reports (bit set):
  // the last of copy, move and link that applies.
  static BYTE EffectOf(DWORD DropEffect);

 private:
  static void Replace(std::unique_ptr<TVintoShellItem>& Held, LPCITEMIDLIST List);

  std::unique_ptr<TVintoShellItem> FSourceFolder;
  TVintoShellItems FItems;
  std::unique_ptr<TVintoShellItem> FTargetFolder;
};
