#pragma once
// What the skinned scroll-bar tests share: a shown form with a skin
// component holding the program's skin, controls with content to scroll,
// real mouse input, and the screen's pixels.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "skin/engine/SkinData.h"
#include "skin/imaging/ScrollBarImage.h"
#include "skin/frame/FormSkinner.h"
#include "toolkit/Form.h"
#include "toolkit/portable/PixelBuffer.h"

class TTreeView;
class TWScrollbar;

// Without the engine the component is not active, no form skinner takes
// the window over and the painters are attached to the controls directly.
// With it, Start switches the component on as a form description would and
// waits until the engine has skinned the window and recognised its controls.
class TScrollForm {
 public:
  explicit TScrollForm(bool Engine = false);
  ~TScrollForm();
  bool Start();
  TWinSkinForm* Skinner() const;
  bool WaitUnskinned() const;

  // A tree of Count top-level nodes in a box of the given bounds.
  TTreeView* AddTree(int Count, RECT Bounds);
  template <class C>
  C* Add(RECT Bounds) {
    auto* control = new C(Form.get());
    control->SetParent(Form.get());
    control->SetBounds(Bounds.left, Bounds.top, Bounds.right - Bounds.left,
                       Bounds.bottom - Bounds.top);
    return control;
  }

  std::unique_ptr<TForm> Form;
  TSkinData* Data = nullptr;
};

// The native bar's information (OBJID_HSCROLL, OBJID_VSCROLL).
SCROLLBARINFO NativeBar(HWND Window, LONG Object);
SCROLLINFO ScrollPosition(HWND Window, int Bar);
RECT WindowRectOf(HWND Window);

// The picture the overlay must show now, composed from its own state.
TPixelBuffer ExpectedPicture(const TSkinData& Data, const TWScrollbar& Bar);
// What the screen shows in a rectangle.
TPixelBuffer ScreenPixels(const RECT& Screen);
// How many pixels of the overlay on screen differ from its picture.
int PixelsOffPicture(const TSkinData& Data, const TWScrollbar& Bar);

// Mouse input through the system, in screen coordinates.
void MouseTo(POINT At);
void MouseDown();
void MouseUp();
void ClickAt(POINT At);
// Runs Script (input with pauses) on another thread while this one handles
// its messages: a press on a bar runs the native tracking loop, which
// returns only once the button is released.
void RunInput(const std::function<void()>& Script);
void DragFromTo(POINT From, POINT To);
// A point of a bar overlay at Along pixels from its start, across its middle.
POINT OnBar(const TWScrollbar& Bar, int Along);
