#pragma once
// The skinned face of one scroll bar: a small window laid exactly over a
// native scroll bar (a window's horizontal or vertical bar, or a scroll-bar
// control) that draws the bar from the skin. The native bar stays the one
// source of position, range and state: the overlay reads it at every paint
// and hands every press to it, so that the control scrolls through its own
// logic. While the native tracking loop runs, the scroll notifications the
// control receives name the part being operated (SetHotPart), which the
// overlay lights.

#include <windows.h>

#include "skin/imaging/ScrollBarGeometry.h"
#include "toolkit/CustomControl.h"

class TSkinControl;
class TSkinData;

class TWScrollbar : public TCustomControl {
  FW_CLASS(TWScrollbar)
 public:
  enum TBarKind : unsigned char {
    bkHorizontal = 0,  // the target's horizontal bar
    bkVertical = 1,    // the target's vertical bar
    bkControl = 2,     // the target is a scroll-bar control
  };

  explicit TWScrollbar(TComponent* AOwner);
  ~TWScrollbar() override;

  // Covers a bar of a toolkit control (for bkControl, the control is a
  // TScrollBar and its published Kind gives the axis).
  void BindToWindow(TSkinControl* Painter, TWinControl* Control, int Kind);
  // Covers a bar of a window the toolkit did not make.
  void BindToHandle(TSkinControl* Painter, HWND Handle, int Kind);
  // Before binding: the overlay floats as a pop-up owned by the target
  // instead of being the target's sibling, for targets that are pop-ups
  // themselves (a drop-down list). Such an overlay lets the mouse through to
  // the target, which keeps the capture while it is open.
  void SetPopup(bool Value) { FPopup = Value; }
  bool Popup() const { return FPopup; }

  // Puts the overlay over the native bar, or hides it when the bar or its
  // window is not visible. Nothing changes when the bar cannot be read.
  void Place();
  void HideOverlay();
  // The part under a point of the overlay.
  TScrollPart HitTest(POINT P) const;

  int HotPart() const { return FHotPart; }
  // Lights a part (a scroll request code: anything else lights nothing);
  // repaints when it changed.
  void SetHotPart(int Part);
  // Paints the overlay now, when it is shown.
  void Refresh();
  // A scroll notification the target received: the request names the part
  // the native tracking loop operates.
  void Scrolled(int Request);
  // Lights the part under the cursor (for overlays the mouse passes through).
  void HotFromCursor();

  HWND Target() const { return FTarget; }
  TWinControl* TargetControl() const { return FTargetControl; }
  int Kind() const { return FKind; }
  bool Vertical() const { return FVertical; }
  bool Shown() const { return FShown; }
  bool Pressed() const { return FPressed; }
  int Length() const { return FLength; }
  int ArrowSize() const { return FArrowSize; }
  TThumbSpan Thumb() const { return {FThumbStart, FThumbEnd}; }
  // The covered bar in the target's client coordinates.
  RECT RectInTarget() const { return FRectInTarget; }

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;
  void Paint() override;

 private:
  // What the native bar says at the moment.
  struct TNativeBar {
    RECT Screen{};  // the bar in screen coordinates
    TThumbSpan Thumb;
    DWORD State = 0;  // STATE_SYSTEM_ bits of the whole bar
  };

  void Bind(TSkinControl* Painter, HWND Target, TWinControl* Control, int Kind);
  bool ReadNativeBar(TNativeBar& Bar) const;
  bool ReadControlBar(TNativeBar& Bar) const;
  TSkinData* SkinData() const;
  bool SkinHasBars() const;
  TThumbSpan ThumbToDraw(const TNativeBar& Bar) const;
  POINT MessagePoint(LPARAM LParam) const;
  void MouseMoved(LPARAM LParam);
  void MouseLeft();
  void ButtonDown(TMessage& Message);
  void ButtonUp(TMessage& Message);
  UINT HitCode() const { return FKind == bkHorizontal ? HTHSCROLL : HTVSCROLL; }

  int FLength = 0;
  int FThumbStart = 0;
  int FThumbEnd = 0;
  POINT FScreenOrigin{};
  POINT FPressPoint{};
  int FPressThumbStart = 0;
  bool FVertical = false;
  int FHotPart = spNone;
  int FArrowSize = 0;
  HWND FTarget = nullptr;
  TWinControl* FTargetControl = nullptr;
  TSkinControl* FPainter = nullptr;
  int FKind = bkHorizontal;
  RECT FRectInTarget{};
  bool FShown = false;
  bool FPressed = false;
  HWND FParentWindow = nullptr;
  bool FPopup = false;
};
