#pragma once
// The painter of edits (and of date-time pickers that step with arrows):
// the edit keeps all of its own drawing, and only its border is replaced
// by a thin frame in the skin's shadow colour with a white ring inside.
// An edit without a border is left alone.
//
// An up-down control inside the edit (as a date-time picker has) gets an
// up-down painter of its own the first time the edit is painted, when the
// skin paints spin controls; that painter belongs to this one.

#include "skin/painters/SkinControl.h"

class TSkinUpDown;

class TSkinEdit : public TSkinControl {
  FW_CLASS(TSkinEdit)
 public:
  explicit TSkinEdit(TComponent* AOwner);
  ~TSkinEdit() override;

  TSkinUpDown* UpDownPainter() const { return FUpDown; }
  void SkinChanged() override;

 protected:
  void Detach() override;
  bool BeforeMessage(TMessage& Message) override;
  void AfterMessage(TMessage& Message) override;
  void Paint(HDC DC, const RECT& Rect) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

 private:
  // The thin border a WM_PRINTCLIENT asks for, into DC (a window DC when
  // DC is null).
  void PrintClientBorder(HDC DC);
  void PaintIntoDC(TMessage& Message);
  void AttachUpDownChild();
  bool HasBorder(RECT* Window = nullptr, RECT* Client = nullptr) const;
  void ExcludeChildren(HDC DC, const RECT& Rect) const;

  TSkinUpDown* FUpDown = nullptr;
  // The printing context's state before the edit printed into it.
  int FPrintState = 0;
};
