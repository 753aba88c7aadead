#include "ShellTreeTestSupport.h"

#include "toolkit/portable/ClassBuilder.h"

TTreeNode* FindChildByText(TTreeNode* Parent, const std::string& Text) {
  if (!Parent) return nullptr;
  for (TTreeNode* c = Parent->GetFirstChild(); c; c = c->GetNextSibling())
    if (c->GetText() == Text) return c;
  return nullptr;
}

TTreeNode* FindChildByList(TTreeNode* Parent, LPCITEMIDLIST List) {
  for (TTreeNode* c = Parent->GetFirstChild(); c; c = c->GetNextSibling())
    if (SameIDList(TCustomVintoShellTreeView::NodeIDList(c), List)) return c;
  return nullptr;
}

std::vector<std::string> ChildTexts(TTreeNode* Parent) {
  std::vector<std::string> texts;
  if (!Parent) return texts;
  for (TTreeNode* c = Parent->GetFirstChild(); c; c = c->GetNextSibling())
    texts.push_back(c->GetText());
  return texts;
}

UINT ItemState(TTreeNode* Node) {
  if (!Node) return 0;
  return TreeView_GetItemState(Node->TreeView().WindowHandle(), Node->ItemId(), 0xFFFF);
}

bool EditNode(TCustomTreeView* Tree, TTreeNode* Node, const std::string& Text) {
  HWND wnd = Tree->WindowHandle();
  HWND edit = reinterpret_cast<HWND>(
      SendMessageA(wnd, TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(Node->ItemId())));
  if (!edit) return false;
  SetWindowTextA(edit, Text.c_str());
  SendMessageA(wnd, TVM_ENDEDITLABELNOW, FALSE, 0);
  return true;
}

TFollower::~TFollower() {
  for (LPITEMIDLIST list : Selections) FreeIDList(list);
}

const TClassInfo& TFollower::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TFollower>("TFollower", &TComponent::StaticClass()).Info();
  return info;
}
