#pragma once
// One shell object handed to a command or an event: its own copy of the
// object's absolute identifier list and, for a folder, its folder interface.

#include "shell/ShellIDList.h"

class TVintoShellItem {
 public:
  // Copies List.
  explicit TVintoShellItem(LPCITEMIDLIST List);
  ~TVintoShellItem();
  TVintoShellItem(const TVintoShellItem&) = delete;
  TVintoShellItem& operator=(const TVintoShellItem&) = delete;

  LPITEMIDLIST AbsoluteIDList() const { return FAbsoluteIDList; }
  // The last item inside AbsoluteIDList; not a list of its own.
  LPITEMIDLIST RelativeIDList() const { return LastID(FAbsoluteIDList); }
  // Null when the object is no folder.
  IShellFolder* ShellFolder() const { return FShellFolder.Get(); }

 private:
  LPITEMIDLIST FAbsoluteIDList;
  TShellFolderPtr FShellFolder;
};
