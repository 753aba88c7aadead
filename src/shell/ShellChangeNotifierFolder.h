#pragma once
// One folder a TVintoShellChangeNotifier watches when it is configured by
// properties: the folder text (a path or a special folder name) and whether
// the folder's subtree is watched too.

#include "shell/ShellIDList.h"
#include "toolkit/portable/Collection.h"

class TVintoShellChangeNotifierFolder : public TCollectionItem {
  FW_CLASS(TVintoShellChangeNotifierFolder)
 public:
  explicit TVintoShellChangeNotifierFolder(TCollection* Collection) : TCollectionItem(Collection) {}

  const TVintoShellFolder& GetFolder() const { return FFolder; }
  void SetFolder(const TVintoShellFolder& Value) { FFolder = Value; }
  bool GetWatchSubTree() const { return FWatchSubTree; }
  void SetWatchSubTree(bool Value) { FWatchSubTree = Value; }

 private:
  TVintoShellFolder FFolder;
  bool FWatchSubTree = false;
};
