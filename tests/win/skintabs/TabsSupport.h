#pragma once
// What the header, tab and status-bar tests share: the look an element's
// frame gives an item, which frame an item on the screen shows, and real
// mouse input at a window's client points.

#include <windows.h>

#include <utility>

#include "skin/definition/DataSkinObject.h"
#include "toolkit/portable/PixelBuffer.h"

// Which way an item's image faces: as drawn in the skin (tabs along the
// top), or turned for tabs along the bottom, left or right edge.
enum class TFacing { Up, Down, Left, Right };

// Frame of Image (a strip of the element's frames) drawn nine-slice over
// Width x Height of the face colour, turned as for tabs along Side.
TPixelBuffer ExpectedItem(const TDataSkinObject& Element, const TPixelBuffer& Image, int Width,
                          int Height, int Frame, TColor Face,
                          TFacing Side = TFacing::Up);
// The part of Image inside Area.
TPixelBuffer Crop(const TPixelBuffer& Image, const RECT& Area);
// The share (0..1) of the pixels of Area where A and B agree.
double MatchIn(const TPixelBuffer& A, const TPixelBuffer& B, const TRect& Area);
// The frame whose look Shown matches best along its edges (Band pixels
// deep), or inside Area when Area is not empty; 0 when none matches 95 %.
int FrameOf(const TPixelBuffer& Shown, const TDataSkinObject& Element, const TPixelBuffer& Image,
            TColor Face, TFacing Side = TFacing::Up, int Band = 2, TRect Area = {});
// The same for the part of what Window shows now inside Area (client
// coordinates of a window without border).
int FrameShown(HWND Window, const RECT& Area, const TDataSkinObject& Element, TColor Face,
               TFacing Side = TFacing::Up);
// Moves the pointer to a client point of Window, through the system.
void MouseToClient(HWND Window, int X, int Y);
POINT ClientToScreenPoint(HWND Window, int X, int Y);
// Pixels of Image inside Area that differ from Colour.
int PixelsOtherThan(const TPixelBuffer& Image, const TRect& Area, TPixel Colour);
// The leftmost and rightmost columns inside Area where A and B differ
// (where text was drawn on an element); {-1, -1} when they agree.
std::pair<int, int> DifferingColumns(const TPixelBuffer& A, const TPixelBuffer& B,
                                     const TRect& Area);
