#pragma once
// The font and text colour a painter draws a control's caption in.

#include <windows.h>

class TControl;
class TSkinData;

// The control's published "Font", else the window's WM_GETFONT, else the
// default GUI font. The handle belongs to its font; do not delete it.
HFONT ControlFont(const TControl* Control, HWND Window);
// Enabled: a colour given to the control's font (not the font's default
// system colour), else the skin's button text. Disabled: the system
// button shadow for a toolkit control, the skin's for a bare window.
COLORREF ControlTextColour(const TControl* Control, const TSkinData* Data, bool Enabled);
