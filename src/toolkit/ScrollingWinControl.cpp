#include "toolkit/ScrollingWinControl.h"

#include <windowsx.h>

#include <algorithm>

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TScrollingWinControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TScrollingWinControl>("TScrollingWinControl", &TWinControl::StaticClass())
          .Prop("AutoScroll", &TScrollingWinControl::GetAutoScroll,
                &TScrollingWinControl::SetAutoScroll, true)
          .Info();
  return info;
}

namespace {
constexpr int kLineStep = 8;
}

TScrollingWinControl::TScrollingWinControl(TComponent* AOwner) : TWinControl(AOwner) {}

void TScrollingWinControl::SetAutoScroll(bool Value) {
  if (Value == FAutoScroll) return;
  FAutoScroll = Value;
  if (!Value) ScrollTo(0, 0);
  UpdateScrollRange();
}

void TScrollingWinControl::CreateWnd() {
  TWinControl::CreateWnd();
  UpdateScrollRange();
}

void TScrollingWinControl::Loaded() {
  TWinControl::Loaded();
  UpdateScrollRange();
}

// The children's extent in unscrolled client coordinates.
SIZE TScrollingWinControl::ContentExtent() const {
  SIZE extent{0, 0};
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    if (!c->GetVisible()) continue;
    extent.cx = std::max<LONG>(extent.cx, c->GetLeft() + c->GetWidth() + FPosition.x);
    extent.cy = std::max<LONG>(extent.cy, c->GetTop() + c->GetHeight() + FPosition.y);
  }
  return extent;
}

void TScrollingWinControl::ApplyScrollInfo(int Bar, int Range, int Page) {
  SCROLLINFO si{sizeof si, SIF_RANGE | SIF_PAGE | SIF_POS, 0, 0, 0, 0, 0};
  if (Range > Page) {
    si.nMax = Range - 1;
    si.nPage = static_cast<UINT>(Page);
    si.nPos = Bar == SB_HORZ ? FPosition.x : FPosition.y;
  }
  SetScrollInfo(WindowHandle(), Bar, &si, TRUE);
}

void TScrollingWinControl::UpdateScrollRange() {
  if (!HandleAllocated() || FUpdatingRange || ComponentState().Contains(csLoading)) return;
  FUpdatingRange = true;
  FRange = FAutoScroll ? ContentExtent() : SIZE{0, 0};
  // Showing one bar narrows the client area, which may call for the other:
  // two rounds settle it.
  for (int round = 0; round < 2; ++round) {
    RECT client;
    GetClientRect(WindowHandle(), &client);
    ApplyScrollInfo(SB_HORZ, FRange.cx, client.right);
    ApplyScrollInfo(SB_VERT, FRange.cy, client.bottom);
  }
  FUpdatingRange = false;
  RECT client;
  GetClientRect(WindowHandle(), &client);
  // Keep the position inside the range after a resize.
  ScrollTo(std::min<int>(FPosition.x, std::max<int>(0, FRange.cx - client.right)),
           std::min<int>(FPosition.y, std::max<int>(0, FRange.cy - client.bottom)));
}

void TScrollingWinControl::ScrollTo(int X, int Y) {
  RECT client{0, 0, FWidth, FHeight};
  if (HandleAllocated()) GetClientRect(WindowHandle(), &client);
  X = std::clamp<int>(X, 0, std::max<int>(0, FRange.cx - client.right));
  Y = std::clamp<int>(Y, 0, std::max<int>(0, FRange.cy - client.bottom));
  const int dx = X - FPosition.x, dy = Y - FPosition.y;
  if (dx == 0 && dy == 0) return;
  FPosition = {X, Y};
  for (int i = 0; i < ControlCount(); ++i) {
    TControl* c = Controls(i);
    c->SetBounds(c->GetLeft() - dx, c->GetTop() - dy, c->GetWidth(), c->GetHeight());
  }
  if (!HandleAllocated()) return;
  SetScrollPos(WindowHandle(), SB_HORZ, X, TRUE);
  SetScrollPos(WindowHandle(), SB_VERT, Y, TRUE);
  InvalidateRect(WindowHandle(), nullptr, TRUE);
}

void TScrollingWinControl::ScrollInView(TControl* Control) {
  if (!Control || Control->Parent() != this || !HandleAllocated()) return;
  RECT client;
  GetClientRect(WindowHandle(), &client);
  int x = FPosition.x, y = FPosition.y;
  if (Control->GetLeft() < 0)
    x += Control->GetLeft();
  else if (Control->GetLeft() + Control->GetWidth() > client.right)
    x += Control->GetLeft() + Control->GetWidth() - client.right;
  if (Control->GetTop() < 0)
    y += Control->GetTop();
  else if (Control->GetTop() + Control->GetHeight() > client.bottom)
    y += Control->GetTop() + Control->GetHeight() - client.bottom;
  ScrollTo(x, y);
}

void TScrollingWinControl::Scroll(int Bar, int Code) {
  SCROLLINFO si{sizeof si, SIF_ALL, 0, 0, 0, 0, 0};
  GetScrollInfo(WindowHandle(), Bar, &si);
  int pos = si.nPos;
  const int page = std::max<int>(static_cast<int>(si.nPage), 1);
  switch (Code) {
    case SB_LINEUP:
      pos -= kLineStep;
      break;
    case SB_LINEDOWN:
      pos += kLineStep;
      break;
    case SB_PAGEUP:
      pos -= page;
      break;
    case SB_PAGEDOWN:
      pos += page;
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      pos = si.nTrackPos;
      break;
    case SB_TOP:
      pos = si.nMin;
      break;
    case SB_BOTTOM:
      pos = si.nMax;
      break;
    default:
      return;
  }
  if (Bar == SB_HORZ)
    ScrollTo(pos, FPosition.y);
  else
    ScrollTo(FPosition.x, pos);
}

void TScrollingWinControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_HSCROLL:
    case WM_VSCROLL:
      // The container's own bars (a child scroll bar's notification
      // carries its window and is reflected to it instead).
      if (Message.LParam == 0) {
        Scroll(Message.Msg == WM_HSCROLL ? SB_HORZ : SB_VERT, LOWORD(Message.WParam));
        Message.Result = 0;
        return;
      }
      break;
    case WM_MOUSEWHEEL:
      if (FRange.cy > 0) {
        const int delta = GET_WHEEL_DELTA_WPARAM(Message.WParam);
        ScrollTo(FPosition.x, FPosition.y - delta * 3 * kLineStep / WHEEL_DELTA);
        Message.Result = 0;
        return;
      }
      break;
  }
  TWinControl::WndProc(Message);
  if (Message.Msg == WM_SIZE || (Message.Msg == WM_SHOWWINDOW && Message.WParam))
    UpdateScrollRange();
}
