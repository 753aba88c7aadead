#pragma once
// The sections of a header control, from the left.

#include "toolkit/HeaderSection.h"

class THeaderSections : public TCollection {
  FW_CLASS(THeaderSections)
 public:
  // Owner: the header control.
  explicit THeaderSections(TObject* Owner);
  THeaderSection& Items(int Index) const { return static_cast<THeaderSection&>(*Item(Index)); }
  THeaderSection& Add(const std::string& Text = {}, int Width = 50);
};
