#pragma once
// A push button over the system BUTTON class; clicks arrive as its own
// BN_CLICKED notification.

#include "toolkit/WinControl.h"

class TButton : public TWinControl {
  FW_CLASS(TButton)
 public:
  explicit TButton(TComponent* AOwner);

  bool GetDefault() const { return FDefault; }
  void SetDefault(bool Value);
  bool GetCancel() const { return FCancel; }
  void SetCancel(bool Value) { FCancel = Value; }
  void Click() override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void WndProc(TMessage& Message) override;

 private:
  bool FDefault = false;
  bool FCancel = false;
};
