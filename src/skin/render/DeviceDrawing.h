#pragma once
// Pixel buffers and skin elements drawn on Windows device contexts. Each
// function composes its result in a pixel buffer with the portable primitives
// and copies that to the device, so what the screen shows is exactly what the
// primitives compute.

#include <windows.h>

#include "toolkit/portable/PixelBuffer.h"

// Copies the whole buffer to (X, Y), unstretched and opaque.
void DrawPixelBuffer(HDC DC, int X, int Y, const TPixelBuffer& Buffer);

// Copies Bitmap from its top-left corner to Area (unstretched), leaving the
// device unchanged where Bitmap has the Key colour.
void DrawTransparent(HDC DC, const TRect& Area, const TPixelBuffer& Bitmap, TColor Key);

void DrawSliced(HDC DC, const TRect& Area, const TPixelBuffer& Image, bool Vertical, bool Tile,
                bool Transparent, int FrameCount, int Frame, const TRect& Margins);
void DrawHorzThreeSlice(HDC DC, const TRect& Area, const TPixelBuffer& Image, bool Vertical,
                        bool Transparent, int FrameCount, int Frame, const TRect& Margins);
void DrawHorzStretchThree(HDC DC, const TRect& Area, const TPixelBuffer& Image, bool Vertical,
                          int FrameCount, int Frame, const TRect& Margins);
void DrawFrameStretched(HDC DC, const TRect& Area, const TPixelBuffer& Image, bool Transparent,
                        int FrameCount, int Frame);
void DrawFrameCentered(HDC DC, const TRect& Area, const TPixelBuffer& Image, bool Transparent,
                       int FrameCount, int Frame);
// Repeats Source of Image over Area; the last tiles may reach past Area.
void TileBitmap(HDC DC, const TRect& Area, const TPixelBuffer& Image, const TRect& Source);
// One-pixel bands from Start to End; nothing outside the device's clip box.
void DrawGradient(HDC DC, const TRect& Area, TColor Start, bool Vertical, TColor End);
