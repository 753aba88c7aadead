#pragma once
// The arithmetic of a skinned window frame: the widths of its four borders
// from the skin's border images, the border pieces drawn at a given size,
// the opaque runs a window region is made of, and where the caption text
// goes in the title bar.

#include <vector>

#include "skin/definition/DataSkinObject.h"
#include "skin/definition/ParsedSkin.h"
#include "toolkit/portable/PixelBuffer.h"

struct TFrameMetrics {
  int LeftWidth = 0;
  int TitleHeight = 0;
  int RightWidth = 0;
  int BottomHeight = 0;
  friend bool operator==(const TFrameMetrics&, const TFrameMetrics&) = default;
};

// Left and right images hold their frames side by side, top and bottom
// images one above the other; each width is one frame's. A frame count
// below 1 counts as 1.
TFrameMetrics FrameMetricsOf(const TParsedSkin& Skin);

enum TBorderSide { bsLeftBorder = 1, bsRightBorder = 2, bsTopBorder = 3, bsBottomBorder = 4 };

// The border element of a side.
const TDataSkinBorder& BorderElement(const TParsedSkin& Skin, TBorderSide Side);

// Side's piece at Width x Height: nine-sliced from its element with the
// element's fixed end lengths, the centre tiled unless the element says
// stretch, frame 1 when Active (or when there is only one frame), else 2.
// Empty for a size of no pixels.
TPixelBuffer BuildBorderPiece(const TDataSkinBorder& Element, TBorderSide Side, int Width,
                              int Height, bool Active);

// Every horizontal run of pixels that are not the key colour (magenta,
// each channel within Tolerance above it), one row at a time, offset by
// (X0, Y0).
std::vector<TRect> OpaqueRuns(const TPixelBuffer& Bitmap, int X0, int Y0, int Tolerance = 1);

// What places the caption text in the title bar.
struct TCaptionLayout {
  TRect Title;        // the title rectangle in the title bitmap
  int TextWidth = 0;  // the measured text
  int TextHeight = 0;
  int Alignment = 0;  // 0 left, 1 centre, 2 right
  int TextShift = 0;
  int TextShiftVert = 0;
  int TextRightClip = 0;
  int BackLeft = 0;  // TXTBackleft, TXTBackRight
  int BackRight = 0;
  int ButtonReserve = 0;
  bool RightToLeft = false;
  bool Popup = false;        // WS_POPUP windows clip before the buttons
  bool DialogFrame = false;  // no icon: left-aligned text moves left
};

// The rectangle the caption (with its back image) takes; the text itself
// is drawn inside it less BackLeft and BackRight.
TRect PlaceCaption(const TCaptionLayout& Layout);
