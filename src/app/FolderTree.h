#pragma once
// A plain tree of the shell's folders for the main window's panes. One root
// node for the folder named by RootFolder ("sfDesktop", a drive, a folder or
// a UNC path), children listed when a node is first expanded, folders only
// (hidden ones included), in the shell's order. Every node owns the absolute
// identifier list of its folder. No icons, no change tracking, no context
// menu, no drag and drop.

#include <string>

#include "shell/ShellIDList.h"
#include "toolkit/TreeView.h"

class TFolderTree : public TCustomTreeView {
  FW_CLASS(TFolderTree)
 public:
  explicit TFolderTree(TComponent* AOwner);
  ~TFolderTree() override;

  // Setting a different text rebuilds the tree from that root. A text the
  // shell cannot resolve gives a root node without a list, whose path is
  // empty.
  std::string GetRootFolder() const { return FRootFolder; }
  void SetRootFolder(const std::string& Value);

  // The absolute list of the selected folder (owned by its node), or null
  // when nothing is selected or the node has none.
  LPCITEMIDLIST SelectedIDList();
  // The absolute list held by Node, or null.
  static LPCITEMIDLIST NodeIDList(const TTreeNode* Node);

  // Discards every node and builds the root node afresh, expanded and
  // selected.
  void RebuildTree();

  void Loaded() override;

 protected:
  void CreateWnd() override;
  bool CanExpand(TTreeNode* Node) override;
  void Delete(TTreeNode* Node) override;

 private:
  TTreeNode* AddFolderNode(TTreeNode* Parent, LPITEMIDLIST List);
  // False when the folder cannot be listed.
  bool FillChildren(TTreeNode* Node);

  std::string FRootFolder = "sfDesktop";
  bool FRebuilding = false;
};
