#pragma once
// Real input for the Windows tests: mouse clicks and key chords sent
// through SendInput, as the user's hardware would send them.

#include <windows.h>

#include <initializer_list>
#include <iterator>
#include <string>

#include "common/MessagePump.h"

// Moves the pointer to a screen point and clicks there.
inline void ClickScreen(POINT At, bool Right = false) {
  SetCursorPos(At.x, At.y);
  INPUT inputs[3]{};
  for (INPUT& input : inputs) {
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(At.x, 65536, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = MulDiv(At.y, 65536, GetSystemMetrics(SM_CYSCREEN));
  }
  inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  inputs[1].mi.dwFlags = Right ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN;
  inputs[2].mi.dwFlags = Right ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP;
  SendInput(3, inputs, sizeof(INPUT));
}

// Clicks a client point of a window.
inline void ClickClient(HWND Wnd, POINT At, bool Right = false) {
  ClientToScreen(Wnd, &At);
  ClickScreen(At, Right);
}

// Presses the keys in order and releases them in reverse (Ctrl, 'S').
inline void PressChord(std::initializer_list<WORD> Keys) {
  INPUT inputs[16]{};
  UINT n = 0;
  for (WORD key : Keys) {
    inputs[n].type = INPUT_KEYBOARD;
    inputs[n++].ki.wVk = key;
  }
  for (auto it = std::rbegin(Keys); it != std::rend(Keys); ++it) {
    inputs[n].type = INPUT_KEYBOARD;
    inputs[n].ki.wVk = *it;
    inputs[n++].ki.dwFlags = KEYEVENTF_KEYUP;
  }
  SendInput(n, inputs, sizeof(INPUT));
}

// Types Text as characters (any character, ':' and '\' too) through
// SendInput, each pressed and released.
inline void TypeCharacters(const std::string& Text) {
  for (char c : Text) {
    INPUT inputs[2]{};
    for (INPUT& input : inputs) {
      input.type = INPUT_KEYBOARD;
      input.ki.wScan = static_cast<unsigned char>(c);
      input.ki.dwFlags = KEYEVENTF_UNICODE;
    }
    inputs[1].ki.dwFlags |= KEYEVENTF_KEYUP;
    SendInput(2, inputs, sizeof(INPUT));
  }
}
