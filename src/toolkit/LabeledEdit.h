#pragma once
// An edit with a caption label beside it (above by default), LabelSpacing
// pixels away. The label is a sub-component of the edit, reached through
// EditLabel, and sits on the edit's parent.

#include "toolkit/CustomEdit.h"
#include "toolkit/CustomLabel.h"

class TCustomLabeledEdit;

class TBoundLabel : public TCustomLabel {
  FW_CLASS(TBoundLabel)
 public:
  explicit TBoundLabel(TCustomLabeledEdit* Edit);

 protected:
  void AdjustBounds() override;

 private:
  TCustomLabeledEdit* FEdit;
};

FW_ENUM(TLabelPosition, lpAbove, lpBelow, lpLeft, lpRight)

class TCustomLabeledEdit : public TCustomEdit {
  FW_CLASS(TCustomLabeledEdit)
 public:
  explicit TCustomLabeledEdit(TComponent* AOwner);

  TBoundLabel* GetEditLabel() const { return FEditLabel; }
  TLabelPosition GetLabelPosition() const { return FLabelPosition; }
  void SetLabelPosition(TLabelPosition Value);
  int GetLabelSpacing() const { return FLabelSpacing; }
  void SetLabelSpacing(int Value);

  void SetParent(TWinControl* Value) override;
  void SetBounds(int Left, int Top, int Width, int Height) override;
  // Puts the label next to the edit.
  void PlaceLabel();

 protected:
  void VisibleChanged() override;
  void EnabledChanged() override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  TBoundLabel* FEditLabel;
  TLabelPosition FLabelPosition = lpAbove;
  int FLabelSpacing = 3;
};

class TLabeledEdit : public TCustomLabeledEdit {
  FW_CLASS(TLabeledEdit)
 public:
  using TCustomLabeledEdit::TCustomLabeledEdit;
};
