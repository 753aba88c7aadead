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
