#pragma once
// Texts of foreign windows as the engine reads them.

#include <windows.h>

#include <string>

// The window's text, wide. On the NT family through the wide functions;
// elsewhere through WM_GETTEXT (at most 1000 characters), widened.
std::wstring ReadWindowText(HWND Handle);
// The text a window shows in its caption: wide for Unicode windows, else
// read through WM_GETTEXT (at most 1000 characters) and widened.
std::wstring ReadCaptionText(HWND Handle);
// The window's class name; empty for a window that is gone.
std::string WindowClassName(HWND Handle);
// Text lower-cased in ASCII.
std::string LowerAscii(std::string Text);
