#pragma once
// A stand-alone scroll bar over the system SCROLLBAR class. Position runs
// from Min to Max (Max - PageSize + 1 at most when PageSize is set); the
// arrows move it by SmallChange, the track by LargeChange. OnScroll sees
// each scroll request with the position it leads to and may change it;
// OnChange follows every change of Position.

#include "toolkit/WinControl.h"

FW_ENUM(TScrollBarKind, sbHorizontal, sbVertical)
FW_ENUM(TScrollCode, scLineUp, scLineDown, scPageUp, scPageDown, scPosition, scTrack, scTop,
        scBottom, scEndScroll)
using TScrollEvent = TEvent<TObject*, TScrollCode, int&>;

class TScrollBar : public TWinControl {
  FW_CLASS(TScrollBar)
 public:
  explicit TScrollBar(TComponent* AOwner);

  TScrollBarKind GetKind() const { return FKind; }
  // Turning the bar swaps its width and height (outside loading).
  void SetKind(TScrollBarKind Value);
  int GetMin() const { return FMin; }
  void SetMin(int Value) { SetParams(FPosition, Value, FMax); }
  int GetMax() const { return FMax; }
  void SetMax(int Value) { SetParams(FPosition, FMin, Value); }
  int GetPosition() const { return FPosition; }
  void SetPosition(int Value) { SetParams(Value, FMin, FMax); }
  int GetPageSize() const { return FPageSize; }
  void SetPageSize(int Value);
  int GetSmallChange() const { return FSmallChange; }
  void SetSmallChange(int Value) { FSmallChange = Value; }
  int GetLargeChange() const { return FLargeChange; }
  void SetLargeChange(int Value) { FLargeChange = Value; }
  // Sets the three at once; Min above Max is refused (EComponentError),
  // Position is clamped into the range.
  void SetParams(int Position, int Min, int Max);

  void Loaded() override;

  TNotifyEvent OnChange;
  TScrollEvent OnScroll;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  virtual void Change() { OnChange(this); }
  virtual void Scroll(TScrollCode Code, int& Position) { OnScroll(this, Code, Position); }

 private:
  int MaxPosition() const;
  void ApplyScrollInfo();
  void HandleScroll(int Request);

  TScrollBarKind FKind = sbHorizontal;
  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  int FPageSize = 0;
  int FSmallChange = 1;
  int FLargeChange = 1;
};
