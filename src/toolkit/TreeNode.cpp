#include "toolkit/TreeNode.h"

#include <exception>

#include "toolkit/TreeNodes.h"
#include "toolkit/TreeView.h"

TCustomTreeView& TTreeNode::TreeView() const {
  return FOwner.Owner();
}

HWND TTreeNode::Wnd() const {
  return FOwner.Owner().Handle();
}

TTreeNode* TTreeNode::NodeOf(HTREEITEM Item) const {
  return FOwner.GetNode(Item);
}

// Sets the members of Item that its mask names on this node's item.
void TTreeNode::Update(TVITEMA& Item) const {
  HWND wnd = Wnd();  // first: a window made now gives the node its item
  Item.hItem = FItem;
  SendMessageA(wnd, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&Item));
}

void TTreeNode::SetText(const std::string& Value) {
  FText = Value;
  TVITEMA item{};
  item.mask = TVIF_TEXT;
  item.pszText = const_cast<char*>(FText.c_str());
  Update(item);
}

void TTreeNode::SetImageIndex(int Value) {
  FImageIndex = Value;
  TVITEMA item{};
  item.mask = TVIF_IMAGE;
  item.iImage = Value;
  Update(item);
}

void TTreeNode::SetSelectedIndex(int Value) {
  FSelectedIndex = Value;
  TVITEMA item{};
  item.mask = TVIF_SELECTEDIMAGE;
  item.iSelectedImage = Value;
  Update(item);
}

void TTreeNode::SetState(UINT Mask, UINT State) {
  TVITEMA item{};
  item.mask = TVIF_STATE;
  item.stateMask = Mask;
  item.state = State;
  Update(item);
}

void TTreeNode::SetOverlayIndex(int Value) {
  FOverlayIndex = Value;
  SetState(TVIS_OVERLAYMASK, Value >= 0 ? INDEXTOOVERLAYMASK(Value + 1) : 0);
}

void TTreeNode::SetCut(bool Value) {
  FCut = Value;
  SetState(TVIS_CUT, Value ? TVIS_CUT : 0);
}

bool TTreeNode::GetHasChildren() const {
  TVITEMA item{};
  item.mask = TVIF_CHILDREN;
  item.hItem = FItem;
  SendMessageA(Wnd(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  return item.cChildren != 0;
}

void TTreeNode::SetHasChildren(bool Value) {
  TVITEMA item{};
  item.mask = TVIF_CHILDREN;
  item.cChildren = Value ? 1 : 0;
  Update(item);
}

TTreeNode* TTreeNode::Parent() const {
  return NodeOf(TreeView_GetParent(Wnd(), FItem));
}

TTreeNode* TTreeNode::GetFirstChild() const {
  return NodeOf(TreeView_GetChild(Wnd(), FItem));
}

TTreeNode* TTreeNode::GetNextSibling() const {
  return NodeOf(TreeView_GetNextSibling(Wnd(), FItem));
}

TTreeNode* TTreeNode::GetPrevSibling() const {
  return NodeOf(TreeView_GetPrevSibling(Wnd(), FItem));
}

int TTreeNode::Count() const {
  int n = 0;
  for (HTREEITEM i = TreeView_GetChild(Wnd(), FItem); i; i = TreeView_GetNextSibling(Wnd(), i)) ++n;
  return n;
}

TTreeNode* TTreeNode::Item(int Index) const {
  HTREEITEM i = TreeView_GetChild(Wnd(), FItem);
  while (i && Index-- > 0) i = TreeView_GetNextSibling(Wnd(), i);
  return Index < 0 || !i ? NodeOf(i) : nullptr;
}

int TTreeNode::Index() const {
  int n = 0;
  for (HTREEITEM i = TreeView_GetPrevSibling(Wnd(), FItem); i;
       i = TreeView_GetPrevSibling(Wnd(), i))
    ++n;
  return n;
}

int TTreeNode::Level() const {
  int n = 0;
  for (HTREEITEM i = TreeView_GetParent(Wnd(), FItem); i; i = TreeView_GetParent(Wnd(), i)) ++n;
  return n;
}

bool TTreeNode::GetExpanded() const {
  return (TreeView_GetItemState(Wnd(), FItem, TVIS_EXPANDED) & TVIS_EXPANDED) != 0;
}

void TTreeNode::Expand(bool Recurse) {
  TreeView().ExpandItem(FItem);
  if (!Recurse) return;
  for (TTreeNode* c = GetFirstChild(); c; c = c->GetNextSibling()) c->Expand(true);
}

void TTreeNode::Collapse(bool Recurse) {
  if (Recurse)
    for (TTreeNode* c = GetFirstChild(); c; c = c->GetNextSibling()) c->Collapse(true);
  TreeView_Expand(Wnd(), FItem, TVE_COLLAPSE);
}

bool TTreeNode::GetSelected() const {
  return TreeView_GetSelection(Wnd()) == FItem;
}

void TTreeNode::SetSelected(bool Value) {
  if (Value) {
    TreeView_SelectItem(Wnd(), FItem);
  } else if (GetSelected()) {
    TreeView_SelectItem(Wnd(), nullptr);
  }
}

void TTreeNode::MakeVisible() {
  TreeView_EnsureVisible(Wnd(), FItem);
}

bool TTreeNode::EditText() {
  ::SetFocus(Wnd());
  return SendMessageA(Wnd(), TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(FItem)) != 0;
}

// Frees this node: the tree's deletion notification deletes the object.
void TTreeNode::Delete() {
  TreeView_DeleteItem(Wnd(), FItem);
}

void TTreeNode::DeleteChildren() {
  HWND wnd = Wnd();
  while (HTREEITEM child = TreeView_GetChild(wnd, FItem)) TreeView_DeleteItem(wnd, child);
}

namespace {
struct TSortContext {
  TTreeNode::TCompare Compare;
  LPARAM Data;
  std::exception_ptr Failure;
};

// Called by the control: a comparison that throws counts as "equal" and
// the first exception is rethrown once sorting is over.
int CALLBACK SortThunk(LPARAM A, LPARAM B, LPARAM Context) {
  auto* c = reinterpret_cast<TSortContext*>(Context);
  if (c->Failure) return 0;
  try {
    return c->Compare(reinterpret_cast<TTreeNode*>(A), reinterpret_cast<TTreeNode*>(B), c->Data);
  } catch (...) {
    c->Failure = std::current_exception();
    return 0;
  }
}

int CompareText(TTreeNode* A, TTreeNode* B, LPARAM) {
  return lstrcmpiA(A->GetText().c_str(), B->GetText().c_str());
}
}  // namespace

bool TTreeNode::CustomSort(TCompare Compare, LPARAM Data) {
  TSortContext context{Compare, Data, nullptr};
  TVSORTCB sort{FItem, SortThunk, reinterpret_cast<LPARAM>(&context)};
  bool sorted = SendMessageA(Wnd(), TVM_SORTCHILDRENCB, 0, reinterpret_cast<LPARAM>(&sort)) != 0;
  if (context.Failure) std::rethrow_exception(context.Failure);
  return sorted;
}

bool TTreeNode::AlphaSort() {
  return CustomSort(CompareText, 0);
}
