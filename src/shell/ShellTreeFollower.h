#pragma once
// What a shell list view or combo box does when a folder tree it is linked
// to asks it to follow. The tree holds such a component through its
// ListView or ComboBox property; a component of any other kind is not
// linked.

#include "shell/ShellIDList.h"

class TCustomVintoShellTreeView;

class TVintoShellTreeFollower {
 public:
  virtual ~TVintoShellTreeFollower() = default;
  // The tree links itself (Tree) or lets go (null).
  virtual void LinkTree(TCustomVintoShellTreeView* Tree) = 0;
  // The tree's root changed, or the link was just made.
  virtual void FollowTreeRoot(const TVintoShellFolder& RootFolder) = 0;
  // A folder was selected in the tree.
  virtual void FollowTreeSelection(LPCITEMIDLIST Folder) = 0;
  // Media came or went somewhere in the tree's namespace.
  virtual void RefreshFromTree() {}
};
