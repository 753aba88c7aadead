#include "toolkit/ProgressBar.h"

#include <commctrl.h>

#include <algorithm>

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TProgressBar::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TProgressBar>("TProgressBar", &TWinControl::StaticClass())
          .Creatable()
          .Prop("Min", &TProgressBar::GetMin, &TProgressBar::SetMin, 0)
          .Prop("Max", &TProgressBar::GetMax, &TProgressBar::SetMax, 100)
          .Prop("Position", &TProgressBar::GetPosition, &TProgressBar::SetPosition, 0)
          .Prop("Step", &TProgressBar::GetStep, &TProgressBar::SetStep, 10)
          .Prop("Smooth", &TProgressBar::GetSmooth, &TProgressBar::SetSmooth, false)
          .Prop("Orientation", &TProgressBar::GetOrientation, &TProgressBar::SetOrientation,
                pbHorizontal)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TProgressBar);

TProgressBar::TProgressBar(TComponent* AOwner) : TWinControl(AOwner) {
  SetBounds(0, 0, 150, 16);
}

void TProgressBar::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.BaseClassName = PROGRESS_CLASSA;
  if (FSmooth) Params.Style |= PBS_SMOOTH;
  if (FOrientation == pbVertical) Params.Style |= PBS_VERTICAL;
}

void TProgressBar::CreateWnd() {
  TWinControl::CreateWnd();
  ApplyRange();
  SendMessageA(WindowHandle(), PBM_SETSTEP, static_cast<WPARAM>(FStep), 0);
}

void TProgressBar::ApplyRange() {
  if (!HandleAllocated()) return;
  SendMessageA(WindowHandle(), PBM_SETRANGE32, static_cast<WPARAM>(FMin), FMax);
  SendMessageA(WindowHandle(), PBM_SETPOS, static_cast<WPARAM>(FPosition), 0);
}

// Min and Max are taken as given while loading; afterwards a bound that
// would cross the other is refused.
void TProgressBar::SetMin(int Value) {
  if (Value > FMax && !ComponentState().Contains(csLoading)) return;
  FMin = Value;
  FPosition = std::max(FPosition, FMin);
  ApplyRange();
}

void TProgressBar::SetMax(int Value) {
  if (Value < FMin && !ComponentState().Contains(csLoading)) return;
  FMax = Value;
  FPosition = std::min(FPosition, FMax);
  ApplyRange();
}

int TProgressBar::GetPosition() const {
  if (WindowHandle()) return static_cast<int>(SendMessageA(WindowHandle(), PBM_GETPOS, 0, 0));
  return FPosition;
}

void TProgressBar::SetPosition(int Value) {
  FPosition = ComponentState().Contains(csLoading) ? Value : std::clamp(Value, FMin, FMax);
  if (HandleAllocated())
    SendMessageA(WindowHandle(), PBM_SETPOS, static_cast<WPARAM>(FPosition), 0);
}

void TProgressBar::SetStep(int Value) {
  FStep = Value;
  if (HandleAllocated()) SendMessageA(WindowHandle(), PBM_SETSTEP, static_cast<WPARAM>(Value), 0);
}

void TProgressBar::SetSmooth(bool Value) {
  if (Value == FSmooth) return;
  FSmooth = Value;
  FPosition = GetPosition();
  RecreateWnd();
}

void TProgressBar::SetOrientation(TProgressBarOrientation Value) {
  if (Value == FOrientation) return;
  FOrientation = Value;
  FPosition = GetPosition();
  RecreateWnd();
}

void TProgressBar::StepIt() {
  StepBy(FStep);
}

void TProgressBar::StepBy(int Delta) {
  const long long range = static_cast<long long>(FMax) - FMin;
  long long next = static_cast<long long>(GetPosition()) + Delta;
  if (range <= 0) {
    next = FMin;
  } else if (next > FMax) {
    next = FMin + (next - FMin) % range;
  } else if (next < FMin) {
    next = FMax - (FMin - next) % range;
  }
  SetPosition(static_cast<int>(next));
}
