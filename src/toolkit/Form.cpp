#include "toolkit/Form.h"

#include "toolkit/Application.h"
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
  if (Application && Application->MainForm() == this) Application->MainFormDestroyed();
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
  return ex;
}

void TCustomForm::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.Style = WindowStyle();
  Params.ExStyle = WindowExStyle();
  Params.WndParent = nullptr;
  if (FClientWidth >= 0 || FClientHeight >= 0) {
    RECT r{0, 0, FClientWidth >= 0 ? FClientWidth : FWidth,
           FClientHeight >= 0 ? FClientHeight : FHeight};
    AdjustWindowRectEx(&r, Params.Style, FMenu != nullptr, Params.ExStyle);
    Params.Width = r.right - r.left;
    Params.Height = r.bottom - r.top;
  }
  if (FPosition == poScreenCenter || FPosition == poDesktopCenter ||
      (FPosition == poMainFormCenter && !Application->MainForm())) {
    Params.X = (GetSystemMetrics(SM_CXSCREEN) - Params.Width) / 2;
    Params.Y = (GetSystemMetrics(SM_CYSCREEN) - Params.Height) / 2;
  }
}

void TCustomForm::CreateWnd() {
  TWinControl::CreateWnd();
  if (FMenu) ::SetMenu(WindowHandle(), FMenu->Handle());
  ApplyClientSize();
}

// The menu belongs to the TMainMenu, not to the window that shows it.
void TCustomForm::DestroyWnd() {
  if (FMenu) ::SetMenu(WindowHandle(), nullptr);
  TWinControl::DestroyWnd();
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
  RecreateWnd();
}

void TCustomForm::SetBorderIcons(TBorderIcons Value) {
  if (Value == FBorderIcons) return;
  FBorderIcons = Value;
  RecreateWnd();
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
  if (HWND wnd = WindowHandle()) {
    ::SetMenu(wnd, FMenu ? FMenu->Handle() : nullptr);
    ApplyClientSize();
  }
  Perform(CM_MENUCHANGED);
}

void TCustomForm::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation != opRemove) return;
  if (AComponent == FActiveControl) FActiveControl = nullptr;
  if (AComponent == FMenu) {
    FMenu = nullptr;
    if (HWND wnd = WindowHandle(); wnd && !ComponentState().Contains(csDestroying))
      ::SetMenu(wnd, nullptr);
  }
}

void TCustomForm::VisibleChanged() {
  if (ComponentState().Contains(csLoading)) return;
  if (FVisible) {
    HWND wnd = Handle();
    ShowWindow(wnd, SW_SHOW);
    SetForegroundWindow(wnd);
    UpdateWindow(wnd);
  } else if (WindowHandle()) {
    ShowWindow(WindowHandle(), SW_HIDE);
  }
}

void TCustomForm::Close() {
  TCloseAction action = (Application && Application->MainForm() == this) ? caFree : caHide;
  OnClose(this, action);
  if (action == caNone) return;
  if (action == caMinimize) {
    if (WindowHandle()) ShowWindow(WindowHandle(), SW_MINIMIZE);
    return;
  }
  if (Application && Application->MainForm() == this) {
    Application->Terminate();
  }
  Hide();
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
      TWinControl::WndProc(Message);
      if (LOWORD(Message.WParam) != WA_INACTIVE) {
        if (FActiveControl && FActiveControl->CanFocus()) {
          ::SetFocus(FActiveControl->Handle());
        } else if (TWinControl* first = FindNextControl(nullptr, true)) {
          ::SetFocus(first->Handle());
        }
        if (Screen) Screen->SetActiveForm(this);
      }
      return;
  }
  TWinControl::WndProc(Message);
}
