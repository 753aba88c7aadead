#include "toolkit/UpDown.h"

#include <commctrl.h>

#include <algorithm>

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TCustomUpDown::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomUpDown>("TCustomUpDown", &TWinControl::StaticClass()).Info();
  return info;
}

const TClassInfo& TUpDown::StaticClass() {
  using T = TCustomUpDown;
  static const TClassInfo info =
      TClassBuilder<TUpDown>("TUpDown", &TCustomUpDown::StaticClass())
          .Creatable()
          .PropNoDefault("Associate", &T::GetAssociate, &T::SetAssociate)
          .Prop("Min", &T::GetMin, &T::SetMin, 0)
          .Prop("Max", &T::GetMax, &T::SetMax, 100)
          .Prop("Position", &T::GetPosition, &T::SetPosition, 0)
          .Prop("Increment", &T::GetIncrement, &T::SetIncrement, 1)
          .Prop("Orientation", &T::GetOrientation, &T::SetOrientation, udVertical)
          .Prop("AlignButton", &T::GetAlignButton, &T::SetAlignButton, udRight)
          .Prop("ArrowKeys", &T::GetArrowKeys, &T::SetArrowKeys, true)
          .Prop("Thousands", &T::GetThousands, &T::SetThousands, true)
          .Prop("Wrap", &T::GetWrap, &T::SetWrap, false)
          .EventProp("OnClick", &T::OnClick)
          .EventProp("OnChanging", &T::OnChanging)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TUpDown);

TCustomUpDown::TCustomUpDown(TComponent* AOwner) : TWinControl(AOwner) {
  SetBounds(0, 0, 17, 25);
}

TCustomUpDown::~TCustomUpDown() {
  DestroyHandle();
}

void TCustomUpDown::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.BaseClassName = UPDOWN_CLASSA;
  Params.Style |= UDS_SETBUDDYINT;
  Params.Style |= FAlignButton == udLeft ? UDS_ALIGNLEFT : UDS_ALIGNRIGHT;
  if (FOrientation == udHorizontal) Params.Style |= UDS_HORZ;
  if (FArrowKeys) Params.Style |= UDS_ARROWKEYS;
  if (!FThousands) Params.Style |= UDS_NOTHOUSANDS;
  if (FWrap) Params.Style |= UDS_WRAP;
}

void TCustomUpDown::CreateWnd() {
  TWinControl::CreateWnd();
  ApplyRange();
  ApplyAssociate();
}

void TCustomUpDown::ApplyRange() {
  if (!HandleAllocated()) return;
  HWND wnd = WindowHandle();
  SendMessageA(wnd, UDM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
  UDACCEL accel{0, static_cast<UINT>(FIncrement)};
  SendMessageA(wnd, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&accel));
  SendMessageA(wnd, UDM_SETPOS32, 0, FPosition);
}

void TCustomUpDown::ApplyAssociate() {
  if (!HandleAllocated()) return;
  HWND buddy = nullptr;
  if (FAssociate && FAssociate->Parent()) buddy = FAssociate->Handle();
  SendMessageA(WindowHandle(), UDM_SETBUDDY, reinterpret_cast<WPARAM>(buddy), 0);
  // The buddy shows the position from now on.
  if (buddy) SendMessageA(WindowHandle(), UDM_SETPOS32, 0, FPosition);
}

void TCustomUpDown::SetAssociate(TWinControl* Value) {
  if (Value == this) throw EComponentError("An up-down cannot be its own associate");
  if (FAssociate) FAssociate->RemoveFreeNotification(this);
  FAssociate = Value;
  if (Value) Value->FreeNotification(this);
  ApplyAssociate();
}

void TCustomUpDown::Notification(TComponent* AComponent, TOperation Operation) {
  TWinControl::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FAssociate) {
    FAssociate = nullptr;
    if (HandleAllocated() && !ComponentState().Contains(csDestroying))
      SendMessageA(WindowHandle(), UDM_SETBUDDY, 0, 0);
  }
}

void TCustomUpDown::SetMin(int Value) {
  FMin = Value;
  ApplyRange();
}

void TCustomUpDown::SetMax(int Value) {
  FMax = Value;
  ApplyRange();
}

int TCustomUpDown::GetPosition() const {
  if (!WindowHandle()) return FPosition;
  BOOL failed = FALSE;
  int pos = static_cast<int>(
      SendMessageA(WindowHandle(), UDM_GETPOS32, 0, reinterpret_cast<LPARAM>(&failed)));
  return pos;
}

void TCustomUpDown::SetPosition(int Value) {
  const int low = std::min(FMin, FMax), high = std::max(FMin, FMax);
  FPosition = ComponentState().Contains(csLoading) ? Value : std::clamp(Value, low, high);
  if (HandleAllocated()) SendMessageA(WindowHandle(), UDM_SETPOS32, 0, FPosition);
}

void TCustomUpDown::SetIncrement(int Value) {
  FIncrement = Value;
  ApplyRange();
}

void TCustomUpDown::RecreateKeepingPosition() {
  FPosition = GetPosition();
  RecreateWnd();
}

void TCustomUpDown::SetOrientation(TUDOrientation Value) {
  if (Value == FOrientation) return;
  FOrientation = Value;
  RecreateKeepingPosition();
}

void TCustomUpDown::SetAlignButton(TUDAlignButton Value) {
  if (Value == FAlignButton) return;
  FAlignButton = Value;
  RecreateKeepingPosition();
}

void TCustomUpDown::SetArrowKeys(bool Value) {
  if (Value == FArrowKeys) return;
  FArrowKeys = Value;
  RecreateKeepingPosition();
}

void TCustomUpDown::SetThousands(bool Value) {
  if (Value == FThousands) return;
  FThousands = Value;
  RecreateKeepingPosition();
}

void TCustomUpDown::SetWrap(bool Value) {
  if (Value == FWrap) return;
  FWrap = Value;
  RecreateKeepingPosition();
}

bool TCustomUpDown::CanChange() {
  bool allow = true;
  OnChanging(this, allow);
  return allow;
}

void TCustomUpDown::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_NOTIFY:
      if (Message.LParam == kEngineMessageTag) break;
      if (auto* hdr = reinterpret_cast<NMHDR*>(Message.LParam); hdr->code == UDN_DELTAPOS) {
        auto* delta = reinterpret_cast<NMUPDOWN*>(Message.LParam);
        FLastButton = delta->iDelta > 0 ? updown::btNext : updown::btPrev;
        Message.Result = CanChange() ? FALSE : TRUE;
        return;
      }
      break;
    case CN_BASE + WM_HSCROLL:
    case CN_BASE + WM_VSCROLL:
      if (LOWORD(Message.WParam) == SB_THUMBPOSITION) {
        FPosition = GetPosition();
        Click(FLastButton);
      }
      return;
  }
  TWinControl::WndProc(Message);
}
