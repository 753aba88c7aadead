#pragma once
// The folders a TVintoShellChangeNotifier watches when it is configured by
// properties rather than in code; the notifier owns them.

#include "shell/ShellChangeNotifierFolder.h"
#include "toolkit/portable/Collection.h"

class TVintoShellChangeNotifierFolders : public TCollection {
  FW_CLASS(TVintoShellChangeNotifierFolders)
 public:
  // Owner: the notifier whose Folders these are.
  explicit TVintoShellChangeNotifierFolders(TObject* Owner);

  TVintoShellChangeNotifierFolder& Items(int Index) const {
    return static_cast<TVintoShellChangeNotifierFolder&>(*Item(Index));
  }
  TVintoShellChangeNotifierFolder& Add(const TVintoShellFolder& Folder = {},
                                       bool WatchSubTree = false);
};
