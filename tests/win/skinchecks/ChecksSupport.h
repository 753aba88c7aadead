#pragma once
// What the tests of the further control painters share: a skinned form whose
// controls are put on it before the engine takes it over (so recognition
// attaches their painters), strips of solid frames for skins made on the
// spot, and reading back which frame of a strip a window shows.

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "skin/painters/SkinControl.h"
#include "skinpainters/PainterSupport.h"
#include "toolkit/Form.h"

// A form with controls, skinned once Build has put them on it.
class TControlsForm {
 public:
  TControlsForm(const TBytes& Skin, const std::function<void(TForm&)>& Build,
                int ClientWidth = 400, int ClientHeight = 240);
  bool Ready() const { return Skinned.WaitSkinned(); }
  TForm& Form() const { return *Skinned.Form; }
  TWinSkinForm& Skinner() const { return *Skinned.Skinner(); }
  TColor Face() const { return Skinned.Data->Skin().Colours.ButtonFace; }
  // The painter attached to Window, as TPainter (null when none or another).
  template <class TPainter>
  TPainter* PainterOf(HWND Window) const {
    TWinSkinForm* skinner = Skinned.Skinner();
    return skinner ? dynamic_cast<TPainter*>(skinner->FindPainterByHandle(Window)) : nullptr;
  }

  TSkinnedForm Skinned;
};

// Frame i (1-based) of the strip is solid Colours[i - 1] with a magenta
// (transparent) top-left pixel.
TPixelBuffer SolidStrip(int FrameWidth, int Height, const std::vector<TPixel>& Colours);
// The solid colours of SolidStrip frames, distinct from every skin colour.
std::vector<TPixel> FrameColours(int Count);
// Which of Colours the pixel at the centre of Area of Shown is: 1-based,
// 0 for none.
int SolidFrameAt(const TPixelBuffer& Shown, const TRect& Area, const std::vector<TPixel>& Colours);

// The frame (1-based) of a Frames-frame Strip that, drawn at its own size
// over Background with magenta transparent, gives the pixels of Shown at
// Area; 0 when none matches.
int StripFrameAt(const TPixelBuffer& Shown, const TRect& Area, const TPixelBuffer& Strip,
                 int Frames, TColor Background);
// Waits until the window shows what Shows finds in its pixels.
bool WaitForPixels(HWND Window, const std::function<bool(const TPixelBuffer&)>& Shows,
                   DWORD Milliseconds = 3000);
// Pixels within Area that differ from Background: their bounding box
// (empty when none).
TRect InkBox(const TPixelBuffer& Image, const TRect& Area, TPixel Background);
// Repaints a window now.
void RedrawNow(HWND Window);
