#include "shell/ShellTreeOle.h"

#include <commctrl.h>

#include "shell/CustomShellTreeView.h"
#include "shell/IDListHolder.h"
#include "shell/ShellDropTarget.h"

namespace {

TTreeNode* AsNode(void* Item) {
  return static_cast<TTreeNode*>(Item);
}

}  // namespace

TVintoShellTreeOle::TVintoShellTreeOle(TCustomVintoShellTreeView& Tree) : FTree(Tree) {}

TVintoShellTreeOle::~TVintoShellTreeOle() {
  RevokeDropTarget();
}

// ---- Context menu -----------------------------------------------------------

bool TVintoShellTreeOle::ShowContextMenu(POINT Client) {
  TTreeNode* node = FTree.GetSelected();
  LPCITEMIDLIST list = TCustomVintoShellTreeView::NodeIDList(node);
  if (!list || !FTree.HandleAllocated()) return false;
  TShellFolderPtr folder = BindToParentFolder(list);
  if (!folder) return false;
  if (Client.x == -1 && Client.y == -1) {
    // From the keyboard: below the node's text.
    RECT r{};
    if (TreeView_GetItemRect(FTree.WindowHandle(), node->ItemId(), &r, TRUE))
      Client = POINT{r.left, r.bottom};
    else
      Client = POINT{0, 0};
  }
  TVintoShellContextMenu::TRequest request;
  request.Owner = FTree.WindowHandle();
  request.Folder = folder.Get();
  request.Items.push_back(LastID(list));
  request.CanRename =
      !FTree.GetReadOnly() && (GetAttributes(list, SFGAO_CANRENAME) & SFGAO_CANRENAME);
  request.ScreenPos = Client;
  ClientToScreen(request.Owner, &request.ScreenPos);
  FMenuNode = node;
  const bool shown = FMenu.Show(request, *this);
  FMenuNode = nullptr;
  return shown;
}

void TVintoShellTreeOle::MenuMessage(UINT Msg, WPARAM WParam, LPARAM LParam) {
  FMenu.HandleMenuMsg(Msg, WParam, LParam);
}

bool TVintoShellTreeOle::ContextMenuPopup() {
  bool accept = true;
  FTree.OnContextMenuPopup(&FTree, &FTree.SelectionItems(), accept);
  return accept;
}

bool TVintoShellTreeOle::ContextMenuCommand(const std::string& Verb) {
  bool accept = true;
  FTree.OnContextMenuCommand(&FTree, &FTree.SelectionItems(), Verb, accept);
  return accept;
}

void TVintoShellTreeOle::ContextMenuRename() {
  // The node the menu was for, if the menu's work left it there.
  if (TTreeNode* node = FTree.GetSelected(); node && node == FMenuNode) node->EditText();
}

void TVintoShellTreeOle::ContextMenuFailed(const std::string& Verb) {
  FTree.OnCommandFailed(&FTree, Verb);
}

// ---- Dragging out -----------------------------------------------------------

void TVintoShellTreeOle::BeginDrag(TTreeNode* Node, DWORD Button) {
  LPCITEMIDLIST list = TCustomVintoShellTreeView::NodeIDList(Node);
  if (!list || IDCount(list) == 0) return;  // the desktop goes nowhere
  TShellFolderPtr folder = BindToParentFolder(list);
  if (!folder) return;
  TIDListHolder parent(CopyIDList(list));
  StripLastID(parent.Get());
  TVintoShellDragRequest request;
  request.Owner = FTree.WindowHandle();
  request.SourceFolder = parent.Get();
  request.Folder = folder.Get();
  request.Items.push_back(LastID(list));
  request.Button = Button;
  request.Effects = FTree.GetOleDragEffects();
  HighlightDropItem(Node);
  bool cancelledByButton = false;
  RunShellDrag(request, *this, &cancelledByButton);
  HighlightDropItem(nullptr);
  if (cancelledByButton) FSwallowedRelease = Button == MK_LBUTTON ? WM_RBUTTONUP : WM_LBUTTONUP;
}

bool TVintoShellTreeOle::SwallowsMouseMessage(UINT Msg) {
  if (FSwallowedRelease == 0 || Msg < WM_MOUSEFIRST || Msg > WM_MOUSELAST || Msg == WM_MOUSEMOVE)
    return false;
  const bool swallow = Msg == FSwallowedRelease;
  FSwallowedRelease = 0;
  return swallow;
}

void TVintoShellTreeOle::DragStarting() {
  FTree.OnStartDrag(&FTree);
}

void TVintoShellTreeOle::DragEnded(TVintoShellOleDragDropInfo* Target, POINT ScreenPos) {
  FTree.OnEndDrag(&FTree, Target, ScreenPos.x, ScreenPos.y);
}

// ---- Dropping in ------------------------------------------------------------

bool TVintoShellTreeOle::RegisterDropTarget() {
  if (FDropTarget || !FTree.HandleAllocated()) return FDropTarget != nullptr;
  auto* target = new TVintoShellDropTarget(this);
  if (FAILED(RegisterDragDrop(FTree.WindowHandle(), target))) {
    target->Release();
    return false;
  }
  FDropTarget = target;
  return true;
}

void TVintoShellTreeOle::RevokeDropTarget() {
  if (!FDropTarget) return;
  if (FTree.HandleAllocated()) RevokeDragDrop(FTree.WindowHandle());
  FDropTarget->Detach();
  FDropTarget->Release();
  FDropTarget = nullptr;
}

HWND TVintoShellTreeOle::DropWindow() {
  return FTree.WindowHandle();
}

void* TVintoShellTreeOle::DropItemAt(POINT Client) {
  return FTree.GetNodeAt(Client.x, Client.y);
}

LPCITEMIDLIST TVintoShellTreeOle::DropItemIDList(void* Item) {
  return TCustomVintoShellTreeView::NodeIDList(AsNode(Item));
}

void TVintoShellTreeOle::HighlightDropItem(void* Item) {
  if (!FTree.HandleAllocated()) return;
  HTREEITEM item = Item ? AsNode(Item)->ItemId() : nullptr;
  if (TreeView_GetDropHilight(FTree.WindowHandle()) != item)
    TreeView_SelectDropTarget(FTree.WindowHandle(), item);
}

bool TVintoShellTreeOle::DropItemOpens(void* Item) {
  TTreeNode* node = AsNode(Item);
  return node && !node->GetExpanded() && node->GetHasChildren();
}

void TVintoShellTreeOle::OpenDropItem(void* Item) {
  if (TTreeNode* node = AsNode(Item)) node->Expand(false);
}

int TVintoShellTreeOle::DropAutoExpandInterval() {
  return FTree.GetAutoExpandInterval();
}

int TVintoShellTreeOle::DropAutoScrollInterval() {
  return FTree.GetAutoScrollInterval();
}

TVintoShellOleDropEffect TVintoShellTreeOle::DropEffectSetting() {
  return FTree.GetOleDropEffect();
}

bool TVintoShellTreeOle::AcceptDrag(TVintoShellOleDragDropInfo* Info, POINT Client,
                                    TDragState State) {
  if (!FTree.OnDragOver.Assigned()) return !FTree.GetCorvaneDragDropBehaviour();
  bool accept = true;
  FTree.OnDragOver(&FTree, Info, Client.x, Client.y, State, accept);
  return accept;
}

void TVintoShellTreeOle::DragDropped(TVintoShellOleDragDropInfo* Info, POINT Client) {
  FTree.OnDragDrop(&FTree, Info, Client.x, Client.y);
}
