#include "skin/painters/ScrollBarPair.h"

#include "skin/painters/SkinControl.h"
#include "skin/painters/WScrollbar.h"
#include "toolkit/GdiHandle.h"
#include "toolkit/WinControl.h"

TScrollBarPair::~TScrollBarPair() {
  Free();
}

void TScrollBarPair::Create(TSkinControl* Painter, TWinControl* Control) {
  Free();
  FHorz = new TWScrollbar(Painter);
  FHorz->BindToWindow(Painter, Control, TWScrollbar::bkHorizontal);
  FVert = new TWScrollbar(Painter);
  FVert->BindToWindow(Painter, Control, TWScrollbar::bkVertical);
}

void TScrollBarPair::Create(TSkinControl* Painter, HWND Window, bool Popup) {
  Free();
  FHorz = new TWScrollbar(Painter);
  FHorz->SetPopup(Popup);
  FHorz->BindToHandle(Painter, Window, TWScrollbar::bkHorizontal);
  FVert = new TWScrollbar(Painter);
  FVert->SetPopup(Popup);
  FVert->BindToHandle(Painter, Window, TWScrollbar::bkVertical);
}

void TScrollBarPair::Free() {
  delete FHorz;
  FHorz = nullptr;
  delete FVert;
  FVert = nullptr;
}

void TScrollBarPair::Place() {
  if (FHorz) FHorz->Place();
  if (FVert) FVert->Place();
}

void TScrollBarPair::Hide() {
  if (FHorz) FHorz->HideOverlay();
  if (FVert) FVert->HideOverlay();
}

void TScrollBarPair::Refresh() {
  if (FHorz) FHorz->Refresh();
  if (FVert) FVert->Refresh();
}

void TScrollBarPair::SetEnabled(bool Enabled) {
  if (FHorz) FHorz->SetEnabled(Enabled);
  if (FVert) FVert->SetEnabled(Enabled);
}

void TScrollBarPair::Scrolled(UINT Msg, WPARAM WParam) {
  TWScrollbar* bar = Msg == WM_HSCROLL ? FHorz : FVert;
  if (bar) bar->Scrolled(LOWORD(WParam));
}

void TScrollBarPair::FollowPaint(HWND Window, HDC DC, COLORREF Face) {
  const LONG_PTR style = GetWindowLongPtrA(Window, GWL_STYLE);
  const auto follow = [style](TWScrollbar* Bar, LONG_PTR Bit) {
    if (!Bar) return;
    if (Bar->Shown())
      InvalidateRect(Bar->WindowHandle(), nullptr, FALSE);
    else if (style & Bit)
      Bar->Place();
  };
  follow(FHorz, WS_HSCROLL);
  follow(FVert, WS_VSCROLL);
  if (!DC || !FHorz || !FVert || !FHorz->Shown() || !FVert->Shown()) return;
  RECT window;
  if (!GetWindowRect(Window, &window)) return;
  POINT client{0, 0};
  ClientToScreen(Window, &client);
  const int dx = client.x - window.left;
  const int dy = client.y - window.top;
  const RECT vert = FVert->RectInTarget();
  const RECT horz = FHorz->RectInTarget();
  const RECT corner{vert.left + dx, horz.top + dy, vert.right + dx, horz.bottom + dy};
  TBrushHandle face(CreateSolidBrush(Face));
  FillRect(DC, &corner, face.Get());
}
