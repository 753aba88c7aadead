// The engine's way of cutting a state frame out of a strip and drawing it
// nine-slice at any size (fixed corners, stretched edges, stretched or tiled
// centre, stretching without smoothing). The preview uses it, so that what
// it shows is what a window will show.
#pragma once

#include "Pixmap.h"

struct TMargins {
  int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

namespace Slicer {

// Frame k (1-based) of a strip of n frames, side by side or stacked.
TPixmap CutFrame(const TPixmap& strip, bool vertical, int n, int k);
// The frame drawn nine-slice into a width x height image.
TPixmap Sliced(const TPixmap& frame, int width, int height, TMargins m, bool tile = false);
// A frame stretched to the size, without smoothing.
TPixmap Stretched(const TPixmap& frame, int width, int height);

}  // namespace Slicer
