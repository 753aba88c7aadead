#include "toolkit/Control.h"

#include <windowsx.h>

#include "toolkit/Menu.h"
#include "toolkit/WinControl.h"
#include "toolkit/portable/ClassBuilder.h"
#include "toolkit/portable/ColorNames.h"

const TClassInfo& TControl::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TControl>("TControl", &TComponent::StaticClass())
          // Bounds are always written: each class has its own initial size.
          .PropNoDefault("Left", &TControl::GetLeft, &TControl::SetLeft)
          .PropNoDefault("Top", &TControl::GetTop, &TControl::SetTop)
          .PropNoDefault("Width", &TControl::GetWidth, &TControl::SetWidth)
          .PropNoDefault("Height", &TControl::GetHeight, &TControl::SetHeight)
          .Prop("Align", &TControl::GetAlign, &TControl::SetAlign, alNone)
          .Prop("Visible", &TControl::GetVisible, &TControl::SetVisible, true)
          .Prop("Enabled", &TControl::GetEnabled, &TControl::SetEnabled, true)
          .ColorProp("Color", &TControl::GetColor, &TControl::SetColor, clBtnFace)
          .Prop("ParentColor", &TControl::GetParentColor, &TControl::SetParentColor, false)
          .ObjectProp("Font", &TControl::GetFont)
          .Prop("ParentFont", &TControl::GetParentFont, &TControl::SetParentFont, true)
          .IntIdentProp("Cursor", &TControl::GetCursor, &TControl::SetCursor, crDefault,
                        &CursorFromIdent)
          .Prop("Hint", &TControl::GetHint, &TControl::SetHint, std::string())
          .Prop("ShowHint", &TControl::GetShowHint, &TControl::SetShowHint, false)
          .Prop("BiDiMode", &TControl::GetBiDiMode, &TControl::SetBiDiMode, bdLeftToRight)
          .Prop("ParentBiDiMode", &TControl::GetParentBiDiMode, &TControl::SetParentBiDiMode, true)
          .PropNoDefault("PopupMenu", &TControl::GetPopupMenu, &TControl::SetPopupMenu)
          .EventProp("OnClick", &TControl::OnClick)
          .EventProp("OnDblClick", &TControl::OnDblClick)
          .EventProp("OnMouseDown", &TControl::OnMouseDown)
          .EventProp("OnMouseUp", &TControl::OnMouseUp)
          .EventProp("OnMouseMove", &TControl::OnMouseMove)
          .EventProp("OnMouseEnter", &TControl::OnMouseEnter)
          .EventProp("OnMouseLeave", &TControl::OnMouseLeave)
          .EventProp("OnContextPopup", &TControl::OnContextPopup)
          .Info();
  return info;
}

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), FColor(clBtnFace), FFont(std::make_unique<TFont>()) {
  WindowProc = TWndMethod(this, &TControl::WndProc);
  FFont->OnChange = TNotifyEvent(this, &TControl::FontChangedEvent);
}

TControl::~TControl() {
  // Whoever replaced WindowProc puts the saved one back now.
  Perform(CM_RELEASE);
  SetParent(nullptr);
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage message{Msg, WParam, LParam, 0};
  WindowProc(message);
  return message.Result;
}

void TControl::SetParentComponent(TComponent* Parent) {
  if (auto* p = dynamic_cast<TWinControl*>(Parent)) SetParent(p);
}

void TControl::SetParent(TWinControl* Value) {
  if (Value == FParent) return;
  if (Value == this) throw EComponentError("A control cannot be its own parent");
  if (FParent) FParent->RemoveControl(this);
  if (Value) {
    Value->InsertControl(this);
    ParentFontChanged();
    ParentColorChanged();
    ParentBiDiModeChanged();
  }
}

void TControl::SetBounds(int Left, int Top, int Width, int Height) {
  if (Left == FLeft && Top == FTop && Width == FWidth && Height == FHeight) return;
  Invalidate();
  FLeft = Left;
  FTop = Top;
  FWidth = Width < 0 ? 0 : Width;
  FHeight = Height < 0 ? 0 : Height;
  Invalidate();
  RequestAlign();
}

void TControl::SetAlign(TAlign Value) {
  if (Value == FAlign) return;
  FAlign = Value;
  if (FParent) FParent->AlignControls();
}

void TControl::RequestAlign() {
  if (FAlign != alNone && FParent) FParent->AlignControls();
}

bool TControl::Showing() const {
  for (const TControl* c = this; c; c = c->FParent)
    if (!c->FVisible) return false;
  return true;
}

void TControl::SetVisible(bool Value) {
  if (Value == FVisible) return;
  if (!Value) Invalidate();
  FVisible = Value;
  if (Value) Invalidate();
  VisibleChanged();
  if (FAlign != alNone && FParent) FParent->AlignControls();
  Perform(CM_VISIBLECHANGED, Value ? 1 : 0);
}

void TControl::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  Invalidate();
  EnabledChanged();
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(int Value) {
  FParentColor = false;
  if (Value == FColor) return;
  FColor = Value;
  ColorChanged();
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool Value) {
  FParentColor = Value;
  if (Value) ParentColorChanged();
}

void TControl::ParentColorChanged() {
  if (!FParentColor || !FParent || FParent->GetColor() == FColor) return;
  FColor = FParent->GetColor();
  ColorChanged();
  Perform(CM_COLORCHANGED);
}

void TControl::SetBiDiMode(TBiDiMode Value) {
  FParentBiDiMode = false;
  if (Value == FBiDiMode) return;
  FBiDiMode = Value;
  BiDiModeChanged();
  Perform(CM_BIDIMODECHANGED);
}

void TControl::SetParentBiDiMode(bool Value) {
  FParentBiDiMode = Value;
  if (Value) ParentBiDiModeChanged();
}

void TControl::ParentBiDiModeChanged() {
  if (!FParentBiDiMode || !FParent || FParent->GetBiDiMode() == FBiDiMode) return;
  FBiDiMode = FParent->GetBiDiMode();
  BiDiModeChanged();
  Perform(CM_BIDIMODECHANGED);
}

void TControl::SetParentFont(bool Value) {
  FParentFont = Value;
  if (Value) ParentFontChanged();
}

void TControl::ParentFontChanged() {
  if (!FParentFont || !FParent) return;
  FUpdatingFromParent = true;
  FFont->Assign(*FParent->GetFont());
  FUpdatingFromParent = false;
}

void TControl::FontChanged() {
  Invalidate();
  Perform(CM_FONTCHANGED);
}

void TControl::SetText(const std::string& Value) {
  if (Value == GetTextValue()) return;
  SetTextValue(Value);
  TextChanged();
  Perform(CM_TEXTCHANGED);
}

void TControl::SetPopupMenu(TPopupMenu* Value) {
  FPopupMenu = Value;
  if (Value) Value->FreeNotification(this);
}

void TControl::Notification(TComponent* AComponent, TOperation Operation) {
  TComponent::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FPopupMenu) FPopupMenu = nullptr;
}

void TControl::Invalidate() {
  if (!FParent || !FParent->HandleAllocated() || FWidth <= 0 || FHeight <= 0) return;
  RECT r = BoundsRect();
  InvalidateRect(FParent->WindowHandle(), &r, TRUE);
}

void TControl::Repaint() {
  Invalidate();
  if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated()) {
    UpdateWindow(w->WindowHandle());
  } else if (FParent && FParent->HandleAllocated()) {
    UpdateWindow(FParent->WindowHandle());
  }
}

POINT TControl::ClientToScreen(POINT P) const {
  if (auto* w = dynamic_cast<const TWinControl*>(this); w && w->HandleAllocated()) {
    ::ClientToScreen(w->WindowHandle(), &P);
    return P;
  }
  P.x += FLeft;
  P.y += FTop;
  return FParent ? FParent->ClientToScreen(P) : P;
}

POINT TControl::ScreenToClient(POINT P) const {
  if (auto* w = dynamic_cast<const TWinControl*>(this); w && w->HandleAllocated()) {
    ::ScreenToClient(w->WindowHandle(), &P);
    return P;
  }
  if (FParent) P = FParent->ScreenToClient(P);
  P.x -= FLeft;
  P.y -= FTop;
  return P;
}

void TControl::Click() {
  OnClick(this);
}
void TControl::DblClick() {
  OnDblClick(this);
}

void TControl::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y) {
  OnMouseDown(this, Button, Shift, X, Y);
}

void TControl::MouseUp(TMouseButton Button, TShiftState Shift, int X, int Y) {
  OnMouseUp(this, Button, Shift, X, Y);
}

void TControl::MouseMove(TShiftState Shift, int X, int Y) {
  OnMouseMove(this, Shift, X, Y);
}

void TControl::DoContextPopup(POINT MousePos, bool& Handled) {
  OnContextPopup(this, MousePos, Handled);
}

void TControl::HandleMouse(TMessage& Message) {
  const int x = GET_X_LPARAM(Message.LParam);
  const int y = GET_Y_LPARAM(Message.LParam);
  TShiftState shift = KeysToShiftState(Message.WParam);
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
      FClicking = true;
      MouseDown(mbLeft, shift, x, y);
      break;
    case WM_RBUTTONDOWN:
      MouseDown(mbRight, shift, x, y);
      break;
    case WM_MBUTTONDOWN:
      MouseDown(mbMiddle, shift, x, y);
      break;
    case WM_LBUTTONDBLCLK:
      if (ClickOnMouseUp) DblClick();
      MouseDown(mbLeft, shift.Include(ssDouble), x, y);
      break;
    case WM_LBUTTONUP: {
      bool inside = x >= 0 && y >= 0 && x < FWidth && y < FHeight;
      bool click = FClicking && inside && ClickOnMouseUp && FEnabled;
      FClicking = false;
      if (click) Click();
      MouseUp(mbLeft, shift, x, y);
      break;
    }
    case WM_RBUTTONUP:
      MouseUp(mbRight, shift, x, y);
      break;
    case WM_MBUTTONUP:
      MouseUp(mbMiddle, shift, x, y);
      break;
    case WM_MOUSEMOVE:
      MouseMove(shift, x, y);
      break;
  }
}

void TControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEMOVE:
      HandleMouse(Message);
      break;
    case CM_MOUSEENTER:
      FMouseInControl = true;
      OnMouseEnter(this);
      return;
    case CM_MOUSELEAVE:
      FMouseInControl = false;
      OnMouseLeave(this);
      return;
    case WM_CONTEXTMENU: {
      POINT screen{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
      bool keyboard = screen.x == -1 && screen.y == -1;
      POINT client = keyboard ? POINT{-1, -1} : ScreenToClient(screen);
      bool handled = false;
      DoContextPopup(client, handled);
      if (handled) {
        Message.Result = 1;
        return;
      }
      if (FPopupMenu && FPopupMenu->GetAutoPopup()) {
        if (keyboard) screen = ClientToScreen(POINT{0, 0});
        FPopupMenu->SetPopupComponent(this);
        FPopupMenu->Popup(screen.x, screen.y);
        Message.Result = 1;
        return;
      }
      break;
    }
  }
  DefaultHandler(Message);
}
