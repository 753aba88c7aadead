#pragma once
// Scrolling a window while something is dragged over it.

#include <windows.h>

// Scrolls Control one line towards each edge that ScreenPoint is within 20
// pixels of, on each bar that has something to scroll.
void AutoScrollControl(HWND Control, POINT ScreenPoint);

class TWinControl;
// The same for a toolkit control; a control without a window does nothing.
void AutoScrollControl(TWinControl* Control, POINT ScreenPoint);
