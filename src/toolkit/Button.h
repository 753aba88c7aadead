#pragma once
// A push button over the system BUTTON class.

#include "toolkit/ButtonControl.h"

class TButton : public TButtonControl {
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
  // Owner-drawn buttons draw their default frame themselves and keep their
  // style when the default changes.
  bool IsOwnerDrawn() const;

 private:
  bool FDefault = false;
  bool FCancel = false;
};
