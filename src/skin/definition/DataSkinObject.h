#pragma once
// The parsed form of the skin's image-bearing parts. Every element holds one
// image strip of FrameCount state frames, its nine-slice margins and its
// drawing switches; a few kinds add fields of their own.

#include <string>

#include "toolkit/portable/PixelBuffer.h"

class TDataSkinObject {
 public:
  virtual ~TDataSkinObject() = default;
  virtual const char* ClassName() const { return "TDataSkinObject"; }

  TRect Margins;  // Left, Top, Right, Bottom: the fixed borders of the nine-slice
  TPixelBuffer Image;
  int Trans = 0;  // non-zero: magenta pixels are transparent
  int Tile = 0;   // 1: the centre is tiled; 0: stretched
  std::string ElementName;
  int FrameCount = 0;
  int Style = 0;
  // Colour selectors of the normal, mouse-over and pressed states; -1 = not given.
  int NormalColour = -1;
  int MouseOverColour = -1;
  int PressedColour = -1;
  TColor NormalColour2 = 0;
  TColor MouseOverColour2 = 0;
  TColor PressedColour2 = 0;
};

class TDataSkinBorder : public TDataSkinObject {
 public:
  const char* ClassName() const override { return "TDataSkinBorder"; }
  TPixelBuffer SecondImage;
};

class TDataSkinButton : public TDataSkinObject {
 public:
  const char* ClassName() const override { return "TDataSkinButton"; }
  TPixelBuffer CheckButton;
  TPixelBuffer RadioButton;
  int RadioButtonFrame = 0;
  int CheckButtonFrame = 0;
  // Whether the text gave the three explicit colours.
  bool NormalColour2Given = false;
  bool MouseOverColour2Given = false;
  bool PressedColour2Given = false;
};

class TDataSkinTitle : public TDataSkinObject {
 public:
  // The caption colours hold this until the skin gives them.
  static constexpr TColor NoColour = 0x1FFFFFFF;
  const char* ClassName() const override { return "TDataSkinTitle"; }
  // Margins hold the caption placement: Left = TextShift, Top = TextShiftVert,
  // Right = TextRightClip.
  int TextAlignment = 0;
  int Textbackground = 0;
  int FontHeight = 14;
  int TXTBackleft = 0;
  int TXTBackRight = 0;
  TColor ActiveCaptionColour = NoColour;
  TColor InactiveCaptionColour = NoColour;
};

class TDataSkinSysButton : public TDataSkinObject {
 public:
  const char* ClassName() const override { return "TDataSkinSysButton"; }
  int Action = 0;
  int Align = 0;
  int XCoord = 0;
  int YCoord = 0;
  int CombineOp = -1;
  int Visibility = 0;
  int Visibility1 = 0;
};

class TDataSkinBoxLabel : public TDataSkinObject {
 public:
  const char* ClassName() const override { return "TDataSkinBoxLabel"; }
  int BackgroundLeftShift = 0;
  int BackgroundRightShift = 0;
  int BackgroundAlignment = 0;
};
