#include "toolkit/ScrollBar.h"

#include <algorithm>

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TScrollBar::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TScrollBar>("TScrollBar", &TWinControl::StaticClass())
          .Creatable()
          .Prop("Kind", &TScrollBar::GetKind, &TScrollBar::SetKind, sbHorizontal)
          .Prop("Min", &TScrollBar::GetMin, &TScrollBar::SetMin, 0)
          .Prop("Max", &TScrollBar::GetMax, &TScrollBar::SetMax, 100)
          .Prop("PageSize", &TScrollBar::GetPageSize, &TScrollBar::SetPageSize, 0)
          .Prop("Position", &TScrollBar::GetPosition, &TScrollBar::SetPosition, 0)
          .Prop("SmallChange", &TScrollBar::GetSmallChange, &TScrollBar::SetSmallChange, 1)
          .Prop("LargeChange", &TScrollBar::GetLargeChange, &TScrollBar::SetLargeChange, 1)
          .Prop("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, true)
          .EventProp("OnChange", &TScrollBar::OnChange)
          .EventProp("OnScroll", &TScrollBar::OnScroll)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TScrollBar);

TScrollBar::TScrollBar(TComponent* AOwner) : TWinControl(AOwner) {
  SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
  SetTabStop(true);
}

void TScrollBar::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.BaseClassName = "SCROLLBAR";
  Params.Style |= FKind == sbVertical ? SBS_VERT : SBS_HORZ;
}

void TScrollBar::CreateWnd() {
  TWinControl::CreateWnd();
  ApplyScrollInfo();
}

void TScrollBar::Loaded() {
  TWinControl::Loaded();
  // Properties arrive in any order while loading; settle them now.
  if (FMin > FMax) std::swap(FMin, FMax);
  FPosition = std::clamp(FPosition, FMin, MaxPosition());
  ApplyScrollInfo();
}

int TScrollBar::MaxPosition() const {
  return FPageSize > 0 ? std::max(FMin, FMax - FPageSize + 1) : FMax;
}

void TScrollBar::SetKind(TScrollBarKind Value) {
  if (Value == FKind) return;
  FKind = Value;
  if (!ComponentState().Contains(csLoading)) SetBounds(FLeft, FTop, FHeight, FWidth);
  RecreateWnd();
}

void TScrollBar::SetParams(int Position, int Min, int Max) {
  if (ComponentState().Contains(csLoading)) {
    FPosition = Position;
    FMin = Min;
    FMax = Max;
    return;
  }
  if (Min > Max) throw EComponentError("Scroll bar property out of range");
  FMin = Min;
  FMax = Max;
  const int position = std::clamp(Position, FMin, MaxPosition());
  const bool changed = position != FPosition;
  FPosition = position;
  ApplyScrollInfo();
  if (changed) Change();
}

void TScrollBar::SetPageSize(int Value) {
  Value = std::clamp(Value, 0, std::max(0, FMax - FMin + 1));
  if (Value == FPageSize) return;
  FPageSize = Value;
  if (!ComponentState().Contains(csLoading)) SetParams(FPosition, FMin, FMax);
}

void TScrollBar::ApplyScrollInfo() {
  if (!HandleAllocated() || ComponentState().Contains(csLoading)) return;
  SCROLLINFO si{sizeof si,
                SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL,
                FMin,
                FMax,
                static_cast<UINT>(FPageSize),
                FPosition,
                0};
  SetScrollInfo(WindowHandle(), SB_CTL, &si, TRUE);
}

void TScrollBar::HandleScroll(int Request) {
  TScrollCode code;
  int position = FPosition;
  switch (Request) {
    case SB_LINEUP:
      code = scLineUp;
      position -= FSmallChange;
      break;
    case SB_LINEDOWN:
      code = scLineDown;
      position += FSmallChange;
      break;
    case SB_PAGEUP:
      code = scPageUp;
      position -= FLargeChange;
      break;
    case SB_PAGEDOWN:
      code = scPageDown;
      position += FLargeChange;
      break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: {
      SCROLLINFO si{sizeof si, SIF_TRACKPOS, 0, 0, 0, 0, 0};
      GetScrollInfo(WindowHandle(), SB_CTL, &si);
      code = Request == SB_THUMBTRACK ? scTrack : scPosition;
      position = si.nTrackPos;
      break;
    }
    case SB_TOP:
      code = scTop;
      position = FMin;
      break;
    case SB_BOTTOM:
      code = scBottom;
      position = FMax;
      break;
    case SB_ENDSCROLL:
      code = scEndScroll;
      break;
    default:
      return;
  }
  position = std::clamp(position, FMin, MaxPosition());
  Scroll(code, position);
  SetPosition(position);
}

void TScrollBar::WndProc(TMessage& Message) {
  if (Message.Msg == CN_HSCROLL || Message.Msg == CN_VSCROLL) {
    HandleScroll(LOWORD(Message.WParam));
    Message.Result = 0;
    return;
  }
  TWinControl::WndProc(Message);
}
