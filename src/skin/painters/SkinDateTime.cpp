#include "skin/painters/SkinDateTime.h"

#include <windowsx.h>

#include <algorithm>

#include <commctrl.h>

#include <utility>

#include "skin/engine/SkinData.h"
#include "skin/painters/ArrowButton.h"
#include "toolkit/WinControl.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinDateTime::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinDateTime>("TSkinDateTime", &TSkinEdit::StaticClass()).Info();
  return info;
}

TSkinDateTime::TSkinDateTime(TComponent* AOwner) : TSkinEdit(AOwner) {}

TSkinDateTime::~TSkinDateTime() {
  DetachNow();
  FreeArrow();
}

void TSkinDateTime::AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data,
                                    bool PaintBackground, TCanvas* Canvas) {
  if (FAttached) return;
  TSkinEdit::AttachToControl(FormSkinner, Data, PaintBackground, Canvas);
  auto* picker = dynamic_cast<TWinControl*>(FControl);
  if (!FAttached || !picker || !FHandle) return;
  // The picker's own painting must leave the arrow button alone.
  const LONG_PTR style = GetWindowLongPtrA(FHandle, GWL_STYLE);
  if (!(style & WS_CLIPCHILDREN)) {
    SetWindowLongPtrA(FHandle, GWL_STYLE, style | WS_CLIPCHILDREN);
    FAddedClipChildren = true;
  }
  FArrow = new TArrowButton(this);
  FreeNotification(FArrow);
  FArrow->SetSkinData(Data);
  if (Data) FArrow->SetTag(Data->GetDisableTag());
  FArrow->SetParent(picker);
  FArrow->HandleNeeded();
  PlaceArrow();
  FArrow->SetFrame(ArrowFrame());
}

void TSkinDateTime::SkinChanged() {
  TSkinEdit::SkinChanged();
  if (FArrow) FArrow->Invalidate();
}

void TSkinDateTime::FreeArrow() {
  delete std::exchange(FArrow, nullptr);
}

void TSkinDateTime::Notification(TComponent* AComponent, TOperation Operation) {
  TSkinEdit::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FArrow) FArrow = nullptr;
}

void TSkinDateTime::Detach() {
  // After WM_NCDESTROY the picker takes its child with it.
  if (FLifeState != kWindowDestroyed) FreeArrow();
  if (FAddedClipChildren && IsWindow(FHandle))
    SetWindowLongPtrA(FHandle, GWL_STYLE,
                      GetWindowLongPtrA(FHandle, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_CLIPCHILDREN));
  FAddedClipChildren = false;
  TSkinEdit::Detach();
}

RECT TSkinDateTime::PickerButtonRect() const {
  RECT client{};
  if (!FHandle) return client;
  DATETIMEPICKERINFO info{};
  info.cbSize = sizeof info;
  if (SendMessageA(FHandle, DTM_GETDATETIMEPICKERINFO, 0, reinterpret_cast<LPARAM>(&info)) &&
      info.rcButton.right > info.rcButton.left && info.rcButton.bottom > info.rcButton.top)
    return info.rcButton;
  // Where the system puts it: at the right of the client area, a scroll
  // arrow wide.
  GetClientRect(FHandle, &client);
  client.left = std::max(client.left, client.right - GetSystemMetrics(SM_CXVSCROLL));
  return client;
}

int TSkinDateTime::ArrowFrame() const {
  if (!FHandle || !IsWindowEnabled(FHandle)) return 3;
  if (FHeld || FDropped) return 2;
  if (FHot || GetFocus() == FHandle) return 4;
  return 1;
}

void TSkinDateTime::PlaceArrow() {
  if (!FArrow) return;
  const RECT r = PickerButtonRect();
  FArrow->SetBounds(r.left, r.top, r.right - r.left, r.bottom - r.top);
  FArrow->SetVisible(r.right > r.left);
}

void TSkinDateTime::OnMouse(const TMessage& Message) {
  const POINT p{GET_X_LPARAM(Message.LParam), GET_Y_LPARAM(Message.LParam)};
  const RECT button = PickerButtonRect();
  switch (Message.Msg) {
    case WM_MOUSEMOVE:
      FHot = PtInRect(&button, p) != 0;
      if (FSkinData) FSkinData->TrackLeave(FHandle);
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      FHeld = PtInRect(&button, p) != 0;
      break;
    default:
      FHeld = false;
      break;
  }
}

void TSkinDateTime::AfterMessage(TMessage& Message) {
  switch (Message.Msg) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
      OnMouse(Message);
      break;
    case WM_MOUSELEAVE:
    case CM_MOUSELEAVE:
      FHot = false;
      break;
    case WM_CAPTURECHANGED:
      FHeld = false;
      break;
    case CN_NOTIFY:
      if (Message.LParam != kEngineMessageTag) {
        const UINT code = reinterpret_cast<const NMHDR*>(Message.LParam)->code;
        if (code == DTN_DROPDOWN) FDropped = true;
        if (code == DTN_CLOSEUP) FDropped = FHeld = false;
      }
      TSkinEdit::AfterMessage(Message);
      break;
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
      PlaceArrow();
      TSkinEdit::AfterMessage(Message);
      break;
    default:
      TSkinEdit::AfterMessage(Message);
      break;
  }
  if (FArrow && FLifeState == kLive) FArrow->SetFrame(ArrowFrame());
}
