#pragma once
// The system's save-file dialog: the open dialog's properties, with the
// system's save dialog behind Execute.

#include "toolkit/OpenDialog.h"

class TSaveDialog : public TOpenDialog {
  FW_CLASS(TSaveDialog)
 public:
  explicit TSaveDialog(TComponent* AOwner) : TOpenDialog(AOwner) {}

  bool Execute() override;
};
