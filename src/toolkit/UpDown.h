#pragma once
// A pair of arrow buttons over the system msctls_updown32 control that
// steps a position between Min and Max. With an Associate (an edit) it
// sits beside that control and shows the position in it; the arrow keys
// step it while the associate has the focus.

#include "toolkit/WinControl.h"

FW_ENUM(TUDOrientation, udHorizontal, udVertical)
FW_ENUM(TUDAlignButton, udLeft, udRight)
// Which arrow was pressed (the buttons' names are shared with other
// controls, so they live in a namespace of their own).
namespace updown {
FW_ENUM(TUDBtnType, btNext, btPrev)
}
using updown::TUDBtnType;

using TUDClickEvent = TEvent<TObject*, TUDBtnType>;
using TUDChangingEvent = TEvent<TObject*, bool&>;

class TCustomUpDown : public TWinControl {
  FW_CLASS(TCustomUpDown)
 public:
  explicit TCustomUpDown(TComponent* AOwner);
  ~TCustomUpDown() override;

  TWinControl* GetAssociate() const { return FAssociate; }
  void SetAssociate(TWinControl* Value);
  int GetMin() const { return FMin; }
  void SetMin(int Value);
  int GetMax() const { return FMax; }
  void SetMax(int Value);
  int GetPosition() const;
  void SetPosition(int Value);
  int GetIncrement() const { return FIncrement; }
  void SetIncrement(int Value);
  TUDOrientation GetOrientation() const { return FOrientation; }
  void SetOrientation(TUDOrientation Value);
  TUDAlignButton GetAlignButton() const { return FAlignButton; }
  void SetAlignButton(TUDAlignButton Value);
  bool GetArrowKeys() const { return FArrowKeys; }
  void SetArrowKeys(bool Value);
  bool GetThousands() const { return FThousands; }
  void SetThousands(bool Value);
  bool GetWrap() const { return FWrap; }
  void SetWrap(bool Value);

  TUDClickEvent OnClick;
  TUDChangingEvent OnChanging;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;
  // An arrow is about to step the position; false keeps it.
  virtual bool CanChange();
  using TWinControl::Click;
  // An arrow stepped the position.
  virtual void Click(TUDBtnType Button) { OnClick(this, Button); }

 private:
  void ApplyAssociate();
  void ApplyRange();
  void RecreateKeepingPosition();

  TWinControl* FAssociate = nullptr;
  int FMin = 0;
  int FMax = 100;
  int FPosition = 0;
  int FIncrement = 1;
  TUDOrientation FOrientation = udVertical;
  TUDAlignButton FAlignButton = udRight;
  bool FArrowKeys = true;
  bool FThousands = true;
  bool FWrap = false;
  TUDBtnType FLastButton = updown::btNext;
};

class TUpDown : public TCustomUpDown {
  FW_CLASS(TUpDown)
 public:
  using TCustomUpDown::TCustomUpDown;
};
