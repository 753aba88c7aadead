#include "app/FolderTree.h"

#include <vector>

#include "shell/FolderEnumeration.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TFolderTree::StaticClass() {
  static const TClassInfo info = [] {
    TClassBuilder<TFolderTree> b("TFolderTree", &TCustomTreeView::StaticClass());
    b.Creatable();
    return PublishTreeViewProperties(b)
        .Prop("RootFolder", &TFolderTree::GetRootFolder, &TFolderTree::SetRootFolder,
              std::string("sfDesktop"))
        .Info();
  }();
  return info;
}
FW_REGISTER_CLASS(TFolderTree);

TFolderTree::TFolderTree(TComponent* AOwner) : TCustomTreeView(AOwner) {}

// The nodes, and with them their lists, go with the window.
TFolderTree::~TFolderTree() {
  DestroyHandle();
}

void TFolderTree::SetRootFolder(const std::string& Value) {
  if (Value == FRootFolder) return;
  FRootFolder = Value;
  if (!ComponentState().Contains(csLoading)) RebuildTree();
}

void TFolderTree::Loaded() {
  TCustomTreeView::Loaded();
  if (HandleAllocated()) RebuildTree();
}

void TFolderTree::CreateWnd() {
  TCustomTreeView::CreateWnd();
  RebuildTree();
}

LPCITEMIDLIST TFolderTree::NodeIDList(const TTreeNode* Node) {
  return Node ? static_cast<LPCITEMIDLIST>(Node->Data) : nullptr;
}

LPCITEMIDLIST TFolderTree::SelectedIDList() {
  return NodeIDList(GetSelected());
}

void TFolderTree::RebuildTree() {
  if (FRebuilding || !HandleAllocated()) return;
  FRebuilding = true;
  Items().BeginUpdate();
  Items().Clear();
  LPITEMIDLIST root = FolderTextToIDList(FRootFolder);
  SetShowRoot(!root || !IsDesktopIDList(root));
  TTreeNode* node = AddFolderNode(nullptr, root);
  if (!root) node->SetText(FRootFolder);
  Items().EndUpdate();
  node->Expand(false);
  node->SetSelected(true);
  FRebuilding = false;
}

TTreeNode* TFolderTree::AddFolderNode(TTreeNode* Parent, LPITEMIDLIST List) {
  const std::string name = List ? GetDisplayName(List) : std::string();
  TTreeNode* node = Parent ? Items().AddChild(Parent, name, List) : Items().Add(name, List);
  if (List && GetAttributes(List, SFGAO_FOLDER | SFGAO_HASSUBFOLDER)) node->SetHasChildren(true);
  return node;
}

bool TFolderTree::FillChildren(TTreeNode* Node) {
  LPCITEMIDLIST list = NodeIDList(Node);
  std::vector<TIDListHolder> children;
  if (!list || !EnumerateFolder(list, TVintoShellItemTypes{itFolders, itIncludeHidden}, children))
    return false;
  SortByShellOrder(children);
  Items().BeginUpdate();
  for (TIDListHolder& child : children) {
    // Only what lives in the file system or leads to it (drives under the
    // computer, shares under a network computer).
    if (GetAttributes(child.Get(), SFGAO_FILESYSTEM | SFGAO_FILESYSANCESTOR | SFGAO_FOLDER))
      AddFolderNode(Node, child.Release());
  }
  Items().EndUpdate();
  return true;
}

bool TFolderTree::CanExpand(TTreeNode* Node) {
  if (!TCustomTreeView::CanExpand(Node)) return false;
  if (Node->GetHasChildren() && Node->Count() == 0) {
    if (!FillChildren(Node)) return false;
    Node->SetHasChildren(Node->Count() > 0);
  }
  return true;
}

void TFolderTree::Delete(TTreeNode* Node) {
  LPITEMIDLIST list = static_cast<LPITEMIDLIST>(Node->Data);
  Node->Data = nullptr;
  TCustomTreeView::Delete(Node);
  FreeIDList(list);
}
