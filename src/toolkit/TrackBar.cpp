#include "toolkit/TrackBar.h"

#include <commctrl.h>

#include <algorithm>

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TTrackBar::StaticClass() {
  using T = TTrackBar;
  static const TClassInfo info =
      TClassBuilder<T>("TTrackBar", &TWinControl::StaticClass())
          .Creatable()
          .Prop("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, true)
          .Prop("Min", &T::GetMin, &T::SetMin, 0)
          .Prop("Max", &T::GetMax, &T::SetMax, 10)
          .Prop("Position", &T::GetPosition, &T::SetPosition, 0)
          .Prop("Frequency", &T::GetFrequency, &T::SetFrequency, 1)
          .Prop("LineSize", &T::GetLineSize, &T::SetLineSize, 1)
          .Prop("PageSize", &T::GetPageSize, &T::SetPageSize, 2)
          .Prop("SelStart", &T::GetSelStart, &T::SetSelStart, 0)
          .Prop("SelEnd", &T::GetSelEnd, &T::SetSelEnd, 0)
          .Prop("ThumbLength", &T::GetThumbLength, &T::SetThumbLength, 20)
          .Prop("SliderVisible", &T::GetSliderVisible, &T::SetSliderVisible, true)
          .Prop("Orientation", &T::GetOrientation, &T::SetOrientation, trHorizontal)
          .Prop("TickMarks", &T::GetTickMarks, &T::SetTickMarks, tmBottomRight)
          .Prop("TickStyle", &T::GetTickStyle, &T::SetTickStyle, tsAuto)
          .EventProp("OnChange", &T::OnChange)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TTrackBar);

TTrackBar::TTrackBar(TComponent* AOwner) : TWinControl(AOwner) {
  SetBounds(0, 0, 150, 45);
  SetTabStop(true);
}

void TTrackBar::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.BaseClassName = TRACKBAR_CLASSA;
  Params.Style |= TBS_FIXEDLENGTH | TBS_ENABLESELRANGE;
  Params.Style |= FOrientation == trVertical ? TBS_VERT : TBS_HORZ;
  if (FTickMarks == tmTopLeft) Params.Style |= TBS_TOP;
  if (FTickMarks == tmBoth) Params.Style |= TBS_BOTH;
  if (FTickStyle == tsNone) Params.Style |= TBS_NOTICKS;
  if (FTickStyle == tsAuto) Params.Style |= TBS_AUTOTICKS;
  if (!FSliderVisible) Params.Style |= TBS_NOTHUMB;
}

void TTrackBar::CreateWnd() {
  TWinControl::CreateWnd();
  ApplyAll();
}

void TTrackBar::ApplyAll() {
  if (!HandleAllocated()) return;
  HWND wnd = WindowHandle();
  SendMessageA(wnd, TBM_SETRANGEMIN, FALSE, FMin);
  SendMessageA(wnd, TBM_SETRANGEMAX, FALSE, FMax);
  SendMessageA(wnd, TBM_SETLINESIZE, 0, FLineSize);
  SendMessageA(wnd, TBM_SETPAGESIZE, 0, FPageSize);
  SendMessageA(wnd, TBM_SETTHUMBLENGTH, static_cast<WPARAM>(FThumbLength), 0);
  if (FTickStyle == tsAuto) SendMessageA(wnd, TBM_SETTICFREQ, static_cast<WPARAM>(FFrequency), 0);
  if (FSelEnd > FSelStart) {
    SendMessageA(wnd, TBM_SETSEL, FALSE, MAKELPARAM(FSelStart, FSelEnd));
  } else {
    SendMessageA(wnd, TBM_CLEARSEL, FALSE, 0);
  }
  SendMessageA(wnd, TBM_SETPOS, TRUE, FPosition);
}

void TTrackBar::SetMin(int Value) {
  if (Value > FMax && !ComponentState().Contains(csLoading)) return;
  FMin = Value;
  FPosition = std::max(FPosition, FMin);
  ApplyAll();
}

void TTrackBar::SetMax(int Value) {
  if (Value < FMin && !ComponentState().Contains(csLoading)) return;
  FMax = Value;
  FPosition = std::min(FPosition, FMax);
  ApplyAll();
}

int TTrackBar::GetPosition() const {
  if (WindowHandle()) return static_cast<int>(SendMessageA(WindowHandle(), TBM_GETPOS, 0, 0));
  return FPosition;
}

void TTrackBar::SetPosition(int Value) {
  if (!ComponentState().Contains(csLoading)) Value = std::clamp(Value, FMin, FMax);
  if (Value == GetPosition()) {
    FPosition = Value;
    return;
  }
  FPosition = Value;
  if (HandleAllocated()) SendMessageA(WindowHandle(), TBM_SETPOS, TRUE, Value);
  if (!ComponentState().Contains(csLoading)) Changed();
}

void TTrackBar::SetFrequency(int Value) {
  FFrequency = Value < 1 ? 1 : Value;
  ApplyAll();
}

void TTrackBar::SetLineSize(int Value) {
  FLineSize = Value;
  ApplyAll();
}

void TTrackBar::SetPageSize(int Value) {
  FPageSize = Value;
  ApplyAll();
}

void TTrackBar::SetSelStart(int Value) {
  FSelStart = Value;
  ApplyAll();
}

void TTrackBar::SetSelEnd(int Value) {
  FSelEnd = Value;
  ApplyAll();
}

void TTrackBar::SetThumbLength(int Value) {
  FThumbLength = Value;
  ApplyAll();
}

void TTrackBar::SetSliderVisible(bool Value) {
  if (Value == FSliderVisible) return;
  FSliderVisible = Value;
  FPosition = GetPosition();
  RecreateWnd();
}

void TTrackBar::SetOrientation(TTrackBarOrientation Value) {
  if (Value == FOrientation) return;
  FOrientation = Value;
  FPosition = GetPosition();
  // Turning the bar turns its size too.
  if (!ComponentState().Contains(csLoading)) SetBounds(FLeft, FTop, FHeight, FWidth);
  RecreateWnd();
}

void TTrackBar::SetTickMarks(TTickMark Value) {
  if (Value == FTickMarks) return;
  FTickMarks = Value;
  FPosition = GetPosition();
  RecreateWnd();
}

void TTrackBar::SetTickStyle(TTickStyle Value) {
  if (Value == FTickStyle) return;
  FTickStyle = Value;
  FPosition = GetPosition();
  RecreateWnd();
}

void TTrackBar::SetTick(int Value) {
  if (HandleAllocated()) SendMessageA(WindowHandle(), TBM_SETTIC, 0, Value);
}

void TTrackBar::PositionMaybeMoved() {
  int now = GetPosition();
  if (now == FPosition) return;
  FPosition = now;
  Changed();
}

void TTrackBar::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_BASE + WM_HSCROLL:
    case CN_BASE + WM_VSCROLL:
      PositionMaybeMoved();
      return;
  }
  TWinControl::WndProc(Message);
}
