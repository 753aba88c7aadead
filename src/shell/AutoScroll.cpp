#include "shell/AutoScroll.h"

#include "toolkit/WinControl.h"

namespace {

constexpr int kEdgeZone = 20;

bool CanScroll(HWND Control, int Bar) {
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_ALL;
  if (!GetScrollInfo(Control, Bar, &info)) return false;
  return info.nMax - info.nMin - static_cast<int>(info.nPage) > 0;
}

void ScrollOneLine(HWND Control, UINT Message, int Bar, WPARAM Direction) {
  if (CanScroll(Control, Bar)) SendMessageA(Control, Message, Direction, 0);
}

}  // namespace

void AutoScrollControl(HWND Control, POINT ScreenPoint) {
  if (!IsWindow(Control)) return;
  POINT point = ScreenPoint;
  ScreenToClient(Control, &point);
  RECT client{};
  GetClientRect(Control, &client);
  if (point.x < kEdgeZone)
    ScrollOneLine(Control, WM_HSCROLL, SB_HORZ, SB_LINELEFT);
  else if (point.x > client.right - kEdgeZone)
    ScrollOneLine(Control, WM_HSCROLL, SB_HORZ, SB_LINERIGHT);
  if (point.y < kEdgeZone)
    ScrollOneLine(Control, WM_VSCROLL, SB_VERT, SB_LINEUP);
  else if (point.y > client.bottom - kEdgeZone)
    ScrollOneLine(Control, WM_VSCROLL, SB_VERT, SB_LINEDOWN);
}

void AutoScrollControl(TWinControl* Control, POINT ScreenPoint) {
  if (Control && Control->HandleAllocated())
    AutoScrollControl(Control->WindowHandle(), ScreenPoint);
}
