#pragma once

#include <windows.h>

#include <string>

// Draws Text in Rect with DrawText's Format flags and returns the text height.
// Wide-character drawing on the Windows NT family; elsewhere the text is
// converted to the ANSI code page first.
int DrawSkinText(HDC DC, const std::wstring& Text, RECT& Rect, UINT Format);
