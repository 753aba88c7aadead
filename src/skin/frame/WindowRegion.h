#pragma once
// The window region of a skinned frame: the client-and-menu rectangle plus
// each border, either as its rectangle or, where the border's image has
// transparent (magenta) pixels, as the opaque part of the border piece
// drawn at the window's size.

#include <windows.h>

#include "skin/definition/ParsedSkin.h"
#include "skin/imaging/FrameGeometry.h"
#include "toolkit/portable/PixelBuffer.h"

struct TFrameRegionInput {
  const TParsedSkin* Skin = nullptr;
  TFrameMetrics Metrics;
  int Width = 0;
  int Height = 0;
  bool NoCaption = false;  // a window without caption has only the base rectangle
  bool Active = true;
};

// The region for a window of that size, in window coordinates; null for a
// window of no area. The caller owns it.
HRGN BuildFrameRegion(const TFrameRegionInput& Input);

// The opaque pixels of Bitmap (magenta, within 1 per channel, is
// transparent) as a region offset by (X0, Y0); the rectangles are gathered
// in batches. The caller owns it.
HRGN RegionFromBitmap(const TPixelBuffer& Bitmap, int X0, int Y0);
