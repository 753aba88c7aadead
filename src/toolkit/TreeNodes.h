#pragma once
// The nodes of a tree view, in the tree's own item order.

#include <windows.h>
// (needs windows.h first)
#include <commctrl.h>

#include <string>

#include "toolkit/TreeNode.h"

class TCustomTreeView;

class TTreeNodes {
 public:
  explicit TTreeNodes(TCustomTreeView& Owner) : FOwner(Owner) {}
  TTreeNodes(const TTreeNodes&) = delete;
  TTreeNodes& operator=(const TTreeNodes&) = delete;

  TCustomTreeView& Owner() const { return FOwner; }

  // Adds a top-level node after the last one, or a child after the last
  // child of Parent.
  TTreeNode* Add(const std::string& Text, void* Data = nullptr);
  TTreeNode* AddChild(TTreeNode* Parent, const std::string& Text, void* Data = nullptr);
  void Clear();
  // Number of nodes in the whole tree.
  int Count() const;
  TTreeNode* GetFirstNode() const;
  // The node of a system item, or null.
  TTreeNode* GetNode(HTREEITEM Item) const;

  // Stops redrawing until the matching EndUpdate.
  void BeginUpdate();
  void EndUpdate();

 private:
  TTreeNode* Insert(HTREEITEM Parent, const std::string& Text, void* Data);

  TCustomTreeView& FOwner;
  int FUpdateCount = 0;
};
