#pragma once
// The shell combo box as placed on a form: publishes its settings and
// events.

#include "shell/CustomShellComboBox.h"

class TVintoShellComboBox : public TCustomVintoShellComboBox {
  FW_CLASS(TVintoShellComboBox)
 public:
  using TCustomVintoShellComboBox::TCustomVintoShellComboBox;
};
