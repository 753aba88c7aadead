#pragma once
// The picture of one skinned scroll bar: shaft, two arrows, thumb and grip
// from the skin's scroll-bar elements, for the bar's state at the moment.
//
// The arrow element ("Scrollbar") is a strip of 23 frames: left, right, up
// and down arrows (normal, pressed, disabled, mouse over each), then the
// grips of a horizontal and of a vertical thumb (normal, pressed, mouse
// over). Shafts are 4-frame strips (1 normal, 3 unavailable); thumbs have
// their own frame counts (1 normal, 2 pressed, 3 mouse over).

#include "skin/definition/ParsedSkin.h"
#include "skin/imaging/ScrollBarGeometry.h"
#include "toolkit/portable/PixelBuffer.h"

struct TScrollBarState {
  bool Vertical = false;
  int Width = 0;  // the bar's size
  int Height = 0;
  int ArrowSize = 0;  // the system's arrow extent along the axis
  TThumbSpan Thumb;   // along the axis, from the bar's start
  bool Unavailable = false;  // the whole bar is disabled
  int HotPart = spNone;      // a TScrollPart, or anything else for none
  bool Pressed = false;
};

// Frame numbers in the arrow element.
constexpr int kScrollBarFrames = 23;
constexpr int kShaftFrames = 4;
int ArrowFrame(bool Vertical, bool Second, bool Hot, bool Pressed);
int ThumbFrame(bool Hot, bool Pressed);
int GripFrame(bool Vertical, bool Hot, bool Pressed);

// The bar's picture on the skin's face colour (Face, already resolved);
// empty when the skin has no arrow element or its image is empty (the bar
// then keeps its native look).
TPixelBuffer BuildScrollBarImage(const TParsedSkin& Skin, TColor Face,
                                 const TScrollBarState& State);
