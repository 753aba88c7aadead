#include "toolkit/MDIClient.h"

#include "toolkit/portable/Component.h"

TMDIClient::TMDIClient(HWND Frame, HMENU WindowMenu) : FFrame(Frame) {
  CLIENTCREATESTRUCT ccs{WindowMenu, kFirstChildCommand};
  RECT area;
  GetClientRect(Frame, &area);
  // MDIS_ALLCHILDSTYLES: a child's border style and icons are its own.
  FHandle = CreateWindowExA(WS_EX_CLIENTEDGE, "MDIClient", "",
                            WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_VSCROLL |
                                WS_HSCROLL | MDIS_ALLCHILDSTYLES,
                            0, 0, area.right, area.bottom, Frame, nullptr,
                            GetModuleHandleA(nullptr), &ccs);
  if (!FHandle) throw EComponentError("Cannot create the MDI client window");
  SetWindowPos(FHandle, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

TMDIClient::~TMDIClient() {
  if (IsWindow(FHandle) && GetParent(FHandle) == FFrame) DestroyWindow(FHandle);
}

HWND TMDIClient::ActiveChild() const {
  return reinterpret_cast<HWND>(SendMessageA(FHandle, WM_MDIGETACTIVE, 0, 0));
}

void TMDIClient::SetMenus(HMENU FrameMenu, HMENU WindowMenu) {
  // A zero frame menu would leave the old one in place.
  if (!FrameMenu) SetMenu(FFrame, nullptr);
  SendMessageA(FHandle, WM_MDISETMENU, reinterpret_cast<WPARAM>(FrameMenu),
               reinterpret_cast<LPARAM>(WindowMenu));
  DrawMenuBar(FFrame);
}

void TMDIClient::Tile(bool Vertical) const {
  SendMessageA(FHandle, WM_MDITILE, Vertical ? MDITILE_VERTICAL : MDITILE_HORIZONTAL, 0);
}

void TMDIClient::Cascade() const {
  SendMessageA(FHandle, WM_MDICASCADE, 0, 0);
}

void TMDIClient::ArrangeIcons() const {
  SendMessageA(FHandle, WM_MDIICONARRANGE, 0, 0);
}

void TMDIClient::ActivateNext(bool Forward) const {
  SendMessageA(FHandle, WM_MDINEXT, 0, Forward ? 0 : 1);
}

void TMDIClient::Activate(HWND Child) const {
  SendMessageA(FHandle, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(Child), 0);
}

void TMDIClient::Maximize(HWND Child) const {
  SendMessageA(FHandle, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(Child), 0);
}

void TMDIClient::Restore(HWND Child) const {
  SendMessageA(FHandle, WM_MDIRESTORE, reinterpret_cast<WPARAM>(Child), 0);
}

void TMDIClient::SetBounds(const RECT& Area) const {
  SetWindowPos(FHandle, nullptr, Area.left, Area.top, Area.right - Area.left,
               Area.bottom - Area.top, SWP_NOZORDER | SWP_NOACTIVATE);
}
