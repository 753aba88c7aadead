#pragma once
// The panels of a status bar, in order from the left.

#include "toolkit/StatusPanel.h"

class TStatusPanels : public TCollection {
  FW_CLASS(TStatusPanels)
 public:
  // Owner: the status bar.
  explicit TStatusPanels(TObject* Owner);
  TStatusPanel& Items(int Index) const { return static_cast<TStatusPanel&>(*Item(Index)); }
  TStatusPanel& Add(const std::string& Text = {}, int Width = 50);
};
