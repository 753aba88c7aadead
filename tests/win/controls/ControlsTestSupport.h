#pragma once
// Real input for the control tests: the system's mouse and keyboard, driven
// with SendInput, and the messages they cause handled before returning.

#include <windows.h>

#include <string>

#include "common/MessagePump.h"

namespace controls_test {

inline void SendMouse(DWORD Flags, POINT Screen = {0, 0}, DWORD Data = 0) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(Screen.x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
  input.mi.dy = MulDiv(Screen.y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  input.mi.dwFlags = Flags;
  input.mi.mouseData = Data;
  SendInput(1, &input, sizeof input);
}

inline POINT ToScreen(HWND Window, POINT Client) {
  ClientToScreen(Window, &Client);
  return Client;
}

inline void MoveMouse(POINT Screen) {
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, Screen);
  PumpMessages(60);
}

// A left click at a screen point. Press and release are both queued
// before any is handled: a control may track the press in a loop of its
// own (scroll bars) that ends only with the release.
inline void ClickAt(POINT Screen) {
  MoveMouse(Screen);
  SendMouse(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, Screen);
  SendMouse(MOUSEEVENTF_LEFTUP | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, Screen);
  PumpMessages(120);
}

// A left click at a point of a window's client area.
inline void ClickIn(HWND Window, POINT Client) {
  ClickAt(ToScreen(Window, Client));
}

inline void ClickCentre(HWND Window) {
  RECT r;
  GetClientRect(Window, &r);
  ClickIn(Window, {r.right / 2, r.bottom / 2});
}

inline void Wheel(POINT Screen, int Delta) {
  MoveMouse(Screen);
  SendMouse(MOUSEEVENTF_WHEEL, Screen, static_cast<DWORD>(Delta));
  PumpMessages(80);
}

inline void Key(WORD VirtualKey, bool Up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = VirtualKey;
  input.ki.dwFlags = Up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

inline void PressKey(WORD VirtualKey) {
  Key(VirtualKey, false);
  Key(VirtualKey, true);
  PumpMessages(40);
}

// Types lower-case letters, digits and spaces.
inline void TypeText(const std::string& Text) {
  for (char c : Text) {
    WORD vk = c >= 'a' && c <= 'z' ? static_cast<WORD>(c - 'a' + 'A') : static_cast<WORD>(c);
    Key(vk, false);
    Key(vk, true);
  }
  PumpMessages(80);
}

}  // namespace controls_test
