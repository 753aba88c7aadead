#include "toolkit/WinControl.h"

#include <windowsx.h>
// (needs windows.h first)
#include <commctrl.h>

#include <algorithm>
#include <map>

#include "toolkit/Application.h"
#include "toolkit/ControlAtom.h"
#include "toolkit/Form.h"
#include "toolkit/Menu.h"
#include "toolkit/Screen.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TWinControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TWinControl>("TWinControl", &TControl::StaticClass())
          .Prop("TabOrder", &TWinControl::GetTabOrder, &TWinControl::SetTabOrder, -1)
          .Prop("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, false)
          .EventProp("OnKeyDown", &TWinControl::OnKeyDown)
          .EventProp("OnKeyUp", &TWinControl::OnKeyUp)
          .EventProp("OnKeyPress", &TWinControl::OnKeyPress)
          .Info();
  return info;
}

namespace {

// The control whose window is being created: the first message of a new
// window attaches it.
thread_local TWinControl* gCreatingControl = nullptr;

// Window classes registered so far, with the procedure of the system class
// each was made from.
std::map<std::string, WNDPROC>& RegisteredClasses() {
  static std::map<std::string, WNDPROC> classes;
  return classes;
}

WNDPROC RegisterWindowClass(const std::string& Name, const TCreateParams& Params, WNDPROC Proc) {
  auto& classes = RegisteredClasses();
  if (auto it = classes.find(Name); it != classes.end()) return it->second;
  HINSTANCE instance = GetModuleHandleA(nullptr);
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof wc;
  WNDPROC base = DefWindowProcA;
  if (!Params.BaseClassName.empty()) {
    if (!GetClassInfoExA(nullptr, Params.BaseClassName.c_str(), &wc)) {
      // The common controls register their classes on request.
      INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
      InitCommonControlsEx(&icc);
    }
    if (!GetClassInfoExA(nullptr, Params.BaseClassName.c_str(), &wc))
      throw EComponentError("Window class " + Params.BaseClassName + " is not available");
    base = wc.lpfnWndProc;
  } else {
    wc.style = Params.ClassStyle;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconA(instance, MAKEINTRESOURCEA(1));
  }
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = Proc;
  wc.hInstance = instance;
  wc.lpszClassName = Name.c_str();
  wc.hbrBackground = nullptr;
  wc.lpszMenuName = nullptr;
  if (!RegisterClassExA(&wc) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS)
    throw EComponentError("Cannot register window class " + Name);
  classes[Name] = base;
  return base;
}

WNDPROC BaseProcOfWindow(HWND Wnd) {
  char name[256];
  if (GetClassNameA(Wnd, name, sizeof name)) {
    auto it = RegisteredClasses().find(name);
    if (it != RegisteredClasses().end()) return it->second;
  }
  return DefWindowProcA;
}

bool IsMouseMessage(UINT Msg) {
  return Msg >= WM_MOUSEFIRST && Msg <= WM_MOUSELAST;
}

}  // namespace

TWinControl::TWinControl(TComponent* AOwner) : TControl(AOwner) {
  ClickOnMouseUp = false;
  FBrush.SetColor(GetColor());
}

TWinControl::~TWinControl() {
  DestroyHandle();
  // Child controls go with their parent.
  while (!FControls.empty()) {
    TControl* child = FControls.back();
    RemoveControl(child);
    delete child;
  }
  // Leave the parent while still a windowed control, so that the parent's
  // tab order lets go of it too.
  SetParent(nullptr);
}

LRESULT CALLBACK TWinControl::StaticWndProc(HWND Wnd, UINT Msg, WPARAM WParam, LPARAM LParam) {
  TWinControl* control = FindControl(Wnd);
  if (!control && gCreatingControl) {
    control = std::exchange(gCreatingControl, nullptr);
    control->FHandle = Wnd;
    AttachControl(Wnd, control);
  }
  if (!control) return CallWindowProcA(BaseProcOfWindow(Wnd), Wnd, Msg, WParam, LParam);
  TMessage message{Msg, WParam, LParam, 0};
  try {
    control->WindowProc(message);
  } catch (...) {
    // Exceptions stop here: the application shows them.
    if (Application) Application->HandleException(control);
  }
  if (Msg == WM_NCDESTROY) {
    DetachControl(Wnd);
    if (control->FHandle == Wnd) control->FHandle = nullptr;
  }
  // Posted, so nothing further up the stack uses the control any more.
  if (Msg == CM_RELEASEFORM && message.Result == kReleaseAccepted) {
    delete control;
    return 0;
  }
  return message.Result;
}

void TWinControl::CreateParams(TCreateParams& Params) {
  Params.Caption = FText;
  Params.Style = WS_CHILD | WS_CLIPSIBLINGS;
  if (FVisible) Params.Style |= WS_VISIBLE;
  if (FTabStop) Params.Style |= WS_TABSTOP;
  if (!GetEnabled()) Params.Style |= WS_DISABLED;
  Params.ExStyle |= BiDiExStyle();
  Params.X = FLeft;
  Params.Y = FTop;
  Params.Width = FWidth;
  Params.Height = FHeight;
  if (Parent()) Params.WndParent = Parent()->Handle();
}

HWND TWinControl::Handle() {
  HandleNeeded();
  return FHandle;
}

void TWinControl::HandleNeeded() {
  if (FHandle) return;
  if (Parent()) Parent()->HandleNeeded();  // may create this one too
  if (!FHandle) CreateWnd();
}

void TWinControl::CreateWnd() {
  TCreateParams params;
  CreateParams(params);
  if ((params.Style & WS_CHILD) && !params.WndParent)
    throw EComponentError("Control " + GetName() + " has no parent window");
  const std::string className = ClassName();
  FDefWndProc = RegisterWindowClass(className, params, &TWinControl::StaticWndProc);
  gCreatingControl = this;
  HWND wnd = nullptr;
  try {
    wnd = CreateWindowHandle(params, className);
  } catch (...) {
    gCreatingControl = nullptr;
    throw;
  }
  gCreatingControl = nullptr;
  if (!wnd) {
    FHandle = nullptr;
    throw EComponentError("Cannot create the window of " + GetName());
  }
  FHandle = wnd;
  if (!FindControl(wnd)) AttachControl(wnd, this);
  SendMessageA(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(GetFont()->Handle()), FALSE);
  AlignControls();
  CreateChildHandles();
}

namespace {

// A child window gets an identifier that none of its siblings has, so that
// WM_MEASUREITEM, which names its sender only by identifier, finds it.
// They start above the dialog identifiers (IDOK, IDCANCEL, ...).
HMENU FreeChildId(HWND Parent) {
  UINT id = 0x100;
  while (Parent && GetDlgItem(Parent, static_cast<int>(id)) && id < 0xFFFF) ++id;
  return reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id));
}

}  // namespace

HWND TWinControl::CreateWindowHandle(const TCreateParams& Params, const std::string& ClassName) {
  HMENU menuOrId = (Params.Style & WS_CHILD) ? FreeChildId(Params.WndParent) : nullptr;
  return CreateWindowExA(Params.ExStyle, ClassName.c_str(), Params.Caption.c_str(), Params.Style,
                         Params.X, Params.Y, Params.Width, Params.Height, Params.WndParent,
                         menuOrId, GetModuleHandleA(nullptr), nullptr);
}

void TWinControl::DestroyWindowHandle() {
  DestroyWindow(FHandle);
}

void TWinControl::CreateChildHandles() {
  for (TControl* c : FControls)
    if (auto* w = dynamic_cast<TWinControl*>(c)) w->HandleNeeded();
}

void TWinControl::DestroyWnd() {
  FText = GetTextValue();
  DestroyWindowHandle();
}

void TWinControl::DestroyHandle() {
  if (!FHandle || FDestroyingHandle) return;
  FDestroyingHandle = true;
  DestroyWnd();
  FDestroyingHandle = false;
  FHandle = nullptr;
}

void TWinControl::RecreateWnd() {
  if (!FHandle) return;
  FRecreating = true;
  DestroyHandle();
  FRecreating = false;
  HandleNeeded();
  Perform(CM_RECREATEWND, reinterpret_cast<WPARAM>(FHandle));
}

bool TWinControl::Recreating() const {
  for (const TWinControl* c = this; c; c = c->Parent())
    if (c->FRecreating) return true;
  return false;
}

void TWinControl::InsertControl(TControl* Control) {
  FControls.push_back(Control);
  Control->FParent = this;
  if (auto* w = dynamic_cast<TWinControl*>(Control)) {
    FTabList.push_back(w);
    if (FHandle) w->HandleNeeded();
  }
  if (Control->GetAlign() != alNone) AlignControls();
}

void TWinControl::RemoveControl(TControl* Control) {
  if (auto* w = dynamic_cast<TWinControl*>(Control)) {
    FTabList.erase(std::remove(FTabList.begin(), FTabList.end(), w), FTabList.end());
    w->DestroyHandle();
  } else {
    Control->Invalidate();
  }
  FControls.erase(std::remove(FControls.begin(), FControls.end(), Control), FControls.end());
  if (FMouseControl == Control) FMouseControl = nullptr;
  if (FCaptureControl == Control) FCaptureControl = nullptr;
  Control->FParent = nullptr;
  if (Control->GetAlign() != alNone && !ComponentState().Contains(csDestroying)) AlignControls();
}

void TWinControl::AlignControls() {
  if (FAligning || ComponentState().Contains(csLoading)) return;
  RECT rest = ClientRect();
  if (FHandle) GetClientRect(FHandle, &rest);
  FAligning = true;
  auto place = [&](TAlign Which) {
    for (TControl* c : FControls) {
      if (c->GetAlign() != Which || !c->GetVisible()) continue;
      const int w = c->GetWidth(), h = c->GetHeight();
      const int restW = std::max<int>(0, rest.right - rest.left);
      const int restH = std::max<int>(0, rest.bottom - rest.top);
      switch (Which) {
        case alTop:
          c->SetBounds(rest.left, rest.top, restW, h);
          rest.top += h;
          break;
        case alBottom:
          c->SetBounds(rest.left, rest.bottom - h, restW, h);
          rest.bottom -= h;
          break;
        case alLeft:
          c->SetBounds(rest.left, rest.top, w, restH);
          rest.left += w;
          break;
        case alRight:
          c->SetBounds(rest.right - w, rest.top, w, restH);
          rest.right -= w;
          break;
        case alClient:
          c->SetBounds(rest.left, rest.top, restW, restH);
          break;
        case alNone:
          break;
      }
    }
  };
  for (TAlign a : {alTop, alBottom, alLeft, alRight, alClient}) place(a);
  FAligning = false;
}

TControl* TWinControl::ControlAtPos(POINT P) const {
  // Later children lie on top.
  for (auto it = FControls.rbegin(); it != FControls.rend(); ++it) {
    TControl* c = *it;
    if (dynamic_cast<TWinControl*>(c) || !c->GetVisible()) continue;
    RECT r = c->BoundsRect();
    if (PtInRect(&r, P)) return c;
  }
  return nullptr;
}

int TWinControl::GetTabOrder() const {
  if (Parent()) {
    const auto& list = Parent()->FTabList;
    auto it = std::find(list.begin(), list.end(), this);
    if (it != list.end()) return static_cast<int>(it - list.begin());
  }
  return FTabOrder;
}

void TWinControl::SetTabOrder(int Value) {
  FTabOrder = Value;
  if (Parent() && !ComponentState().Contains(csLoading)) Parent()->UpdateTabOrder(this, Value);
}

void TWinControl::UpdateTabOrder(TWinControl* Control, int Value) {
  auto it = std::find(FTabList.begin(), FTabList.end(), Control);
  if (it == FTabList.end() || Value < 0) return;
  FTabList.erase(it);
  size_t index = std::min(static_cast<size_t>(Value), FTabList.size());
  FTabList.insert(FTabList.begin() + index, Control);
}

// Tab orders read from a description arrive in any order; once all are
// known the list is put in their order, controls without one last.
void TWinControl::SortTabListByWantedOrder() {
  std::stable_sort(FTabList.begin(), FTabList.end(), [](TWinControl* A, TWinControl* B) {
    unsigned a = static_cast<unsigned>(A->FTabOrder), b = static_cast<unsigned>(B->FTabOrder);
    return a < b;
  });
}

void TWinControl::Loaded() {
  TControl::Loaded();
  SortTabListByWantedOrder();
  AlignControls();
}

void TWinControl::SetTabStop(bool Value) {
  FTabStop = Value;
  if (!FHandle) return;
  LONG_PTR style = GetWindowLongPtrA(FHandle, GWL_STYLE);
  style = Value ? (style | WS_TABSTOP) : (style & ~WS_TABSTOP);
  SetWindowLongPtrA(FHandle, GWL_STYLE, style);
}

bool TWinControl::CanFocus() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->GetVisible() || !c->GetEnabled()) return false;
  return true;
}

bool TWinControl::Focused() const {
  return FHandle && GetFocus() == FHandle;
}

void TWinControl::SetFocus() {
  if (TCustomForm* form = GetParentForm(this)) form->SetActiveControl(this);
  if (!CanFocus()) return;
  ::SetFocus(Handle());
}

TWinControl* TWinControl::FindNextControl(TWinControl* Current, bool Forward) const {
  std::vector<TWinControl*> order;
  auto collect = [&](auto&& self, const TWinControl* parent) -> void {
    for (TWinControl* c : parent->FTabList) {
      order.push_back(c);
      self(self, c);
    }
  };
  collect(collect, this);
  std::vector<TWinControl*> stops;
  for (TWinControl* c : order)
    if (c->FTabStop && c->CanFocus()) stops.push_back(c);
  if (stops.empty()) return nullptr;
  auto it = std::find(stops.begin(), stops.end(), Current);
  if (it == stops.end()) return Forward ? stops.front() : stops.back();
  size_t i = static_cast<size_t>(it - stops.begin());
  size_t n = stops.size();
  return stops[Forward ? (i + 1) % n : (i + n - 1) % n];
}

void TWinControl::SelectNext(TWinControl* Current, bool Forward) {
  if (TWinControl* next = FindNextControl(Current, Forward)) next->SetFocus();
}

void TWinControl::Invalidate() {
  if (FHandle) InvalidateRect(FHandle, nullptr, TRUE);
}

void TWinControl::SetBounds(int Left, int Top, int Width, int Height) {
  if (Left == FLeft && Top == FTop && Width == FWidth && Height == FHeight) return;
  FLeft = Left;
  FTop = Top;
  FWidth = Width < 0 ? 0 : Width;
  FHeight = Height < 0 ? 0 : Height;
  if (FHandle)
    SetWindowPos(FHandle, nullptr, FLeft, FTop, FWidth, FHeight, SWP_NOZORDER | SWP_NOACTIVATE);
  RequestAlign();
}

void TWinControl::HandleWindowPos() {
  RECT r;
  if (!GetWindowRect(FHandle, &r)) return;
  if (HWND parent = GetParent(FHandle);
      parent && (GetWindowLongPtrA(FHandle, GWL_STYLE) & WS_CHILD))
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  FLeft = r.left;
  FTop = r.top;
  FWidth = r.right - r.left;
  FHeight = r.bottom - r.top;
}

void TWinControl::VisibleChanged() {
  if (FHandle) ShowWindow(FHandle, FVisible ? SW_SHOWNA : SW_HIDE);
}

void TWinControl::EnabledChanged() {
  if (FHandle) EnableWindow(FHandle, GetEnabled());
}

void TWinControl::FontChanged() {
  if (FHandle)
    SendMessageA(FHandle, WM_SETFONT, reinterpret_cast<WPARAM>(GetFont()->Handle()), TRUE);
  for (TControl* c : FControls) c->ParentFontChanged();
  TControl::FontChanged();
}

void TWinControl::ColorChanged() {
  FBrush.SetColor(GetColor());
  for (TControl* c : FControls) c->ParentColorChanged();
  TControl::ColorChanged();
}

DWORD TWinControl::BiDiExStyle() const {
  DWORD ex = 0;
  if (UseRightToLeftReading()) ex |= WS_EX_RTLREADING;
  if (UseRightToLeftAlignment()) ex |= WS_EX_RIGHT;
  if (UseRightToLeftScrollBar()) ex |= WS_EX_LEFTSCROLLBAR;
  return ex;
}

void TWinControl::BiDiModeChanged() {
  if (FHandle) {
    constexpr DWORD mask = WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR;
    LONG_PTR ex = GetWindowLongPtrA(FHandle, GWL_EXSTYLE);
    SetWindowLongPtrA(FHandle, GWL_EXSTYLE, (ex & ~static_cast<LONG_PTR>(mask)) | BiDiExStyle());
    SetWindowPos(FHandle, nullptr, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    Invalidate();
  }
  for (TControl* c : FControls) c->ParentBiDiModeChanged();
}

void TWinControl::TextChanged() {
  Invalidate();
}

std::string TWinControl::GetTextValue() const {
  if (!FHandle) return TControl::GetTextValue();
  int length = GetWindowTextLengthA(FHandle);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(GetWindowTextA(FHandle, text.data(), length + 1)));
  return text;
}

void TWinControl::SetTextValue(const std::string& Value) {
  TControl::SetTextValue(Value);
  if (FHandle) SetWindowTextA(FHandle, Value.c_str());
}

void TWinControl::KeyDown(WORD& Key, TShiftState Shift) {
  OnKeyDown(this, Key, Shift);
}
void TWinControl::KeyUp(WORD& Key, TShiftState Shift) {
  OnKeyUp(this, Key, Shift);
}
void TWinControl::KeyPress(char& Key) {
  OnKeyPress(this, Key);
}

void TWinControl::PaintControls(HDC DC) {
  RECT clip;
  if (GetClipBox(DC, &clip) == ERROR) return;
  for (TControl* c : FControls) {
    if (dynamic_cast<TWinControl*>(c) || !c->GetVisible()) continue;
    RECT bounds = c->BoundsRect(), common;
    if (!IntersectRect(&common, &bounds, &clip)) continue;
    int saved = SaveDC(DC);
    OffsetViewportOrgEx(DC, bounds.left, bounds.top, nullptr);
    IntersectClipRect(DC, 0, 0, bounds.right - bounds.left, bounds.bottom - bounds.top);
    c->Perform(WM_PAINT, reinterpret_cast<WPARAM>(DC), 0);
    RestoreDC(DC, saved);
  }
}

void TWinControl::PaintHandler(TMessage& Message) {
  if (Message.WParam) {
    HDC dc = reinterpret_cast<HDC>(Message.WParam);
    PaintWindow(dc);
    PaintControls(dc);
    return;
  }
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(FHandle, &ps);
  PaintWindow(dc);
  PaintControls(dc);
  EndPaint(FHandle, &ps);
}

bool TWinControl::HasGraphicChildren() const {
  if (DrawsItsOwnControls()) return false;
  for (TControl* c : FControls)
    if (!dynamic_cast<TWinControl*>(c) && c->GetVisible()) return true;
  return false;
}

// A system class paints itself; windowless children (a speed button on a
// group box) are painted over it into the same DC.
void TWinControl::PaintNativeWithControls(TMessage& Message) {
  if (Message.WParam) {
    DefaultHandler(Message);
    PaintControls(reinterpret_cast<HDC>(Message.WParam));
    return;
  }
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(FHandle, &ps);
  TMessage inner{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
  DefaultHandler(inner);
  PaintControls(dc);
  EndPaint(FHandle, &ps);
}

bool TWinControl::ReflectNotification(TMessage& Message) {
  HWND source = nullptr;
  switch (Message.Msg) {
    case WM_COMMAND:
      if (Message.LParam == 0 && HIWORD(Message.WParam) == 0) {
        if (TMenuItem* item = FindMenuItemByCommand(LOWORD(Message.WParam))) {
          item->Click();
          return true;
        }
        return false;
      }
      source = reinterpret_cast<HWND>(Message.LParam);
      break;
    case WM_NOTIFY:
      source = reinterpret_cast<NMHDR*>(Message.LParam)->hwndFrom;
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORLISTBOX:
    case WM_HSCROLL:
    case WM_VSCROLL:
      source = reinterpret_cast<HWND>(Message.LParam);
      break;
    case WM_DRAWITEM: {
      auto* dis = reinterpret_cast<DRAWITEMSTRUCT*>(Message.LParam);
      if (dis->CtlType == ODT_MENU) {
        Message.Result = DrawMenuItemMessage(*dis);
        return Message.Result != 0;
      }
      source = dis->hwndItem;
      break;
    }
    case WM_MEASUREITEM: {
      auto* mis = reinterpret_cast<MEASUREITEMSTRUCT*>(Message.LParam);
      if (mis->CtlType == ODT_MENU) {
        Message.Result = MeasureMenuItemMessage(*mis);
        return Message.Result != 0;
      }
      source = GetDlgItem(FHandle, static_cast<int>(mis->CtlID));
      break;
    }
    default:
      return false;
  }
  TWinControl* child = FindControl(source);
  if (!child || child == this) return false;
  Message.Result = child->Perform(CN_BASE + Message.Msg, Message.WParam, Message.LParam);
  return true;
}

void TWinControl::SetMouseControl(TControl* Control) {
  if (Control == FMouseControl) return;
  TControl* old = std::exchange(FMouseControl, Control);
  if (old) old->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(old));
  if (Control) Control->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(Control));
}

void TWinControl::TrackLeave() {
  if (FTrackingLeave) return;
  TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, FHandle, 0};
  FTrackingLeave = TrackMouseEvent(&tme) != 0;
}

// Mouse messages over a windowless child go to that child, in its own
// coordinates; a button pressed on it keeps the mouse until released.
bool TWinControl::RouteMouseToChild(TMessage& Message) {
  POINT p{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
  TControl* target = FCaptureControl ? FCaptureControl : ControlAtPos(p);
  if (Message.Msg == WM_MOUSEMOVE) {
    TrackLeave();
    if (!MouseInControl()) Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(this));
    TControl* over = target;
    if (FCaptureControl) {
      RECT bounds = FCaptureControl->BoundsRect();
      if (!PtInRect(&bounds, p)) over = nullptr;
    }
    SetMouseControl(over);
  }
  if (!target || !target->GetEnabled()) return false;
  bool down = Message.Msg == WM_LBUTTONDOWN || Message.Msg == WM_RBUTTONDOWN ||
              Message.Msg == WM_MBUTTONDOWN || Message.Msg == WM_LBUTTONDBLCLK;
  bool up =
      Message.Msg == WM_LBUTTONUP || Message.Msg == WM_RBUTTONUP || Message.Msg == WM_MBUTTONUP;
  if (down && !FCaptureControl) {
    FCaptureControl = target;
    SetCapture(FHandle);
  }
  LPARAM local = MAKELPARAM(p.x - target->GetLeft(), p.y - target->GetTop());
  Message.Result = target->Perform(Message.Msg, Message.WParam, local);
  if (up && FCaptureControl && !(Message.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON))) {
    FCaptureControl = nullptr;
    if (GetCapture() == FHandle) ReleaseCapture();
  }
  return true;
}

void TWinControl::HandleSetCursor(TMessage& Message) {
  int cursor = Screen ? Screen->GetCursor() : crDefault;
  if (cursor == crDefault && LOWORD(Message.LParam) == HTCLIENT &&
      reinterpret_cast<HWND>(Message.WParam) == FHandle) {
    POINT p;
    GetCursorPos(&p);
    ::ScreenToClient(FHandle, &p);
    TControl* child = ControlAtPos(p);
    cursor = child && child->GetCursor() != crDefault ? child->GetCursor() : GetCursor();
  }
  if (cursor != crDefault) {
    ::SetCursor(CursorHandle(cursor));
    Message.Result = TRUE;
    return;
  }
  DefaultHandler(Message);
}

void TWinControl::WndProc(TMessage& Message) {
  if (ReflectNotification(Message)) return;
  switch (Message.Msg) {
    case WM_PAINT:
      if (IsToolkitClass()) {
        PaintHandler(Message);
        return;
      }
      if (HasGraphicChildren()) {
        PaintNativeWithControls(Message);
        return;
      }
      break;
    case WM_ERASEBKGND:
      if (IsToolkitClass()) {
        RECT r;
        GetClientRect(FHandle, &r);
        FillRect(reinterpret_cast<HDC>(Message.WParam), &r, FBrush.Handle());
        Message.Result = 1;
        return;
      }
      break;
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
    case CN_CTLCOLORBTN:
    case CN_CTLCOLORLISTBOX: {
      HDC dc = reinterpret_cast<HDC>(Message.WParam);
      SetTextColor(dc, ColorToRGB(GetFont()->GetColor()));
      SetBkColor(dc, ColorToRGB(GetColor()));
      Message.Result = reinterpret_cast<LRESULT>(FBrush.Handle());
      return;
    }
    case WM_SETCURSOR:
      HandleSetCursor(Message);
      return;
    case WM_NCHITTEST:
      // A group box lets the mouse through to its parent, but not where a
      // windowless child of its own (a speed button) lies.
      DefaultHandler(Message);
      if (Message.Result == HTTRANSPARENT && HasGraphicChildren()) {
        POINT p{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
        ::ScreenToClient(FHandle, &p);
        TControl* child = ControlAtPos(p);
        if (child && !dynamic_cast<TWinControl*>(child)) Message.Result = HTCLIENT;
      }
      return;
    case WM_MOUSELEAVE:
      FTrackingLeave = false;
      SetMouseControl(nullptr);
      if (MouseInControl()) Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(this));
      break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
      WORD key = static_cast<WORD>(Message.WParam);
      bool down = Message.Msg == WM_KEYDOWN || Message.Msg == WM_SYSKEYDOWN;
      down ? KeyDown(key, KeyboardShiftState()) : KeyUp(key, KeyboardShiftState());
      if (key == 0) return;  // taken by a handler
      Message.WParam = key;
      break;
    }
    case WM_CHAR: {
      char key = static_cast<char>(Message.WParam);
      KeyPress(key);
      if (key == 0) return;
      Message.WParam = static_cast<unsigned char>(key);
      break;
    }
    case WM_SETFOCUS:
      if (TCustomForm* form = GetParentForm(this)) form->FocusChanged(this);
      break;
    case WM_SYSCHAR:
      // Alt+key goes to the form first (menu-bar accelerators).
      if (TCustomForm* form = GetParentForm(this);
          form && form->Perform(CM_DIALOGCHAR, Message.WParam, Message.LParam) != 0) {
        Message.Result = 0;
        return;
      }
      break;
    case WM_WINDOWPOSCHANGED:
      HandleWindowPos();
      break;
    case WM_SIZE:
      AlignControls();
      break;
    default:
      if (IsMouseMessage(Message.Msg) && Message.Msg != WM_MOUSEWHEEL && RouteMouseToChild(Message))
        return;
      break;
  }
  TControl::WndProc(Message);
}

void TWinControl::DefaultHandler(TMessage& Message) {
  if (!FHandle) return;
  Message.Result =
      CallWindowProcA(FDefWndProc, FHandle, Message.Msg, Message.WParam, Message.LParam);
}
