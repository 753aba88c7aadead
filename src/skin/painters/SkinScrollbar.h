#pragma once
// The painter of a toolkit control with scroll bars of its own (tree views,
// memos, list boxes, scroll boxes, grids): two overlays, one for each bar,
// kept over the native bars as the control is sized, moved, scrolled,
// shown, hidden, enabled and disabled, and a flat two-pixel border in the
// skin's colours in place of the control's native one.

#include <windows.h>

#include "skin/painters/ScrollBarPair.h"
#include "skin/painters/SkinControl.h"

class TWScrollbar;
class TWinControl;

class TSkinScrollbar : public TSkinControl {
  FW_CLASS(TSkinScrollbar)
 public:
  // Mode 1 (one bar of a composite control) draws no border.
  static constexpr int kSingleMode = 1;

  explicit TSkinScrollbar(TComponent* AOwner);
  ~TSkinScrollbar() override;

  // Takes over the control's bars; the painter's owner is the control.
  virtual void AttachScrollBars(TWinControl* Control, TSkinData* Data, TWinSkinForm* FormSkinner,
                                TCanvas* Canvas);
  // Places both overlays over the native bars (or hides them).
  void PlaceBars();
  void SkinChanged() override;

  // SM_REPLACESCROLLPAINTER: the scroll-bar painter of Child (a window of
  // a toolkit control) is freed and a fresh one of the same family is
  // attached to the control. False when Child has no such painter.
  static bool ReplaceFor(TWinSkinForm& FormSkinner, HWND Child);

  void SetMode(int Value) { FMode = Value; }
  int Mode() const { return FMode; }
  bool DrawBorder() const { return FDrawBorder; }
  TWScrollbar* HorzBar() const { return FBars.Horz(); }
  TWScrollbar* VertBar() const { return FBars.Vert(); }

 protected:
  void Detach() override;
  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;
  void Paint(HDC DC, const RECT& Rect) override;
  virtual TSkinScrollbar* NewOfSameFamily(TComponent* AOwner) const;

 private:
  void FollowEnabled();
  void ApplyFixedColor();
  void DrawFrame(HDC DC) const;
  void AskForReplacement(WPARAM Window);

  TScrollBarPair FBars;
  bool FDrawBorder = false;
  int FMode = 0;
  // A grid's "FixedColor" while the skin's face colour stands in for it.
  bool FFixedColorChanged = false;
  int FSavedFixedColor = 0;
};
