#pragma once
// Calls OnTimer every Interval milliseconds while Enabled, from the message
// loop of the thread that made it.

#include <windows.h>

#include "toolkit/portable/Component.h"

class TTimer : public TComponent {
  FW_CLASS(TTimer)
 public:
  explicit TTimer(TComponent* AOwner) : TComponent(AOwner) { UpdateTimer(); }
  ~TTimer() override;

  bool GetEnabled() const { return FEnabled; }
  void SetEnabled(bool Value);
  int GetInterval() const { return FInterval; }
  void SetInterval(int Value);
  bool Running() const { return FTimerId != 0; }

  void Loaded() override;

  TNotifyEvent OnTimer;

 private:
  void UpdateTimer();
  static void CALLBACK TimerProc(HWND, UINT, UINT_PTR Id, DWORD);

  bool FEnabled = true;
  int FInterval = 1000;
  UINT_PTR FTimerId = 0;
};
