#pragma once
// A progress bar over the system msctls_progress32 control: a position
// between Min and Max, shown as blocks or (Smooth) as a solid bar, across
// or upwards.

#include "toolkit/WinControl.h"

FW_ENUM(TProgressBarOrientation, pbHorizontal, pbVertical)

class TProgressBar : public TWinControl {
  FW_CLASS(TProgressBar)
 public:
  explicit TProgressBar(TComponent* AOwner);

  int GetMin() const { return FMin; }
  void SetMin(int Value);
  int GetMax() const { return FMax; }
  void SetMax(int Value);
  int GetPosition() const;
  // Kept between Min and Max.
  void SetPosition(int Value);
  int GetStep() const { return FStep; }
  void SetStep(int Value);
  bool GetSmooth() const { return FSmooth; }
  void SetSmooth(bool Value);
  TProgressBarOrientation GetOrientation() const { return FOrientation; }
  void SetOrientation(TProgressBarOrientation Value);

  // Advances by Step, or by Delta; at Max a step starts again from Min, as
  // the system control does.
  void StepIt();
  void StepBy(int Delta);

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;

 private:
  void ApplyRange();

  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  int FStep = 10;
  bool FSmooth = false;
  TProgressBarOrientation FOrientation = pbHorizontal;
};
