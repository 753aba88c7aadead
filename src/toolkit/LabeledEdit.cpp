#include "toolkit/LabeledEdit.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TBoundLabel::StaticClass() {
  static const TClassInfo info = [] {
    TClassBuilder<TBoundLabel> b("TBoundLabel", &TCustomLabel::StaticClass());
    return PublishLabelProperties(b).Info();
  }();
  return info;
}

const TClassInfo& TCustomLabeledEdit::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomLabeledEdit>("TCustomLabeledEdit", &TCustomEdit::StaticClass()).Info();
  return info;
}

const TClassInfo& TLabeledEdit::StaticClass() {
  static const TClassInfo info = [] {
    TClassBuilder<TLabeledEdit> b("TLabeledEdit", &TCustomLabeledEdit::StaticClass());
    b.Creatable();
    PublishEditProperties(b);
    return b.ObjectProp("EditLabel", &TCustomLabeledEdit::GetEditLabel)
        .Prop("LabelPosition", &TCustomLabeledEdit::GetLabelPosition,
              &TCustomLabeledEdit::SetLabelPosition, lpAbove)
        .Prop("LabelSpacing", &TCustomLabeledEdit::GetLabelSpacing,
              &TCustomLabeledEdit::SetLabelSpacing, 3)
        .Info();
  }();
  return info;
}
FW_REGISTER_CLASS(TLabeledEdit);

TBoundLabel::TBoundLabel(TCustomLabeledEdit* Edit) : TCustomLabel(Edit), FEdit(Edit) {
  SetName("SubLabel");
}

void TBoundLabel::AdjustBounds() {
  TCustomLabel::AdjustBounds();
  if (FEdit) FEdit->PlaceLabel();
}

TCustomLabeledEdit::TCustomLabeledEdit(TComponent* AOwner)
    : TCustomEdit(AOwner), FEditLabel(new TBoundLabel(this)) {
  FEditLabel->FreeNotification(this);
}

void TCustomLabeledEdit::Notification(TComponent* AComponent, TOperation Operation) {
  TCustomEdit::Notification(AComponent, Operation);
  if (Operation == opRemove && AComponent == FEditLabel) FEditLabel = nullptr;
}

void TCustomLabeledEdit::SetParent(TWinControl* Value) {
  TCustomEdit::SetParent(Value);
  if (FEditLabel) {
    FEditLabel->SetParent(Value);
    PlaceLabel();
  }
}

void TCustomLabeledEdit::SetBounds(int Left, int Top, int Width, int Height) {
  TCustomEdit::SetBounds(Left, Top, Width, Height);
  PlaceLabel();
}

void TCustomLabeledEdit::SetLabelPosition(TLabelPosition Value) {
  FLabelPosition = Value;
  PlaceLabel();
}

void TCustomLabeledEdit::SetLabelSpacing(int Value) {
  FLabelSpacing = Value;
  PlaceLabel();
}

void TCustomLabeledEdit::PlaceLabel() {
  if (!FEditLabel) return;
  const int w = FEditLabel->GetWidth(), h = FEditLabel->GetHeight();
  int x = FLeft, y = FTop;
  switch (FLabelPosition) {
    case lpAbove:
      y = FTop - h - FLabelSpacing;
      break;
    case lpBelow:
      y = FTop + FHeight + FLabelSpacing;
      break;
    case lpLeft:
      x = FLeft - w - FLabelSpacing;
      y = FTop + (FHeight - h) / 2;
      break;
    case lpRight:
      x = FLeft + FWidth + FLabelSpacing;
      y = FTop + (FHeight - h) / 2;
      break;
  }
  FEditLabel->SetBounds(x, y, w, h);
}

void TCustomLabeledEdit::VisibleChanged() {
  TCustomEdit::VisibleChanged();
  if (FEditLabel) FEditLabel->SetVisible(GetVisible());
}

void TCustomLabeledEdit::EnabledChanged() {
  TCustomEdit::EnabledChanged();
  if (FEditLabel) FEditLabel->SetEnabled(GetEnabled());
}
