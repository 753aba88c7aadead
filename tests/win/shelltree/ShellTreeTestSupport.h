#pragma once
// Helpers of the folder tree's tests: node lookup, in-place editing and
// recorders for the tree's events.

#include <windows.h>

#include <string>
#include <vector>

#include "common/MessagePump.h"
#include "common/TempFolder.h"
#include "shell/CustomShellTreeView.h"
#include "shell/ShellTreeFollower.h"
#include "toolkit/Application.h"


TTreeNode* FindChildByText(TTreeNode* Parent, const std::string& Text);
TTreeNode* FindChildByList(TTreeNode* Parent, LPCITEMIDLIST List);
std::vector<std::string> ChildTexts(TTreeNode* Parent);
UINT ItemState(TTreeNode* Node);
// Edits Node's text in place as a user would; false when editing did not
// start.
bool EditNode(TCustomTreeView* Tree, TTreeNode* Node, const std::string& Text);

struct TEventLog {
  std::vector<std::string> Failed;
  std::vector<std::string> Drives;
  std::vector<std::string> Media;
  int Selections = 0;
  void CommandFailed(TObject*, const std::string& Command) { Failed.push_back(Command); }
  void SelectionChanged(TObject*) { ++Selections; }
  void DriveAdded(TObject*, const std::string& Root) { Drives.push_back(Root); }
  void MediaInserted(TObject*, const std::string& Root) { Media.push_back(Root); }
};

// A component that follows a tree the way a list view or combo box does.
class TFollower : public TComponent, public TVintoShellTreeFollower {
  FW_CLASS(TFollower)
 public:
  using TComponent::TComponent;
  ~TFollower() override;
  TCustomVintoShellTreeView* Tree = nullptr;
  std::vector<std::string> Roots;
  std::vector<LPITEMIDLIST> Selections;
  int Refreshes = 0;
  void LinkTree(TCustomVintoShellTreeView* Value) override { Tree = Value; }
  void FollowTreeRoot(const TVintoShellFolder& Root) override { Roots.push_back(Root); }
  void FollowTreeSelection(LPCITEMIDLIST Folder) override {
    Selections.push_back(CopyIDList(Folder));
  }
  void RefreshFromTree() override { ++Refreshes; }
};
