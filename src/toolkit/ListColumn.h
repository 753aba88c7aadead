#pragma once
// One column of a list view in report style: caption, width, alignment
// and image.

#include <string>

#include "toolkit/ControlTypes.h"
#include "toolkit/portable/Collection.h"

class TListColumn : public TCollectionItem {
  FW_CLASS(TListColumn)
 public:
  explicit TListColumn(TCollection* Collection);
  ~TListColumn() override;

  std::string GetCaption() const { return FCaption; }
  void SetCaption(const std::string& Value);
  // The width as the list view shows it (the user may have dragged it).
  int GetWidth() const;
  void SetWidth(int Value);
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  int GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  bool Alive() const { return FAlive; }

 private:
  friend class TCustomListView;
  void Changed();

  std::string FCaption;
  int FWidth = 50;
  TAlignment FAlignment = taLeftJustify;
  int FImageIndex = -1;
  bool FAlive = true;
};
