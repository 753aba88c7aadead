#pragma once
// What the painter tests share: pixels read back from real windows, the faces
// the skin's push-button element gives for each state, and a skinned form to
// put controls on.

#include <windows.h>

#include "skin/definition/DataSkinObject.h"
#include "skinframe/SkinFrameSupport.h"
#include "toolkit/portable/PixelBuffer.h"

// The window's pixels as they are on the screen now.
TPixelBuffer CaptureWindow(HWND Window);
// The program skin's push-button element.
const TDataSkinButton& ProgramButtonElement(const TSkinData& Data);
// The element's Frame drawn over Width x Height of Background.
TPixelBuffer ExpectedFace(const TDataSkinButton& Element, int Width, int Height, int Frame,
                          TColor Background);
// The share (0..1) of the pixels in a band Band pixels wide along the edges
// where Actual equals Expected.
double EdgeMatch(const TPixelBuffer& Actual, const TPixelBuffer& Expected, int Band = 3);
// The frame (1..5) whose face the edges of Shown match, or 0 for none.
int MatchingFrame(const TPixelBuffer& Shown, const TDataSkinButton& Element, TColor Background);
// The same for what a window shows now.
int ShownFrame(HWND Window, const TDataSkinButton& Element, TColor Background);
// Pixels of Image inside Area that are exactly Colour.
int CountPixels(const TPixelBuffer& Image, const TRect& Area, TPixel Colour);
// The screen point at the centre of a window, or at an offset from its
// top-left corner.
POINT CentreOf(HWND Window);
POINT ScreenPoint(HWND Window, int X, int Y);
