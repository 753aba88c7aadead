#pragma once
// Real input for the common controls' tests: the system's own mouse and
// keyboard queue (SendInput), so the controls see what a user would do.

#include <windows.h>

#include "common/MessagePump.h"

inline void SendMouse(DWORD Flags, POINT Screen = {}) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(Screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
  input.mi.dy = MulDiv(Screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  input.mi.dwFlags = Flags;
  SendInput(1, &input, sizeof input);
}

// Clicks with the left button at a client point of Wnd.
inline void ClickAt(HWND Wnd, POINT Client) {
  POINT p = Client;
  ClientToScreen(Wnd, &p);
  SetCursorPos(p.x, p.y);
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, p);
  PumpMessages(30);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  PumpMessages(30);
  SendMouse(MOUSEEVENTF_LEFTUP);
  PumpMessages(80);
}

inline POINT CenterOf(const RECT& R) {
  return {(R.left + R.right) / 2, (R.top + R.bottom) / 2};
}

// Presses and releases a key, with Ctrl or Shift held when asked.
inline void PressKey(WORD Key, WORD Modifier = 0) {
  auto send = [](WORD K, bool Up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = K;
    input.ki.dwFlags = Up ? KEYEVENTF_KEYUP : 0;
    SendInput(1, &input, sizeof input);
  };
  if (Modifier) send(Modifier, false);
  send(Key, false);
  send(Key, true);
  if (Modifier) send(Modifier, true);
  PumpMessages(80);
}
