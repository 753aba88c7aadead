#pragma once
// The drop button a date-time picker's painter places over the picker's own
// button: it shows the skin's combo arrow in the state the painter gives it
// and lets the mouse through to the picker, which opens its calendar as
// usual.

#include "skin/painters/OffscreenBitmap.h"
#include "toolkit/CustomControl.h"

class TSkinData;

class TArrowButton : public TCustomControl {
  FW_CLASS(TArrowButton)
 public:
  // Frames of the combo arrow (1-based).
  enum TArrowFrame { afNormal = 1, afPressed = 2, afDisabled = 3, afHot = 4 };

  explicit TArrowButton(TComponent* AOwner);

  void SetSkinData(TSkinData* Data) { FSkinData = Data; }
  int Frame() const { return FFrame; }
  // Shows Frame; repaints only on a change.
  void SetFrame(int Frame);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void Paint() override;
  void WndProc(TMessage& Message) override;

 private:
  void DrawPlainArrow(HDC DC, const RECT& Whole) const;

  TSkinData* FSkinData = nullptr;
  int FFrame = afNormal;
  TOffscreenBitmap FFace;
};
