#include "toolkit/QuietExpansion.h"

#include <cstring>
#include <utility>

namespace {

// The row of Item (false when it lies on a closed branch); rows above the
// window have negative tops.
bool RowOf(HWND Tree, HTREEITEM Item, RECT& Row) {
  // The request names the item in the first bytes of the rectangle.
  std::memcpy(&Row, &Item, sizeof Item);
  return SendMessageA(Tree, TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&Row)) != 0;
}

// Moves the client rows from Top to Bottom by Distance, as shown now; what
// the move uncovers is invalidated.
void MoveRows(HWND Tree, const RECT& Client, LONG Top, LONG Bottom, LONG Distance) {
  if (Distance == 0 || Top >= Bottom) return;
  const RECT rows{Client.left, Top, Client.right, Bottom};
  ScrollWindowEx(Tree, 0, Distance, &rows, &Client, nullptr, nullptr, SW_INVALIDATE | SW_ERASE);
}

}  // namespace

bool TQuietExpansion::Begin(HWND Tree, HTREEITEM Item) {
  if (FTree || !Tree || !Item || !IsWindowVisible(Tree)) return false;
  RECT row{};
  if (!RowOf(Tree, Item, row)) return false;
  FItem = Item;
  FItemTop = row.top;
  FNext = TreeView_GetNextVisible(Tree, Item);
  FNextTop = row.bottom;
  if (FNext && RowOf(Tree, FNext, row)) FNextTop = row.top;
  FHorizontalPos = GetScrollPos(Tree, SB_HORZ);
  // Marking the window as not drawable validates it: what was waiting to be
  // painted is kept to be invalidated again at the end.
  FPending.Reset(CreateRectRgn(0, 0, 0, 0));
  if (FPending && GetUpdateRgn(Tree, FPending.Get(), FALSE) <= NULLREGION) FPending.Reset();
  // The default handling of the message, not the control's own (which only
  // stops it drawing items, and still lets it draw its scroll bars).
  DefWindowProcA(Tree, WM_SETREDRAW, FALSE, 0);
  FTree = Tree;
  return true;
}

void TQuietExpansion::End() {
  HWND tree = std::exchange(FTree, nullptr);
  if (!tree) return;
  if (IsWindow(tree)) {
    DefWindowProcA(tree, WM_SETREDRAW, TRUE, 0);
    InvalidateChanges(tree);
  }
  FPending.Reset();
}

void TQuietExpansion::InvalidateChanges(HWND Tree) {
  // Waiting parts move with the rows they lie on.
  if (FPending) InvalidateRgn(Tree, FPending.Get(), TRUE);
  RECT client{};
  GetClientRect(Tree, &client);
  RECT row{};
  if (GetScrollPos(Tree, SB_HORZ) != FHorizontalPos || !RowOf(Tree, FItem, row)) {
    RedrawWindow(Tree, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    return;
  }
  // The rows above the node moved as far as the control scrolled; those
  // below its branch also by the rows the branch now shows.
  const LONG itemTop = row.top;
  LONG nextTop = client.bottom;
  if (FNext && RowOf(Tree, FNext, row)) nextTop = row.top;
  MoveRows(Tree, client, client.top, FItemTop, itemTop - FItemTop);
  if (FNext) MoveRows(Tree, client, FNextTop, client.bottom, nextTop - FNextTop);
  // The node's row (its button) and the rows of its branch are new, and the
  // frame: the scroll bars may have come, gone or changed.
  RECT window{};
  GetWindowRect(Tree, &window);
  MapWindowPoints(nullptr, Tree, reinterpret_cast<POINT*>(&window), 2);
  TRegionHandle dirty(CreateRectRgnIndirect(&window));
  TRegionHandle part(CreateRectRgnIndirect(&client));
  if (!dirty || !part) {
    RedrawWindow(Tree, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
    return;
  }
  CombineRgn(dirty.Get(), dirty.Get(), part.Get(), RGN_DIFF);
  SetRectRgn(part.Get(), client.left, itemTop, client.right, nextTop);
  CombineRgn(dirty.Get(), dirty.Get(), part.Get(), RGN_OR);
  RedrawWindow(Tree, nullptr, dirty.Get(), RDW_INVALIDATE | RDW_ERASE | RDW_FRAME);
}
