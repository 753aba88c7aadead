#pragma once
// A track bar over the system msctls_trackbar32 control: a thumb that the
// mouse or the arrow, page, Home and End keys move between Min and Max,
// with tick marks and an optional selected range. OnChange follows every
// move of the position.

#include "toolkit/WinControl.h"

FW_ENUM(TTrackBarOrientation, trHorizontal, trVertical)
FW_ENUM(TTickMark, tmBottomRight, tmTopLeft, tmBoth)
FW_ENUM(TTickStyle, tsNone, tsAuto, tsManual)

class TTrackBar : public TWinControl {
  FW_CLASS(TTrackBar)
 public:
  explicit TTrackBar(TComponent* AOwner);

  int GetMin() const { return FMin; }
  void SetMin(int Value);
  int GetMax() const { return FMax; }
  void SetMax(int Value);
  int GetPosition() const;
  void SetPosition(int Value);
  int GetFrequency() const { return FFrequency; }
  void SetFrequency(int Value);
  int GetLineSize() const { return FLineSize; }
  void SetLineSize(int Value);
  int GetPageSize() const { return FPageSize; }
  void SetPageSize(int Value);
  int GetSelStart() const { return FSelStart; }
  void SetSelStart(int Value);
  int GetSelEnd() const { return FSelEnd; }
  void SetSelEnd(int Value);
  int GetThumbLength() const { return FThumbLength; }
  void SetThumbLength(int Value);
  bool GetSliderVisible() const { return FSliderVisible; }
  void SetSliderVisible(bool Value);
  TTrackBarOrientation GetOrientation() const { return FOrientation; }
  void SetOrientation(TTrackBarOrientation Value);
  TTickMark GetTickMarks() const { return FTickMarks; }
  void SetTickMarks(TTickMark Value);
  TTickStyle GetTickStyle() const { return FTickStyle; }
  void SetTickStyle(TTickStyle Value);
  // A tick of its own (TickStyle tsManual).
  void SetTick(int Value);

  TNotifyEvent OnChange;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  virtual void Changed() { OnChange(this); }

 private:
  void ApplyAll();
  void PositionMaybeMoved();

  int FMin = 0;
  int FMax = 10;
  int FPosition = 0;
  int FFrequency = 1;
  int FLineSize = 1;
  int FPageSize = 2;
  int FSelStart = 0;
  int FSelEnd = 0;
  int FThumbLength = 20;
  bool FSliderVisible = true;
  TTrackBarOrientation FOrientation = trHorizontal;
  TTickMark FTickMarks = tmBottomRight;
  TTickStyle FTickStyle = tsAuto;
};
