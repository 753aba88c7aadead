#pragma once
// Message pumping for the Windows tests.

#include <windows.h>

// Handles the thread's messages for about Milliseconds; a WM_QUIT is dropped.
inline void PumpMessages(DWORD Milliseconds = 50) {
  DWORD end = GetTickCount() + Milliseconds;
  do {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
    Sleep(5);
  } while (static_cast<LONG>(GetTickCount() - end) < 0);
}

// Handles the thread's messages until Done() holds (true) or about
// Milliseconds pass (false).
template <class Predicate>
bool PumpUntil(Predicate Done, DWORD Milliseconds = 5000) {
  const DWORD end = GetTickCount() + Milliseconds;
  while (!Done()) {
    if (static_cast<LONG>(GetTickCount() - end) >= 0) return false;
    PumpMessages(20);
  }
  return true;
}
