#pragma once
// The painter of date-time pickers that drop a calendar: the border as the
// edit painter draws it, and an arrow button in the skin's combo look laid
// over the picker's own drop button. The mouse goes through the arrow
// button to the picker; the painter gives the button its state: pressed
// while held or while the calendar is open, lit under the mouse or while
// the picker has the focus, greyed when the picker is disabled.

#include "skin/painters/SkinEdit.h"

class TArrowButton;

class TSkinDateTime : public TSkinEdit {
  FW_CLASS(TSkinDateTime)
 public:
  explicit TSkinDateTime(TComponent* AOwner);
  ~TSkinDateTime() override;

  void AttachToControl(TWinSkinForm* FormSkinner, TSkinData* Data, bool PaintBackground,
                       TCanvas* Canvas) override;

  void SkinChanged() override;

  TArrowButton* ArrowButton() const { return FArrow; }
  // The picker's drop button (client coordinates).
  RECT PickerButtonRect() const;
  // The arrow frame the state selects now.
  int ArrowFrame() const;

 protected:
  void Detach() override;
  void AfterMessage(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  void PlaceArrow();
  void FreeArrow();
  void OnMouse(const TMessage& Message);

  TArrowButton* FArrow = nullptr;
  bool FAddedClipChildren = false;
  bool FHot = false;
  bool FHeld = false;
  // Between the picker's drop-down and close-up notifications.
  bool FDropped = false;
};
