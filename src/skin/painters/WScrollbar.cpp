#include "skin/painters/WScrollbar.h"

#include <algorithm>
#include <cctype>
#include <string>

#include "skin/engine/PropertyAccess.h"
#include "skin/engine/SkinData.h"
#include "skin/imaging/ScrollBarImage.h"
#include "skin/imaging/SkinSystem.h"
#include "skin/painters/SkinControl.h"
#include "skin/render/DeviceDrawing.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TWScrollbar::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TWScrollbar>("TWScrollbar", &TCustomControl::StaticClass()).Info();
  return info;
}

namespace {

bool ReadsHorizontal(const TWinControl* Control) {
  std::string kind = GetEnumPropByName(Control, "Kind");
  std::transform(kind.begin(), kind.end(), kind.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return kind == "sbhorizontal";
}

int Along(POINT P, bool Vertical) {
  return Vertical ? P.y : P.x;
}

}  // namespace

TWScrollbar::TWScrollbar(TComponent* AOwner) : TCustomControl(AOwner) {
  FArrowSize = GetSystemMetrics(SM_CXHSCROLL);
  FVisible = false;
  SetTabStop(false);
}

TWScrollbar::~TWScrollbar() {
  // The parent window may already be gone with its children.
  if (WindowHandle() && !IsWindow(WindowHandle())) return;
  DestroyHandle();
}

void TWScrollbar::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.Style &= ~(WS_TABSTOP | WS_VISIBLE);
  if (FPopup) Params.Style = (Params.Style & ~WS_CHILD) | WS_POPUP;
  Params.ExStyle = FPopup ? WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE : WS_EX_TOOLWINDOW;
  Params.WndParent = FParentWindow;
}

void TWScrollbar::BindToWindow(TSkinControl* Painter, TWinControl* Control, int Kind) {
  if (!Control) return;
  Bind(Painter, Control->Handle(), Control, Kind);
}

void TWScrollbar::BindToHandle(TSkinControl* Painter, HWND Handle, int Kind) {
  Bind(Painter, Handle, nullptr, Kind);
}

void TWScrollbar::Bind(TSkinControl* Painter, HWND Target, TWinControl* Control, int Kind) {
  FPainter = Painter;
  FTarget = Target;
  FTargetControl = Control;
  FKind = Kind;
  FVertical = Kind == bkControl ? !ReadsHorizontal(Control) : Kind == bkVertical;
  TSkinData* data = SkinData();
  const TColor face = data ? data->Skin().Colours.ButtonFace : SystemColor(scBtnFace);
  SetColor(static_cast<int>(GetColorPropByName(Control, face)));
  // Never recognised as a control of its own.
  if (data) SetTag(data->GetDisableTag());
  FParentWindow = FPopup ? Target : GetParent(Target);
  if (!FParentWindow) return;
  HandleNeeded();
  Place();
}

TSkinData* TWScrollbar::SkinData() const {
  return FPainter ? FPainter->SkinData() : nullptr;
}

bool TWScrollbar::SkinHasBars() const {
  const TSkinData* data = SkinData();
  return data && data->Skin().Scrollbar && !data->Skin().Scrollbar->Image.Empty();
}

bool TWScrollbar::ReadControlBar(TNativeBar& Bar) const {
  if (!GetWindowRect(FTarget, &Bar.Screen)) return false;
  SCROLLINFO info{};
  info.cbSize = sizeof info;
  info.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_TRACKPOS;
  if (!GetScrollInfo(FTarget, SB_CTL, &info)) return false;
  const int length = FVertical ? Bar.Screen.bottom - Bar.Screen.top
                               : Bar.Screen.right - Bar.Screen.left;
  const TScrollRange range{info.nMin, info.nMax, static_cast<int>(info.nPage), info.nPos};
  Bar.Thumb = TScrollBarGeometry::ThumbForRange(length, FArrowSize, range);
  const LONG style = GetWindowLongA(FTarget, GWL_STYLE);
  Bar.State = (style & WS_DISABLED) ? STATE_SYSTEM_UNAVAILABLE : 0;
  if (!(style & WS_VISIBLE)) Bar.State |= STATE_SYSTEM_INVISIBLE;
  return true;
}

bool TWScrollbar::ReadNativeBar(TNativeBar& Bar) const {
  if (!FTarget || !IsWindow(FTarget)) return false;
  if (FKind == bkControl) return ReadControlBar(Bar);
  const TSkinData* data = SkinData();
  SCROLLBARINFO info{};
  info.cbSize = sizeof info;
  const LONG object = FKind == bkVertical ? OBJID_VSCROLL : OBJID_HSCROLL;
  if (!data || !data->ScrollBarInfo(FTarget, object, info)) return false;
  Bar.Screen = info.rcScrollBar;
  Bar.Thumb = {info.xyThumbTop, info.xyThumbBottom};
  Bar.State = info.rgstate[0];
  return true;
}

void TWScrollbar::Place() {
  TNativeBar bar;
  if (!ReadNativeBar(bar)) return;
  const bool targetVisible = (GetWindowLongA(FTarget, GWL_STYLE) & WS_VISIBLE) != 0;
  const int width = bar.Screen.right - bar.Screen.left;
  const int height = bar.Screen.bottom - bar.Screen.top;
  // Without the skin's arrow image nothing could be drawn: the native bar
  // keeps showing instead of an empty overlay.
  if (!targetVisible || (bar.State & STATE_SYSTEM_INVISIBLE) || width <= 0 || height <= 0 ||
      !SkinHasBars()) {
    HideOverlay();
    return;
  }
  POINT inTarget{bar.Screen.left, bar.Screen.top};
  ::ScreenToClient(FTarget, &inTarget);
  FRectInTarget = {inTarget.x, inTarget.y, inTarget.x + width, inTarget.y + height};
  FLength = FVertical ? height : width;
  FThumbStart = bar.Thumb.Start;
  FThumbEnd = bar.Thumb.End;
  POINT inParent{bar.Screen.left, bar.Screen.top};
  if (!FPopup) ::ScreenToClient(FParentWindow, &inParent);
  // Directly above the target: a sibling just before it, a pop-up over its
  // owner.
  HWND above = GetWindow(FTarget, GW_HWNDPREV);
  if (FPopup)
    above = (GetWindowLongA(FTarget, GWL_EXSTYLE) & WS_EX_TOPMOST) ? HWND_TOPMOST : HWND_TOP;
  const HWND self = Handle();
  UINT flags = SWP_NOACTIVATE | SWP_SHOWWINDOW;
  if (above == self) flags |= SWP_NOZORDER;
  if (!above) above = HWND_TOP;
  FShown = true;
  FVisible = true;
  SetWindowPos(self, above, inParent.x, inParent.y, width, height, flags);
  MoveWindow(self, inParent.x, inParent.y, width, height, TRUE);
}

void TWScrollbar::HideOverlay() {
  if (WindowHandle()) ShowWindow(WindowHandle(), SW_HIDE);
  FShown = false;
  FVisible = false;
}

TScrollPart TWScrollbar::HitTest(POINT P) const {
  return TScrollBarGeometry(FLength, FArrowSize, {FThumbStart, FThumbEnd})
      .HitTest(Along(P, FVertical));
}

void TWScrollbar::SetHotPart(int Part) {
  if (Part == FHotPart) return;
  FHotPart = Part;
  Refresh();
}

void TWScrollbar::Refresh() {
  if (!FShown || !WindowHandle()) return;
  InvalidateRect(WindowHandle(), nullptr, FALSE);
  UpdateWindow(WindowHandle());
}

void TWScrollbar::Scrolled(int Request) {
  FHotPart = Request;
  // Every notification: a dragged thumb follows the cursor.
  Refresh();
}

void TWScrollbar::HotFromCursor() {
  if (!WindowHandle()) return;
  POINT cursor;
  GetCursorPos(&cursor);
  RECT bar;
  GetWindowRect(WindowHandle(), &bar);
  const bool inside = FShown && PtInRect(&bar, cursor);
  SetHotPart(inside ? HitTest({cursor.x - bar.left, cursor.y - bar.top}) : spNone);
}

// ---------------------------------------------------------------------------
// Mouse

void TWScrollbar::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEMOVE:
      MouseMoved(Message.LParam);
      break;
    case WM_MOUSELEAVE:
      MouseLeft();
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      ButtonDown(Message);
      return;
    case WM_LBUTTONUP:
      ButtonUp(Message);
      return;
    case WM_ERASEBKGND:
      Message.Result = 1;
      return;
    case WM_NCHITTEST:
      if (!FPopup) break;
      Message.Result = HTTRANSPARENT;
      return;
    case WM_MOUSEWHEEL:
      // The wheel scrolls the control the bar belongs to.
      Message.Result = SendMessageA(FTarget, Message.Msg, Message.WParam, Message.LParam);
      return;
    default:
      break;
  }
  TCustomControl::WndProc(Message);
}

POINT TWScrollbar::MessagePoint(LPARAM LParam) const {
  return {static_cast<short>(LOWORD(LParam)), static_cast<short>(HIWORD(LParam))};
}

void TWScrollbar::MouseMoved(LPARAM LParam) {
  if (!FPressed) SetHotPart(HitTest(MessagePoint(LParam)));
  if (const TSkinData* data = SkinData()) data->TrackLeave(WindowHandle());
}

void TWScrollbar::MouseLeft() {
  if (FPressed) return;
  SetHotPart(spNone);
}

void TWScrollbar::ButtonDown(TMessage& Message) {
  TNativeBar bar;
  if (ReadNativeBar(bar)) {
    FThumbStart = bar.Thumb.Start;
    FThumbEnd = bar.Thumb.End;
  }
  GetCursorPos(&FPressPoint);
  FPressThumbStart = FThumbStart;
  POINT at = MessagePoint(Message.LParam);
  FHotPart = HitTest(at);
  if (FKind != bkControl) {
    FScreenOrigin = {bar.Screen.left, bar.Screen.top};
    at.x += FScreenOrigin.x;
    at.y += FScreenOrigin.y;
  }
  FPressed = true;
  Refresh();
  ReleaseCapture();
  // The native bar runs its own tracking loop inside this call, until the
  // button is released.
  if (FKind == bkControl)
    SendMessageA(FTarget, WM_LBUTTONDOWN, MK_LBUTTON, Message.LParam);
  else
    SendMessageA(FTarget, WM_NCLBUTTONDOWN, HitCode(), MAKELPARAM(at.x, at.y));
  FPressed = false;
  ReleaseCapture();
  POINT cursor;
  GetCursorPos(&cursor);
  if (WindowHandle() && ::ScreenToClient(WindowHandle(), &cursor)) {
    RECT client;
    GetClientRect(WindowHandle(), &client);
    FHotPart = PtInRect(&client, cursor) ? HitTest(cursor) : spNone;
  }
  Refresh();
  Message.Result = 0;
}

void TWScrollbar::ButtonUp(TMessage& Message) {
  POINT at = MessagePoint(Message.LParam);
  if (FKind != bkControl) {
    at.x += FScreenOrigin.x;
    at.y += FScreenOrigin.y;
  }
  FPressed = false;
  ReleaseCapture();
  if (FKind == bkControl)
    PostMessageA(FTarget, WM_LBUTTONUP, 0, Message.LParam);
  else
    PostMessageA(FTarget, WM_NCLBUTTONUP, HitCode(), MAKELPARAM(at.x, at.y));
  Message.Result = 0;
}

// ---------------------------------------------------------------------------
// Painting

TThumbSpan TWScrollbar::ThumbToDraw(const TNativeBar& Bar) const {
  // While the thumb is dragged it follows the cursor, not the native thumb,
  // which moves only as the control scrolls.
  if (!FPressed || FHotPart != spThumb || FKind == bkControl) return Bar.Thumb;
  POINT cursor;
  GetCursorPos(&cursor);
  const int delta = Along(cursor, FVertical) - Along(FPressPoint, FVertical);
  return TScrollBarGeometry(FLength, FArrowSize, Bar.Thumb).DraggedThumb(FPressThumbStart, delta);
}

void TWScrollbar::Paint() {
  TSkinData* data = SkinData();
  TNativeBar bar;
  if (!data || !SkinHasBars() || !ReadNativeBar(bar) || (bar.State & STATE_SYSTEM_INVISIBLE))
    return;
  const int width = bar.Screen.right - bar.Screen.left;
  const int height = bar.Screen.bottom - bar.Screen.top;
  RECT client;
  GetClientRect(WindowHandle(), &client);
  if (width > client.right || height > client.bottom) return;
  FLength = FVertical ? height : width;
  const TThumbSpan thumb = ThumbToDraw(bar);
  FThumbStart = thumb.Start;
  FThumbEnd = thumb.End;
  TScrollBarState state;
  state.Vertical = FVertical;
  state.Width = width;
  state.Height = height;
  state.ArrowSize = FArrowSize;
  state.Thumb = thumb;
  state.Unavailable = (bar.State & STATE_SYSTEM_UNAVAILABLE) != 0;
  state.HotPart = FHotPart;
  state.Pressed = FPressed;
  const TParsedSkin& skin = data->Skin();
  const TPixelBuffer image =
      BuildScrollBarImage(skin, ResolveColor(skin.Colours.ButtonFace), state);
  if (!image.Empty()) DrawPixelBuffer(Canvas().Handle(), 0, 0, image);
}
