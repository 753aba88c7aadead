#include "toolkit/TreeView.h"

#include <windowsx.h>

#include <algorithm>

#include "toolkit/portable/ClassBuilder.h"

namespace {
constexpr UINT_PTR kChangeTimer = 1;
constexpr UINT kExpandActionMask = 0x0003;  // TVE_EXPAND | TVE_COLLAPSE | TVE_TOGGLE
}  // namespace

const TClassInfo& TCustomTreeView::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomTreeView>("TCustomTreeView", &TWinControl::StaticClass()).Info();
  return info;
}

const TClassInfo& TTreeView::StaticClass() {
  static const TClassInfo info = [] {
    TClassBuilder<TTreeView> b("TTreeView", &TCustomTreeView::StaticClass());
    b.Creatable();
    return PublishTreeViewProperties(b).Info();
  }();
  return info;
}
FW_REGISTER_CLASS(TTreeView);

TCustomTreeView::TCustomTreeView(TComponent* AOwner) : TWinControl(AOwner), FItems(*this) {
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetColor(static_cast<int>(0x80000005));  // clWindow
}

TCustomTreeView::~TCustomTreeView() {
  DestroyHandle();
  FItems.FreeKept();
}

void TCustomTreeView::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.BaseClassName = WC_TREEVIEWA;
  Params.Style |= WS_HSCROLL | WS_VSCROLL;
  if (FShowButtons) Params.Style |= TVS_HASBUTTONS;
  if (FShowLines) Params.Style |= TVS_HASLINES;
  if (FShowRoot) Params.Style |= TVS_LINESATROOT;
  if (!FReadOnly) Params.Style |= TVS_EDITLABELS;
  if (!FHideSelection) Params.Style |= TVS_SHOWSELALWAYS;
  if (FHotTrack) Params.Style |= TVS_TRACKSELECT;
  if (FRowSelect) Params.Style |= TVS_FULLROWSELECT;
  if (!FToolTips) Params.Style |= TVS_NOTOOLTIPS;
  Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomTreeView::CreateWnd() {
  TWinControl::CreateWnd();
  HWND wnd = WindowHandle();
  TreeView_SetIndent(wnd, FIndent);
  TreeView_SetBkColor(wnd, ColorToRGB(GetColor()));
  TreeView_SetTextColor(wnd, ColorToRGB(GetFont()->GetColor()));
  ApplyImages();
  FItems.Restore();
}

// The nodes go with the window, each deletion freeing its node object,
// unless the window is only being made again (then they move across, see
// WM_DESTROY).
void TCustomTreeView::DestroyWnd() {
  FQuietExpansion.End();
  if (!Recreating()) FItems.Clear();
  TWinControl::DestroyWnd();
}

void TCustomTreeView::ApplyImages() {
  if (!HandleAllocated()) return;
  TreeView_SetImageList(WindowHandle(), FImages ? FImages->Handle() : nullptr, TVSIL_NORMAL);
}

void TCustomTreeView::SetImages(TImageList* Value) {
  FImages = Value;
  if (Value) Value->FreeNotification(this);
  ApplyImages();
}

void TCustomTreeView::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FImages) {
    FImages = nullptr;
    if (!ComponentState().Contains(csDestroying)) ApplyImages();
  }
}

void TCustomTreeView::SetIndent(int Value) {
  FIndent = Value;
  if (HandleAllocated()) TreeView_SetIndent(WindowHandle(), Value);
}

void TCustomTreeView::SetStyleFlag(DWORD Flag, bool On) {
  if (!HandleAllocated()) return;
  LONG_PTR style = GetWindowLongPtrA(WindowHandle(), GWL_STYLE);
  style = On ? (style | Flag) : (style & ~static_cast<LONG_PTR>(Flag));
  SetWindowLongPtrA(WindowHandle(), GWL_STYLE, style);
  InvalidateRect(WindowHandle(), nullptr, TRUE);
}

void TCustomTreeView::SetReadOnly(bool Value) {
  FReadOnly = Value;
  SetStyleFlag(TVS_EDITLABELS, !Value);
}

void TCustomTreeView::SetShowLines(bool Value) {
  FShowLines = Value;
  SetStyleFlag(TVS_HASLINES, Value);
}

void TCustomTreeView::SetShowRoot(bool Value) {
  FShowRoot = Value;
  SetStyleFlag(TVS_LINESATROOT, Value);
}

void TCustomTreeView::SetShowButtons(bool Value) {
  FShowButtons = Value;
  SetStyleFlag(TVS_HASBUTTONS, Value);
}

void TCustomTreeView::SetHideSelection(bool Value) {
  FHideSelection = Value;
  SetStyleFlag(TVS_SHOWSELALWAYS, !Value);
}

void TCustomTreeView::SetHotTrack(bool Value) {
  FHotTrack = Value;
  SetStyleFlag(TVS_TRACKSELECT, Value);
}

void TCustomTreeView::SetRowSelect(bool Value) {
  FRowSelect = Value;
  SetStyleFlag(TVS_FULLROWSELECT, Value);
}

void TCustomTreeView::SetToolTips(bool Value) {
  FToolTips = Value;
  SetStyleFlag(TVS_NOTOOLTIPS, !Value);
}

TTreeNode* TCustomTreeView::GetSelected() {
  if (!HandleAllocated()) return nullptr;
  return FItems.GetNode(TreeView_GetSelection(WindowHandle()));
}

TTreeNode* TCustomTreeView::GetTopItem() {
  if (!HandleAllocated()) return nullptr;
  return FItems.GetNode(TreeView_GetFirstVisible(WindowHandle()));
}

void TCustomTreeView::SetTopItem(TTreeNode* Node) {
  if (Node && HandleAllocated()) TreeView_Select(WindowHandle(), Node->ItemId(), TVGN_FIRSTVISIBLE);
}

void TCustomTreeView::SetSelected(TTreeNode* Node) {
  if (Node) {
    Node->SetSelected(true);
  } else if (HandleAllocated()) {
    TreeView_SelectItem(WindowHandle(), nullptr);
  }
}

TTreeNode* TCustomTreeView::GetNodeAt(int X, int Y) {
  if (!HandleAllocated()) return nullptr;
  TVHITTESTINFO hit{};
  hit.pt = {X, Y};
  HTREEITEM item = TreeView_HitTest(WindowHandle(), &hit);
  if (!(hit.flags & (TVHT_ONITEM | TVHT_ONITEMBUTTON | TVHT_ONITEMINDENT | TVHT_ONITEMRIGHT)))
    return nullptr;
  return FItems.GetNode(item);
}

bool TCustomTreeView::CanExpand(TTreeNode* Node) {
  bool allow = true;
  OnExpanding(this, Node, allow);
  return allow;
}

bool TCustomTreeView::CanCollapse(TTreeNode* Node) {
  bool allow = true;
  OnCollapsing(this, Node, allow);
  return allow;
}

bool TCustomTreeView::CanChange(TTreeNode* Node) {
  bool allow = true;
  OnChanging(this, Node, allow);
  return allow;
}

bool TCustomTreeView::CanEdit(TTreeNode* Node) {
  bool allow = !FReadOnly;
  if (allow) OnEditing(this, Node, allow);
  return allow;
}

void TCustomTreeView::Edit(const TVITEMA& Item) {
  TTreeNode* node = FItems.GetNode(Item.hItem);
  if (!node || !Item.pszText) return;
  std::string text = Item.pszText;
  OnEdited(this, node, text);
  node->SetText(text);
}

void TCustomTreeView::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  if (FRightClickSelect)
    if (TTreeNode* node = GetNodeAt(X, Y)) node->SetSelected(true);
  TWinControl::MouseUp(Button, Shift, X, Y);
}

void TCustomTreeView::SelectionChanged() {
  Change(GetSelected());
}

bool TCustomTreeView::HandleNotify(TMessage& Message) {
  // Nodes moving between windows are neither new, nor deleted, nor
  // selected anew.
  if (FItems.Moving()) {
    Message.Result = 0;
    return true;
  }
  auto* header = reinterpret_cast<NMHDR*>(Message.LParam);
  auto* tv = reinterpret_cast<NMTREEVIEWA*>(Message.LParam);
  switch (header->code) {
    case TVN_ITEMEXPANDINGA:
    case TVN_ITEMEXPANDINGW: {
      TTreeNode* node = reinterpret_cast<TTreeNode*>(tv->itemNew.lParam);
      bool allow = true;
      const bool expanding = (tv->action & kExpandActionMask) == TVE_EXPAND;
      if (expanding) allow = CanExpand(node);
      if ((tv->action & kExpandActionMask) == TVE_COLLAPSE) allow = CanCollapse(node);
      Message.Result = allow ? FALSE : TRUE;
      // The control goes on to open the node when it has children; this
      // notification arrives while the control handles the message that
      // opens it, one level further out.
      if (allow && expanding && node && TreeView_GetChild(WindowHandle(), node->ItemId()))
        BeginQuietExpansion(node->ItemId(), std::max(1, FDispatchLevel - 1));
      return true;
    }
    case TVN_ITEMEXPANDEDA:
    case TVN_ITEMEXPANDEDW: {
      // The reactions see (and may draw) the tree as it is now.
      FQuietExpansion.End();
      TTreeNode* node = reinterpret_cast<TTreeNode*>(tv->itemNew.lParam);
      if ((tv->action & kExpandActionMask) == TVE_EXPAND) Expand(node);
      if ((tv->action & kExpandActionMask) == TVE_COLLAPSE) Collapse(node);
      return true;
    }
    case TVN_SELCHANGINGA:
    case TVN_SELCHANGINGW:
      Message.Result = CanChange(reinterpret_cast<TTreeNode*>(tv->itemNew.lParam)) ? FALSE : TRUE;
      return true;
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW:
      if (FChangeDelay > 0) {
        SetTimer(WindowHandle(), kChangeTimer, static_cast<UINT>(FChangeDelay), nullptr);
      } else {
        SelectionChanged();
      }
      return true;
    case TVN_DELETEITEMA:
    case TVN_DELETEITEMW: {
      TTreeNode* node = reinterpret_cast<TTreeNode*>(tv->itemOld.lParam);
      if (!node) return true;
      Delete(node);
      delete node;
      return true;
    }
    case TVN_BEGINLABELEDITA: {
      auto* info = reinterpret_cast<NMTVDISPINFOA*>(Message.LParam);
      bool allow = CanEdit(reinterpret_cast<TTreeNode*>(info->item.lParam));
      FEditing = allow;
      Message.Result = allow ? FALSE : TRUE;
      return true;
    }
    case TVN_ENDLABELEDITA: {
      auto* info = reinterpret_cast<NMTVDISPINFOA*>(Message.LParam);
      FEditing = false;
      if (info->item.pszText) Edit(info->item);
      Message.Result = FALSE;  // the text was stored above, or refused
      return true;
    }
    case NM_DBLCLK:
      DblClick();
      return false;  // the control still expands or collapses
    case NM_CLICK:
      // The control keeps the release of the left button to itself while
      // it watches for a drag; the click stands for it.
      if (!FLeftReleaseSeen) MouseUpAtCursor(mbLeft);
      return false;
    case NM_RCLICK: {
      MouseUpAtCursor(mbRight);
      // Some platforms send the control's WM_CONTEXTMENU to its parent; the
      // request goes to the tree itself here, and the control sends none.
      POINT screen;
      GetCursorPos(&screen);
      Perform(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(WindowHandle()),
              MAKELPARAM(screen.x, screen.y));
      Message.Result = 1;
      return true;
    }
  }
  return false;
}

void TCustomTreeView::MouseUpAtCursor(TMouseButton Button) {
  POINT p;
  GetCursorPos(&p);
  ::ScreenToClient(WindowHandle(), &p);
  MouseUp(Button, KeyboardShiftState(), p.x, p.y);
}

void TCustomTreeView::BeginQuietExpansion(HTREEITEM Item, int EndLevel) {
  if (FEditing || FItems.Updating()) return;
  if (FQuietExpansion.Begin(WindowHandle(), Item)) FQuietEndLevel = EndLevel;
}

void TCustomTreeView::ExpandItem(HTREEITEM Item) {
  HWND wnd = Handle();
  // Ended here at the latest, not by the end of a message.
  if (TreeView_GetChild(wnd, Item)) BeginQuietExpansion(Item, -1);
  TreeView_Expand(wnd, Item, TVE_EXPAND);
  FQuietExpansion.End();
}

void TCustomTreeView::WndProc(TMessage& Message) {
  // A quiet expansion ends with the message in which the control opened the
  // node, however the opening went.
  struct TLevel {
    TCustomTreeView& Tree;
    explicit TLevel(TCustomTreeView& T) : Tree(T) { ++Tree.FDispatchLevel; }
    ~TLevel() {
      if (Tree.FQuietExpansion.Active() && Tree.FDispatchLevel <= Tree.FQuietEndLevel)
        Tree.FQuietExpansion.End();
      --Tree.FDispatchLevel;
    }
  } level(*this);
  WndProcAtLevel(Message);
}

void TCustomTreeView::WndProcAtLevel(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      FLeftReleaseSeen = false;
      break;
    case WM_LBUTTONUP:
      FLeftReleaseSeen = true;
      break;
    case CN_NOTIFY:
      if (Message.LParam != kEngineMessageTag && HandleNotify(Message)) return;
      break;
    case WM_DESTROY:
      // Also when a parent's window goes to be made again, which takes this
      // one with it.
      FEditing = false;
      FQuietExpansion.End();
      if (Recreating()) FItems.Keep();
      break;
    case WM_TIMER:
      if (Message.WParam == kChangeTimer) {
        KillTimer(WindowHandle(), kChangeTimer);
        SelectionChanged();
        return;
      }
      break;
    case CM_COLORCHANGED:
      if (HandleAllocated()) TreeView_SetBkColor(WindowHandle(), ColorToRGB(GetColor()));
      break;
    case CM_FONTCHANGED:
      if (HandleAllocated())
        TreeView_SetTextColor(WindowHandle(), ColorToRGB(GetFont()->GetColor()));
      break;
  }
  TWinControl::WndProc(Message);
}
