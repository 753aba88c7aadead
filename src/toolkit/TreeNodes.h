#pragma once
// The nodes of a tree view, in the tree's own item order.

#include <windows.h>
// (needs windows.h first)
#include <commctrl.h>

#include <string>
#include <vector>

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
  // A node's whole look, set as it is inserted (one request to the control
  // instead of one per attribute). An image index of I_IMAGECALLBACK makes
  // the control ask the tree (TVN_GETDISPINFO) when it first needs it.
  struct TNodeLook {
    bool HasChildren = false;
    bool Cut = false;
    int OverlayIndex = -1;
    int ImageIndex = I_IMAGECALLBACK;
    int SelectedIndex = I_IMAGECALLBACK;
  };
  TTreeNode* AddChild(TTreeNode* Parent, const std::string& Text, void* Data,
                      const TNodeLook& Look);
  void Clear();
  // Number of nodes in the whole tree.
  int Count() const;
  TTreeNode* GetFirstNode() const;
  // The node of a system item, or null.
  TTreeNode* GetNode(HTREEITEM Item) const;

  // Stops redrawing until the matching EndUpdate.
  void BeginUpdate();
  void EndUpdate();
  bool Updating() const { return FUpdateCount > 0; }

  // While the tree's window is made again: Keep takes every node out of
  // the old window (the node objects stay, with their place, expansion
  // and the selection), Restore puts them into the new one. While either
  // runs, Moving() is true and the tree reacts to none of the control's
  // notifications.
  void Keep();
  void Restore();
  bool Moving() const { return FMoving; }
  bool HasKept() const { return !FKept.empty(); }
  // Frees kept nodes that found no new window, each through the tree's
  // deletion reaction.
  void FreeKept();

 private:
  TTreeNode* Insert(HTREEITEM Parent, const std::string& Text, void* Data, const TNodeLook* Look);

  struct TKeptNode {
    TTreeNode* Node;
    int Parent;  // index in the kept list, -1 at the top level
    int Children;
    UINT State;
    bool Expanded;
  };

  TCustomTreeView& FOwner;
  int FUpdateCount = 0;
  std::vector<TKeptNode> FKept;  // parents before their children
  TTreeNode* FKeptSelected = nullptr;
  TTreeNode* FKeptTop = nullptr;
  bool FMoving = false;
};
