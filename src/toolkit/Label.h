#pragma once
// The published text label.

#include "toolkit/CustomLabel.h"

class TLabel : public TCustomLabel {
  FW_CLASS(TLabel)
 public:
  using TCustomLabel::TCustomLabel;
};
