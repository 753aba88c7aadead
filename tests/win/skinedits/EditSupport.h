#pragma once
// What the edit, combo box, up-down and date-time tests share: a form with
// the program's skin whose controls are placed before the skin takes the
// form over, so that recognition gives them their painters.

#include <windows.h>

#include "skin/painters/SkinControl.h"
#include "skinpainters/PainterSupport.h"
#include "toolkit/WinControl.h"

class TEditsForm {
 public:
  TEditsForm();
  // With a skin of the test's own.
  explicit TEditsForm(const TBytes& Skin);

  // A control of class T on the form (not yet skinned).
  template <class T>
  T* Add(int Left, int Top, int Width, int Height) {
    auto* control = new T(Skinned.Form.get());
    control->SetParent(Skinned.Form.get());
    control->SetBounds(Left, Top, Width, Height);
    control->HandleNeeded();
    return control;
  }
  // Switches the skin on and waits until the form and its controls are
  // skinned.
  bool Skin();
  // Switches the skin off and waits until the form is given back.
  bool Unskin();
  HWND Form() const { return Skinned.Handle(); }
  TSkinControl* PainterOf(HWND Window) const;
  const TSkinColours& Colours() const { return Skinned.Data->Skin().Colours; }
  // A skin colour as the screen shows it.
  TPixel Shown(TColor Colour) const;

  TSkinnedForm Skinned;
};

// The frame (1..FrameCount) of Element, drawn sliced over the whole window,
// that the window shows where the element is opaque; 0 for none.
int ShownSlicedFrame(HWND Window, const TDataSkinObject& Element);
// A skin of plain borders and a combo button of four solid frames (blue,
// red, grey, green) in the given style, without a sunken edge or up-down
// elements.
TBytes ButtonStyleSkin(int Style);
// Paints the window now (client and frame).
void RedrawNow(HWND Window);
// The pixel of a window at (X, Y) as the screen shows it now.
TPixel PixelOf(HWND Window, int X, int Y);
// Types the keys as the keyboard would.
void TypeKeys(std::initializer_list<WORD> Keys);
