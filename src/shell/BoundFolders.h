#pragma once
// The shell folders a tree bound last, each under the node that shows it.
// Binding a folder from the desktop walks every level of its list again;
// a folder whose parent is still bound is bound through the parent, one
// step. A tree whose folders are opened one by one, or a refresh opening
// again what was open, binds children of the same few folders over and
// over.

#include <windows.h>
// (needs windows.h first)
#include <shlobj.h>

#include <cstddef>
#include <vector>

#include "shell/ShellIDList.h"

class TBoundFolders {
 public:
  explicit TBoundFolders(std::size_t Capacity = 16) : FCapacity(Capacity) {}

  // The folder of List, shown by the node Key, whose parent node is Parent
  // (null for a top node). Null when the folder cannot be bound.
  TShellFolderPtr Bind(const void* Key, LPCITEMIDLIST List, const void* Parent);
  // The folder bound for Key if it is still kept, or null.
  TShellFolderPtr Kept(const void* Key) { return Key ? Find(Key) : nullptr; }
  // The node Key is gone (its key may name another node next).
  void Forget(const void* Key);

 private:
  struct TEntry {
    const void* Key;
    TShellFolderPtr Folder;
  };
  // The folder bound for Key, now the most recently used; null if none.
  TShellFolderPtr Find(const void* Key);
  void Remember(const void* Key, const TShellFolderPtr& Folder);

  std::size_t FCapacity;
  std::vector<TEntry> FEntries;  // the most recently used first
};
