#pragma once
// Keeps the system from asking about drives that are not ready (a removable
// drive without media) while in scope; the previous error mode comes back on
// leaving it, however it is left.

#include <windows.h>

class TErrorModeGuard {
 public:
  TErrorModeGuard() : FPrevious(SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  ~TErrorModeGuard() { SetErrorMode(FPrevious); }
  TErrorModeGuard(const TErrorModeGuard&) = delete;
  TErrorModeGuard& operator=(const TErrorModeGuard&) = delete;

 private:
  UINT FPrevious;
};
