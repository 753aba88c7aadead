#include "toolkit/TreeNodes.h"

#include <memory>

#include "toolkit/TreeView.h"

TTreeNode* TTreeNodes::Insert(HTREEITEM Parent, const std::string& Text, void* Data,
                              const TNodeLook* Look) {
  HWND wnd = FOwner.Handle();
  auto node = std::make_unique<TTreeNode>(*this, nullptr);
  node->FText = Text;
  node->Data = Data;
  TVINSERTSTRUCTA insert{};
  insert.hParent = Parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  insert.item.pszText = const_cast<char*>(Text.c_str());
  insert.item.lParam = reinterpret_cast<LPARAM>(node.get());
  insert.item.iImage = -1;
  insert.item.iSelectedImage = -1;
  if (Look) {
    insert.item.mask |= TVIF_CHILDREN | TVIF_STATE;
    insert.item.cChildren = Look->HasChildren ? 1 : 0;
    insert.item.iImage = Look->ImageIndex;
    insert.item.iSelectedImage = Look->SelectedIndex;
    insert.item.stateMask = TVIS_CUT | TVIS_OVERLAYMASK;
    insert.item.state = (Look->Cut ? TVIS_CUT : 0) |
                        (Look->OverlayIndex >= 0 ? INDEXTOOVERLAYMASK(Look->OverlayIndex + 1) : 0);
    node->FImageIndex = Look->ImageIndex;
    node->FSelectedIndex = Look->SelectedIndex;
    node->FOverlayIndex = Look->OverlayIndex;
    node->FCut = Look->Cut;
  }
  auto item = reinterpret_cast<HTREEITEM>(
      SendMessageA(wnd, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  if (!item) return nullptr;
  // The node now belongs to the item; the deletion notification frees it.
  node->FItem = item;
  return node.release();
}

TTreeNode* TTreeNodes::Add(const std::string& Text, void* Data) {
  return Insert(TVI_ROOT, Text, Data, nullptr);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* Parent, const std::string& Text, void* Data) {
  return Insert(Parent ? Parent->ItemId() : TVI_ROOT, Text, Data, nullptr);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* Parent, const std::string& Text, void* Data,
                                const TNodeLook& Look) {
  return Insert(Parent ? Parent->ItemId() : TVI_ROOT, Text, Data, &Look);
}

void TTreeNodes::Clear() {
  if (FOwner.HandleAllocated()) TreeView_DeleteAllItems(FOwner.WindowHandle());
}

int TTreeNodes::Count() const {
  return FOwner.HandleAllocated() ? static_cast<int>(TreeView_GetCount(FOwner.WindowHandle())) : 0;
}

TTreeNode* TTreeNodes::GetFirstNode() const {
  if (!FOwner.HandleAllocated()) return nullptr;
  return GetNode(TreeView_GetRoot(FOwner.WindowHandle()));
}

TTreeNode* TTreeNodes::GetNode(HTREEITEM Item) const {
  if (!Item || !FOwner.HandleAllocated()) return nullptr;
  TVITEMA item{};
  item.mask = TVIF_PARAM;
  item.hItem = Item;
  if (!SendMessageA(FOwner.WindowHandle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)))
    return nullptr;
  return reinterpret_cast<TTreeNode*>(item.lParam);
}

void TTreeNodes::BeginUpdate() {
  if (FUpdateCount++ == 0 && FOwner.HandleAllocated())
    SendMessageA(FOwner.WindowHandle(), WM_SETREDRAW, FALSE, 0);
}

void TTreeNodes::EndUpdate() {
  if (FUpdateCount == 0 || --FUpdateCount > 0 || !FOwner.HandleAllocated()) return;
  SendMessageA(FOwner.WindowHandle(), WM_SETREDRAW, TRUE, 0);
  InvalidateRect(FOwner.WindowHandle(), nullptr, TRUE);
}

namespace {
// The state bits a node takes into its new window as they were; expansion
// and selection are set again through the control.
constexpr UINT kKeptStates =
    TVIS_CUT | TVIS_BOLD | TVIS_DROPHILITED | TVIS_OVERLAYMASK | TVIS_STATEIMAGEMASK;

struct TMovingScope {
  bool& Flag;
  explicit TMovingScope(bool& F) : Flag(F) { Flag = true; }
  ~TMovingScope() { Flag = false; }
};
}  // namespace

void TTreeNodes::Keep() {
  if (!FOwner.HandleAllocated()) return;
  HWND wnd = FOwner.WindowHandle();
  FKeptSelected = GetNode(TreeView_GetSelection(wnd));
  FKeptTop = GetNode(TreeView_GetFirstVisible(wnd));
  // Parents before children: a node's parent is always placed first.
  struct TPending {
    HTREEITEM Item;
    int Parent;
  };
  std::vector<TPending> pending;
  for (HTREEITEM i = TreeView_GetRoot(wnd); i; i = TreeView_GetNextSibling(wnd, i))
    pending.push_back({i, -1});
  for (size_t next = 0; next < pending.size(); ++next) {
    TVITEMA item{};
    item.mask = TVIF_PARAM | TVIF_STATE | TVIF_CHILDREN;
    item.hItem = pending[next].Item;
    item.stateMask = ~0u;
    if (!SendMessageA(wnd, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) || !item.lParam)
      continue;
    const int index = static_cast<int>(FKept.size());
    FKept.push_back({reinterpret_cast<TTreeNode*>(item.lParam), pending[next].Parent,
                     item.cChildren, item.state & kKeptStates, (item.state & TVIS_EXPANDED) != 0});
    for (HTREEITEM c = TreeView_GetChild(wnd, item.hItem); c; c = TreeView_GetNextSibling(wnd, c))
      pending.push_back({c, index});
  }
  TMovingScope moving(FMoving);
  TreeView_DeleteAllItems(wnd);
  for (TKeptNode& k : FKept) k.Node->FItem = nullptr;
}

void TTreeNodes::Restore() {
  if (FKept.empty() || !FOwner.HandleAllocated()) return;
  HWND wnd = FOwner.WindowHandle();
  std::vector<TKeptNode> kept;
  kept.swap(FKept);
  std::vector<TTreeNode*> lost;
  {
    TMovingScope moving(FMoving);
    for (TKeptNode& k : kept) {
      TTreeNode* node = k.Node;
      HTREEITEM parent = k.Parent < 0 ? TVI_ROOT : kept[k.Parent].Node->FItem;
      if (parent) {
        TVINSERTSTRUCTA insert{};
        insert.hParent = parent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask =
            TVIF_TEXT | TVIF_PARAM | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN | TVIF_STATE;
        insert.item.pszText = const_cast<char*>(node->FText.c_str());
        insert.item.lParam = reinterpret_cast<LPARAM>(node);
        insert.item.iImage = node->FImageIndex;
        insert.item.iSelectedImage = node->FSelectedIndex;
        insert.item.cChildren = k.Children;
        insert.item.stateMask = kKeptStates;
        insert.item.state = k.State;
        node->FItem = reinterpret_cast<HTREEITEM>(
            SendMessageA(wnd, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
      }
      if (!node->FItem) lost.push_back(node);
    }
    for (const TKeptNode& k : kept)
      if (k.Expanded && k.Node->FItem) TreeView_Expand(wnd, k.Node->FItem, TVE_EXPAND);
    if (FKeptSelected && FKeptSelected->FItem) TreeView_SelectItem(wnd, FKeptSelected->FItem);
    if (FKeptTop && FKeptTop->FItem) TreeView_Select(wnd, FKeptTop->FItem, TVGN_FIRSTVISIBLE);
  }
  FKeptSelected = FKeptTop = nullptr;
  for (TTreeNode* node : lost) {
    FOwner.Delete(node);
    delete node;
  }
}

void TTreeNodes::FreeKept() {
  std::vector<TKeptNode> kept;
  kept.swap(FKept);
  FKeptSelected = FKeptTop = nullptr;
  for (TKeptNode& k : kept) {
    FOwner.Delete(k.Node);
    delete k.Node;
  }
}
