#pragma once
// Drawing of skin elements on pixel buffers. An element's image is a strip of
// FrameCount equal state frames (side by side, or stacked when Vertical);
// frames are numbered from 1. Stretching picks the nearest source pixel (no
// smoothing). Rectangles are Left, Top, Right, Bottom with Right and Bottom
// exclusive; everything is clipped to the buffers, and a frame count of 0 or
// one larger than the image gives empty frames, never a fault.

#include "toolkit/portable/PixelBuffer.h"

// The source rectangle of frame Frame (1-based) of FrameCount.
TRect CutFrame(const TPixelBuffer& Image, bool Vertical, int FrameCount, int Frame);

// Copies SourceArea of Source into TargetArea of Target, stretched. Nothing is
// drawn when either area is empty; target pixels whose source pixel lies
// outside Source keep their value.
void StretchCopy(TPixelBuffer& Target, const TRect& TargetArea, const TPixelBuffer& Source,
                 const TRect& SourceArea);

// Copies Bitmap from its top-left corner to Area (unstretched, the size taken
// from Area), leaving the target unchanged where Bitmap has the Key colour.
void DrawTransparent(TPixelBuffer& Target, const TRect& Area, const TPixelBuffer& Bitmap,
                     TColor Key);

// Repeats Source of Image from Area's top-left corner while the tiles start
// inside Area; tiles are not clipped to Area.
void TileBitmap(TPixelBuffer& Target, const TRect& Area, const TPixelBuffer& Image,
                const TRect& Source);

// A Width x Height bitmap holding frame Frame drawn nine-slice: corners at
// their own size, edges stretched, the centre stretched or tiled. Margins
// that do not fit the target are dropped in pairs.
TPixelBuffer BuildSlicedBitmap(int Width, int Height, const TPixelBuffer& Image,
                               const TRect& Margins, bool Vertical, bool Tile, int FrameCount,
                               int Frame);

// The work bitmap of DrawHorzThreeSlice: left cap, middle pieces repeated at
// their own width, right cap, all stretched to the full height.
TPixelBuffer BuildHorzThreeSlice(int Width, int Height, const TPixelBuffer& Image, bool Vertical,
                                 int FrameCount, int Frame, const TRect& Margins);

// Copies Work to Area's top-left corner, opaque or leaving magenta pixels out.
void PutWork(TPixelBuffer& Target, const TRect& Area, const TPixelBuffer& Work, bool Transparent);

void DrawSliced(TPixelBuffer& Target, const TRect& Area, const TPixelBuffer& Image, bool Vertical,
                bool Tile, bool Transparent, int FrameCount, int Frame, const TRect& Margins);
void DrawHorzThreeSlice(TPixelBuffer& Target, const TRect& Area, const TPixelBuffer& Image,
                        bool Vertical, bool Transparent, int FrameCount, int Frame,
                        const TRect& Margins);
// Left and right caps at their own widths and the middle stretched; opaque.
// A frame wider than Area is stretched whole.
void DrawHorzStretchThree(TPixelBuffer& Target, const TRect& Area, const TPixelBuffer& Image,
                          bool Vertical, int FrameCount, int Frame, const TRect& Margins);
// Frame Frame of a horizontal strip stretched to Area.
void DrawFrameStretched(TPixelBuffer& Target, const TRect& Area, const TPixelBuffer& Image,
                        bool Transparent, int FrameCount, int Frame);
// Frame Frame of a horizontal strip at its own size, centred in Area.
void DrawFrameCentered(TPixelBuffer& Target, const TRect& Area, const TPixelBuffer& Image,
                       bool Transparent, int FrameCount, int Frame);
// What DrawFrameCentered copies: the part of the frame that lies inside the
// image (Source, empty when none does) and where it goes (Dest).
struct TCenteredFrame {
  TRect Source;
  TRect Dest;
};
TCenteredFrame CenteredFramePart(const TRect& Area, const TPixelBuffer& Image, int FrameCount,
                                 int Frame);
