#pragma once
// The columns of a list view, from the left.

#include "toolkit/ListColumn.h"

class TListColumns : public TCollection {
  FW_CLASS(TListColumns)
 public:
  // Owner: the list view.
  explicit TListColumns(TObject* Owner);
  TListColumn& Items(int Index) const { return static_cast<TListColumn&>(*Item(Index)); }
  TListColumn& Add(const std::string& Caption = {}, int Width = 50,
                   TAlignment Alignment = taLeftJustify);
};
