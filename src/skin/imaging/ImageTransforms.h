#pragma once
// Whole-image transformations used while a skin is prepared.

#include "toolkit/portable/PixelBuffer.h"

// Pure magenta pixels become Color (system colours are resolved).
void ReplaceKeyColor(TPixelBuffer& Image, TColor Color);
void MirrorHorizontal(TPixelBuffer& Image);
void FlipVertical(TPixelBuffer& Image);
// A quarter turn counter-clockwise: the top-right pixel becomes the top-left one.
void RotateLeft(TPixelBuffer& Image);
// A quarter turn clockwise: the top-left pixel becomes the top-right one.
void RotateRight(TPixelBuffer& Image);
// Red, green and blue of every pixel become their integer mean.
void MakeGrayscale(TPixelBuffer& Image);
