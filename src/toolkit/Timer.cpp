#include "toolkit/Timer.h"

#include <map>

#include "toolkit/Application.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TTimer::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TTimer>("TTimer", &TComponent::StaticClass())
          .Creatable()
          .Prop("Enabled", &TTimer::GetEnabled, &TTimer::SetEnabled, true)
          .Prop("Interval", &TTimer::GetInterval, &TTimer::SetInterval, 1000)
          .EventProp("OnTimer", &TTimer::OnTimer)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TTimer);

namespace {
std::map<UINT_PTR, TTimer*>& Timers() {
  static std::map<UINT_PTR, TTimer*> timers;
  return timers;
}
}  // namespace

TTimer::~TTimer() {
  FEnabled = false;
  UpdateTimer();
}

void CALLBACK TTimer::TimerProc(HWND, UINT, UINT_PTR Id, DWORD) {
  auto it = Timers().find(Id);
  if (it == Timers().end()) return;
  try {
    it->second->OnTimer(it->second);
  } catch (...) {
    if (Application) Application->HandleException(it->second);
  }
}

// The system timer runs only while it has something to do.
void TTimer::UpdateTimer() {
  if (FTimerId) {
    KillTimer(nullptr, FTimerId);
    Timers().erase(FTimerId);
    FTimerId = 0;
  }
  if (!FEnabled || FInterval <= 0 || ComponentState().Contains(csLoading)) return;
  FTimerId = SetTimer(nullptr, 0, static_cast<UINT>(FInterval), &TTimer::TimerProc);
  if (FTimerId) Timers()[FTimerId] = this;
}

void TTimer::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  UpdateTimer();
}

void TTimer::SetInterval(int Value) {
  if (Value == FInterval) return;
  FInterval = Value;
  UpdateTimer();
}

void TTimer::Loaded() {
  TComponent::Loaded();
  UpdateTimer();
}
