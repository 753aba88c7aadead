#include "toolkit/Form.h"

#include <algorithm>
#include <utility>

#include "toolkit/Application.h"
#include "toolkit/ControlAtom.h"
#include "toolkit/MDIClient.h"
#include "toolkit/Menu.h"
#include "toolkit/Screen.h"
#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/FormReader.h"

const TClassInfo& TCustomForm::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomForm>("TCustomForm", &TWinControl::StaticClass())
          .Prop("Caption", &TCustomForm::GetText, &TCustomForm::SetText, std::string())
          .Prop("Visible", &TCustomForm::GetVisible, &TCustomForm::SetVisible, false)
          .Prop("BorderStyle", &TCustomForm::GetBorderStyle, &TCustomForm::SetBorderStyle,
                bsSizeable)
          .Prop("BorderIcons", &TCustomForm::GetBorderIcons, &TCustomForm::SetBorderIcons,
                TBorderIcons{biSystemMenu, biMinimize, biMaximize})
          .Prop("Position", &TCustomForm::GetPosition, &TCustomForm::SetPosition, poDesigned)
          .Prop("FormStyle", &TCustomForm::GetFormStyle, &TCustomForm::SetFormStyle, fsNormal)
          .Prop("WindowState", &TCustomForm::GetWindowState, &TCustomForm::SetWindowState, wsNormal)
          .Prop("TileMode", &TCustomForm::GetTileMode, &TCustomForm::SetTileMode, tbHorizontal)
          .PropNoDefault("WindowMenu", &TCustomForm::GetWindowMenu, &TCustomForm::SetWindowMenu)
          .PropNoDefault("ClientWidth", &TCustomForm::GetClientWidth, &TCustomForm::SetClientWidth)
          .PropNoDefault("ClientHeight", &TCustomForm::GetClientHeight,
                         &TCustomForm::SetClientHeight)
          .PropNoDefault("ActiveControl", &TCustomForm::GetActiveControl,
                         &TCustomForm::SetActiveControl)
          .PropNoDefault("Menu", &TCustomForm::GetMenu, &TCustomForm::SetMenu)
          .EventProp("OnShow", &TCustomForm::OnShow)
          .EventProp("OnHide", &TCustomForm::OnHide)
          .EventProp("OnCreate", &TCustomForm::OnCreate)
          .EventProp("OnPaint", &TCustomForm::OnPaint)
          .EventProp("OnClose", &TCustomForm::OnClose)
          .Info();
  return info;
}

const TClassInfo& TForm::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TForm>("TForm", &TCustomForm::StaticClass()).Creatable().Info();
  return info;
}
FW_REGISTER_CLASS(TForm);

namespace {

// The application that made a form (its owner), else the program's.
TApplication* ApplicationOf(const TComponent* Form) {
  if (auto* app = dynamic_cast<TApplication*>(Form->Owner())) return app;
  return Application;
}

// What the form's client area leaves to its MDI client once the controls
// aligned along its edges (tool bars, status bars) have their places.
RECT MDIClientArea(const TCustomForm& Form) {
  RECT rest;
  GetClientRect(Form.WindowHandle(), &rest);
  for (int i = 0; i < Form.ControlCount(); ++i) {
    TControl* c = Form.Controls(i);
    if (!c->GetVisible()) continue;
    RECT r = c->BoundsRect();
    switch (c->GetAlign()) {
      case alTop:
        rest.top = std::max(rest.top, r.bottom);
        break;
      case alBottom:
        rest.bottom = std::min(rest.bottom, r.top);
        break;
      case alLeft:
        rest.left = std::max(rest.left, r.right);
        break;
      case alRight:
        rest.right = std::min(rest.right, r.left);
        break;
      default:
        break;
    }
  }
  rest.right = std::max(rest.right, rest.left);
  rest.bottom = std::max(rest.bottom, rest.top);
  return rest;
}

}  // namespace

TCustomForm* GetParentForm(TControl* Control) {
  TControl* top = Control;
  while (top && top->Parent()) top = top->Parent();
  return dynamic_cast<TCustomForm*>(top);
}

TCustomForm::TCustomForm(TComponent* AOwner) : TWinControl(AOwner) {
  FVisible = false;
  if (Screen) Screen->AddForm(this);
}

TCustomForm::~TCustomForm() {
  if (Screen) Screen->RemoveForm(this);
  if (TApplication* app = ApplicationOf(this); app && app->MainForm() == this)
    app->MainFormDestroyed();
  DestroyHandle();
}

void TCustomForm::LoadFromResource(HMODULE Module) {
  HMODULE module = Module ? Module : GetModuleHandleA(nullptr);
  HRSRC resource = FindResourceA(module, ClassName().c_str(), MAKEINTRESOURCEA(10));  // RT_RCDATA
  HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data)
    throw EComponentError("The form description " + ClassName() + " is missing from the program");
  ReadDescription(
      std::string_view(static_cast<const char*>(data), SizeofResource(module, resource)));
}

void TCustomForm::ReadDescription(std::string_view Text) {
  ReadFormDescription(*this, Text);
  OnCreate(this);
}

void TCustomForm::Loaded() {
  TWinControl::Loaded();
  if (FVisible) VisibleChanged();
}

DWORD TCustomForm::WindowStyle() const {
  DWORD style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  if (FFormStyle == fsMDIChild) style |= WS_CHILD;
  switch (FBorderStyle) {
    case bsNone:
      style |= WS_POPUP;
      break;
    case bsSingle:
    case bsToolWindow:
      style |= WS_CAPTION | WS_BORDER;
      break;
    case bsSizeable:
    case bsSizeToolWin:
      style |= WS_CAPTION | WS_THICKFRAME;
      break;
    case bsDialog:
      style |= WS_POPUP | WS_CAPTION | DS_MODALFRAME;
      break;
  }
  if (FFormStyle == fsMDIChild) style &= ~WS_POPUP;
  if (FBorderStyle != bsNone && FBorderIcons.Contains(biSystemMenu)) {
    style |= WS_SYSMENU;
    if (FBorderStyle != bsDialog && FBorderStyle != bsToolWindow && FBorderStyle != bsSizeToolWin) {
      if (FBorderIcons.Contains(biMinimize)) style |= WS_MINIMIZEBOX;
      if (FBorderIcons.Contains(biMaximize)) style |= WS_MAXIMIZEBOX;
    }
  }
  return style;
}

DWORD TCustomForm::WindowExStyle() const {
  DWORD ex = 0;
  if (FBorderStyle == bsDialog) ex |= WS_EX_DLGMODALFRAME;
  if (FBorderStyle == bsToolWindow || FBorderStyle == bsSizeToolWin) ex |= WS_EX_TOOLWINDOW;
  if (FBorderIcons.Contains(biHelp)) ex |= WS_EX_CONTEXTHELP;
  if (FFormStyle == fsStayOnTop) ex |= WS_EX_TOPMOST;
  return ex | BiDiExStyle();
}

void TCustomForm::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style = WindowStyle();
  Params.ExStyle = WindowExStyle();
  Params.WndParent = nullptr;
  if (FFormStyle == fsMDIChild) {
    TCustomForm* parent = FindMDIParent();
    parent->HandleNeeded();
    Params.WndParent = parent->ClientHandle();
    if (FVisible) Params.Style |= WS_VISIBLE;
  }
  if (FClientWidth >= 0 || FClientHeight >= 0) {
    RECT r{0, 0, FClientWidth >= 0 ? FClientWidth : FWidth,
           FClientHeight >= 0 ? FClientHeight : FHeight};
    AdjustWindowRectEx(&r, Params.Style, FMenu != nullptr, Params.ExStyle);
    Params.Width = r.right - r.left;
    Params.Height = r.bottom - r.top;
  }
  // The system picks the place of a window at a default position.
  if (FPosition == poDefault || FPosition == poDefaultPosOnly) Params.X = Params.Y = CW_USEDEFAULT;
  if (FFormStyle == fsMDIChild) return;
  if (FPosition == poScreenCenter || FPosition == poDesktopCenter ||
      (FPosition == poMainFormCenter && !Application->MainForm())) {
    Params.X = (GetSystemMetrics(SM_CXSCREEN) - Params.Width) / 2;
    Params.Y = (GetSystemMetrics(SM_CYSCREEN) - Params.Height) / 2;
  }
}

// An MDI child's parent: its owner when that is an MDI parent, else the
// main form, else the first MDI parent there is.
TCustomForm* TCustomForm::FindMDIParent() const {
  if (auto* owner = dynamic_cast<TCustomForm*>(Owner()); owner && owner->FFormStyle == fsMDIForm)
    return owner;
  if (Application && Application->MainForm() && Application->MainForm()->FFormStyle == fsMDIForm)
    return Application->MainForm();
  for (int i = 0; Screen && i < Screen->FormCount(); ++i)
    if (Screen->Forms(i)->FFormStyle == fsMDIForm) return Screen->Forms(i);
  throw EComponentError("The MDI child form " + GetName() + " has no MDI parent form to live in");
}

HWND TCustomForm::CreateWindowHandle(const TCreateParams& Params, const std::string& ClassName) {
  if (FFormStyle != fsMDIChild) return TWinControl::CreateWindowHandle(Params, ClassName);
  MDICREATESTRUCTA mcs{};
  mcs.szClass = ClassName.c_str();
  mcs.szTitle = Params.Caption.c_str();
  mcs.hOwner = GetModuleHandleA(nullptr);
  mcs.x = Params.X;
  mcs.y = Params.Y;
  mcs.cx = Params.Width;
  mcs.cy = Params.Height;
  mcs.style = Params.Style;
  // Set first: the messages of the window's creation already go to the
  // MDI child's default procedure.
  FParentClient = Params.WndParent;
  HWND wnd = reinterpret_cast<HWND>(
      SendMessageA(Params.WndParent, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&mcs)));
  if (!wnd) {
    FParentClient = nullptr;
    return nullptr;
  }
  // The client makes the window with WS_EX_MDICHILD alone.
  LONG_PTR ex = GetWindowLongPtrA(wnd, GWL_EXSTYLE);
  SetWindowLongPtrA(wnd, GWL_EXSTYLE, ex | (Params.ExStyle & ~static_cast<DWORD>(WS_EX_TOPMOST)));
  return wnd;
}

void TCustomForm::DestroyWindowHandle() {
  HWND client = std::exchange(FParentClient, nullptr);
  if (client && IsWindow(client)) {
    SendMessageA(client, WM_MDIDESTROY, reinterpret_cast<WPARAM>(WindowHandle()), 0);
    return;
  }
  TWinControl::DestroyWindowHandle();
}

void TCustomForm::CreateWnd() {
  TWinControl::CreateWnd();
  if (FFormStyle == fsMDIForm) CreateMDIClient();
  UpdateMenuBar();
  ApplyClientSize();
}

void TCustomForm::CreateMDIClient() {
  HMENU frameMenu = FMenu ? FMenu->Handle() : nullptr;
  FClient = std::make_unique<TMDIClient>(
      WindowHandle(), FWindowMenu && frameMenu ? FWindowMenu->Handle() : nullptr);
  FClient->SetBounds(MDIClientArea(*this));
}

// An MDI parent's menu goes through its client, which keeps the list of
// children in the window menu.
void TCustomForm::UpdateMenuBar() {
  HWND wnd = WindowHandle();
  if (!wnd || FFormStyle == fsMDIChild) return;
  HMENU frameMenu = FMenu ? FMenu->Handle() : nullptr;
  if (FClient) {
    FClient->SetMenus(frameMenu, FWindowMenu && frameMenu ? FWindowMenu->Handle() : nullptr);
  } else {
    ::SetMenu(wnd, frameMenu);
  }
}

// The menu belongs to the TMainMenu, not to the window that shows it.
void TCustomForm::DestroyWnd() {
  if (FMenu && FFormStyle != fsMDIChild) ::SetMenu(WindowHandle(), nullptr);
  TWinControl::DestroyWnd();
  FClient.reset();
}

void TCustomForm::DefaultHandler(TMessage& Message) {
  HWND wnd = WindowHandle();
  if (!wnd) return;
  if (FClient) {
    Message.Result =
        DefFrameProcA(wnd, FClient->Handle(), Message.Msg, Message.WParam, Message.LParam);
  } else if (FParentClient) {
    Message.Result = DefMDIChildProcA(wnd, Message.Msg, Message.WParam, Message.LParam);
  } else {
    TWinControl::DefaultHandler(Message);
  }
}

void TCustomForm::SetFormStyle(TFormStyle Value) {
  if (Value == FFormStyle) return;
  TFormStyle old = std::exchange(FFormStyle, Value);
  // MDI children are shown when they are made.
  if (Value == fsMDIChild) FVisible = true;
  HWND wnd = WindowHandle();
  if (!wnd) return;
  if ((old == fsNormal || old == fsStayOnTop) && (Value == fsNormal || Value == fsStayOnTop)) {
    SetWindowPos(wnd, Value == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return;
  }
  RecreateWnd();
  if (FVisible) VisibleChanged();
}

HWND TCustomForm::ClientHandle() const {
  return FClient ? FClient->Handle() : nullptr;
}

TCustomForm* TCustomForm::ActiveMDIChild() const {
  if (!FClient) return nullptr;
  return dynamic_cast<TCustomForm*>(FindControl(FClient->ActiveChild()));
}

int TCustomForm::MDIChildCount() const {
  int count = 0;
  for (int i = 0; FClient && Screen && i < Screen->FormCount(); ++i)
    if (Screen->Forms(i)->MDIParent() == this) ++count;
  return count;
}

TCustomForm* TCustomForm::MDIChildren(int Index) const {
  for (int i = 0; FClient && Screen && i < Screen->FormCount(); ++i)
    if (Screen->Forms(i)->MDIParent() == this && Index-- == 0) return Screen->Forms(i);
  throw EComponentError("MDI child index out of range");
}

TCustomForm* TCustomForm::MDIParent() const {
  HWND wnd = WindowHandle();
  if (!FParentClient || !wnd) return nullptr;
  return dynamic_cast<TCustomForm*>(FindControl(GetParent(FParentClient)));
}

void TCustomForm::SetWindowMenu(TMenuItem* Value) {
  if (Value == FWindowMenu) return;
  FWindowMenu = Value;
  if (Value) Value->FreeNotification(this);
  UpdateMenuBar();
}

void TCustomForm::Tile() {
  if (FClient) FClient->Tile(FTileMode == tbVertical);
}

void TCustomForm::Cascade() {
  if (FClient) FClient->Cascade();
}

void TCustomForm::ArrangeIcons() {
  if (FClient) FClient->ArrangeIcons();
}

void TCustomForm::Next() {
  if (FClient) FClient->ActivateNext(true);
}

void TCustomForm::Previous() {
  if (FClient) FClient->ActivateNext(false);
}

// The frame can differ from what AdjustWindowRectEx predicts (a menu bar
// that wraps, a different theme): measure and correct.
void TCustomForm::ApplyClientSize() {
  HWND wnd = WindowHandle();
  if (!wnd || (FClientWidth < 0 && FClientHeight < 0)) return;
  RECT client, window;
  GetClientRect(wnd, &client);
  GetWindowRect(wnd, &window);
  int dw = (FClientWidth >= 0 ? FClientWidth : client.right) - client.right;
  int dh = (FClientHeight >= 0 ? FClientHeight : client.bottom) - client.bottom;
  if (dw == 0 && dh == 0) return;
  int width = window.right - window.left + dw;
  int height = window.bottom - window.top + dh;
  int x = window.left, y = window.top;
  if (FPosition == poScreenCenter || FPosition == poDesktopCenter) {
    x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  }
  SetWindowPos(wnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

int TCustomForm::GetClientWidth() const {
  if (HWND wnd = WindowHandle()) {
    RECT r;
    GetClientRect(wnd, &r);
    return r.right;
  }
  return FClientWidth >= 0 ? FClientWidth : FWidth;
}

int TCustomForm::GetClientHeight() const {
  if (HWND wnd = WindowHandle()) {
    RECT r;
    GetClientRect(wnd, &r);
    return r.bottom;
  }
  return FClientHeight >= 0 ? FClientHeight : FHeight;
}

void TCustomForm::SetClientWidth(int Value) {
  FClientWidth = Value;
  ApplyClientSize();
}

void TCustomForm::SetClientHeight(int Value) {
  FClientHeight = Value;
  ApplyClientSize();
}

void TCustomForm::SetBorderStyle(TFormBorderStyle Value) {
  if (Value == FBorderStyle) return;
  FBorderStyle = Value;
  UpdateFrameStyle();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
  if (Value == FBorderIcons) return;
  FBorderIcons = Value;
  UpdateFrameStyle();
}

// The window keeps its handle, children and client size; only the frame
// changes.
void TCustomForm::UpdateFrameStyle() {
  HWND wnd = WindowHandle();
  if (!wnd) return;
  constexpr DWORD styleMask = WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX |
                              WS_MAXIMIZEBOX | DS_MODALFRAME;
  constexpr DWORD exMask = WS_EX_DLGMODALFRAME | WS_EX_TOOLWINDOW | WS_EX_CONTEXTHELP |
                           WS_EX_RTLREADING | WS_EX_RIGHT | WS_EX_LEFTSCROLLBAR;
  RECT client;
  GetClientRect(wnd, &client);
  DWORD style = (static_cast<DWORD>(GetWindowLongPtrA(wnd, GWL_STYLE)) & ~styleMask) |
                (WindowStyle() & styleMask);
  DWORD ex = (static_cast<DWORD>(GetWindowLongPtrA(wnd, GWL_EXSTYLE)) & ~exMask) |
             (WindowExStyle() & exMask);
  SetWindowLongPtrA(wnd, GWL_STYLE, static_cast<LONG_PTR>(style));
  SetWindowLongPtrA(wnd, GWL_EXSTYLE, static_cast<LONG_PTR>(ex));
  UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;
  if (IsIconic(wnd) || IsZoomed(wnd)) {
    SetWindowPos(wnd, nullptr, 0, 0, 0, 0, flags | SWP_NOSIZE);
    return;
  }
  RECT r = client;
  AdjustWindowRectEx(&r, style, ::GetMenu(wnd) != nullptr, ex);
  SetWindowPos(wnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, flags);
  // A menu bar that wraps differently is only known now.
  RECT now;
  GetClientRect(wnd, &now);
  if (now.bottom != client.bottom || now.right != client.right) {
    RECT window;
    GetWindowRect(wnd, &window);
    SetWindowPos(wnd, nullptr, 0, 0, window.right - window.left + client.right - now.right,
                 window.bottom - window.top + client.bottom - now.bottom, flags);
  }
}

void TCustomForm::BiDiModeChanged() {
  TWinControl::BiDiModeChanged();
  UpdateFrameStyle();
  if (FMenu) FMenu->ParentBiDiModeChanged();
}

TWindowState TCustomForm::GetWindowState() const {
  HWND wnd = WindowHandle();
  if (!wnd || !IsWindowVisible(wnd)) return FWindowState;
  if (IsIconic(wnd)) return wsMinimized;
  return IsZoomed(wnd) ? wsMaximized : wsNormal;
}

void TCustomForm::SetWindowState(TWindowState Value) {
  FWindowState = Value;
  if (HWND wnd = WindowHandle(); wnd && IsWindowVisible(wnd)) ApplyWindowState();
}

void TCustomForm::ApplyWindowState() {
  HWND wnd = WindowHandle();
  switch (FWindowState) {
    case wsMinimized:
      ShowWindow(wnd, SW_SHOWMINIMIZED);
      break;
    case wsMaximized:
      ShowWindow(wnd, SW_SHOWMAXIMIZED);
      break;
    case wsNormal:
      if (IsIconic(wnd) || IsZoomed(wnd)) ShowWindow(wnd, SW_RESTORE);
      break;
  }
}

void TCustomForm::SetActiveControl(TWinControl* Value) {
  if (Value == FActiveControl) return;
  FActiveControl = Value;
  if (Value) Value->FreeNotification(this);
  if (Value && GetVisible() && WindowHandle() && !ComponentState().Contains(csLoading) &&
      Value->CanFocus() && !Value->Focused())
    ::SetFocus(Value->Handle());
}

void TCustomForm::FocusChanged(TWinControl* Control) {
  FActiveControl = Control;
  if (Control != this) Control->FreeNotification(this);
  Perform(CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(Control));
}

void TCustomForm::SetMenu(TMainMenu* Value) {
  if (Value == FMenu) return;
  FMenu = Value;
  if (Value) Value->FreeNotification(this);
  MenuChanged();
}

void TCustomForm::MenuChanged() {
  if (WindowHandle()) {
    UpdateMenuBar();
    ApplyClientSize();
  }
  Perform(CM_MENUCHANGED);
}

bool TCustomForm::IsShortCut(TShortCut ShortCut) {
  if (FMenu) {
    if (TMenuItem* item = FMenu->Items()->FindByShortCut(ShortCut)) {
      item->Click();
      return true;
    }
  }
  TCustomForm* parent = MDIParent();
  return parent && parent->IsShortCut(ShortCut);
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FActiveControl) FActiveControl = nullptr;
  if (AComponent == FWindowMenu) {
    FWindowMenu = nullptr;
    if (!ComponentState().Contains(csDestroying)) UpdateMenuBar();
  }
  if (AComponent == FMenu) {
    FMenu = nullptr;
    if (WindowHandle() && !ComponentState().Contains(csDestroying)) UpdateMenuBar();
  }
}

void TCustomForm::VisibleChanged() {
  if (ComponentState().Contains(csLoading)) return;
  if (FVisible) {
    HWND wnd = Handle();
    ShowWindow(wnd, SW_SHOW);
    if (FParentClient) {
      SendMessageA(FParentClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(wnd), 0);
    } else {
      SetForegroundWindow(wnd);
    }
    if (FWindowState != wsNormal) ApplyWindowState();
    UpdateWindow(wnd);
  } else if (WindowHandle()) {
    ShowWindow(WindowHandle(), SW_HIDE);
  }
}

// The main form ends the application; MDI children are freed; other
// forms are hidden.
void TCustomForm::Close() {
  TApplication* app = ApplicationOf(this);
  const bool isMain = app && app->MainForm() == this;
  TCloseAction action = isMain || FFormStyle == fsMDIChild ? caFree : caHide;
  OnClose(this, action);
  if (action == caNone) return;
  if (action == caMinimize) {
    if (WindowHandle()) ShowWindow(WindowHandle(), SW_MINIMIZE);
    return;
  }
  if (isMain) app->Terminate();
  if (action == caFree && !isMain) {
    Release();
    return;
  }
  Hide();
}

void TCustomForm::Release() {
  if (HWND wnd = WindowHandle()) {
    PostMessageA(wnd, CM_RELEASEFORM, 0, 0);
  } else {
    delete this;
  }
}

void TCustomForm::PaintWindow(HDC DC) {
  FCanvas.SetHandle(DC);
  FCanvas.Font().Assign(*GetFont());
  FCanvas.Brush().SetColor(GetColor());
  OnPaint(this);
  FCanvas.SetHandle(nullptr);
}

void TCustomForm::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_CLOSE:
      Close();
      return;
    case WM_SHOWWINDOW:
      TWinControl::WndProc(Message);
      if (Message.WParam) {
        FVisible = true;
        DoShow();
      } else {
        DoHide();
      }
      return;
    case WM_ACTIVATE:
      ActivateHandler(Message);
      return;
    case WM_MDIACTIVATE:
      MDIActivateHandler(Message);
      return;
    case WM_SETFOCUS:
      TWinControl::WndProc(Message);
      // An MDI child that is activated passes the focus on to its controls.
      if (FParentClient) FocusActiveControl();
      return;
    case CM_RELEASEFORM:
      Message.Result = kReleaseAccepted;
      return;
    case WM_SIZE:
      // The frame's default procedure would give the MDI client everything.
      if (FClient) {
        AlignControls();
        FClient->SetBounds(MDIClientArea(*this));
        return;
      }
      break;
    case WM_SETTEXT:
      TWinControl::WndProc(Message);
      // The window menu shows the new caption too.
      if (FParentClient) {
        SendMessageA(FParentClient, WM_MDIREFRESHMENU, 0, 0);
        DrawMenuBar(GetParent(FParentClient));
      }
      return;
  }
  TWinControl::WndProc(Message);
}

void TCustomForm::FocusActiveControl() {
  if (FActiveControl && FActiveControl != this && FActiveControl->CanFocus()) {
    ::SetFocus(FActiveControl->Handle());
  } else if (TWinControl* first = FindNextControl(nullptr, true)) {
    ::SetFocus(first->Handle());
  }
}

void TCustomForm::ActivateHandler(TMessage& Message) {
  TWinControl::WndProc(Message);
  if (LOWORD(Message.WParam) == WA_INACTIVE) return;
  if (TCustomForm* child = ActiveMDIChild()) {
    child->FocusActiveControl();
  } else {
    FocusActiveControl();
  }
  if (Screen) Screen->SetActiveForm(this);
}

void TCustomForm::MDIActivateHandler(TMessage& Message) {
  TWinControl::WndProc(Message);
  HWND wnd = WindowHandle();
  if (wnd && reinterpret_cast<HWND>(Message.LParam) == wnd && GetFocus() != wnd &&
      !IsChild(wnd, GetFocus()))
    FocusActiveControl();
}
