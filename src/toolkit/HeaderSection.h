#pragma once
// One section of a header control: its text, width and limits,
// alignment, image, and whether it can be clicked or is drawn by the
// header's owner.

#include <string>

#include "toolkit/ControlTypes.h"
#include "toolkit/portable/Collection.h"

FW_ENUM(THeaderSectionStyle, hsText, hsOwnerDraw)

class THeaderSection : public TCollectionItem {
  FW_CLASS(THeaderSection)
 public:
  explicit THeaderSection(TCollection* Collection);
  ~THeaderSection() override;

  std::string GetText() const { return FText; }
  void SetText(const std::string& Value);
  int GetWidth() const { return FWidth; }
  // Kept between MinWidth and MaxWidth.
  void SetWidth(int Value);
  int GetMinWidth() const { return FMinWidth; }
  void SetMinWidth(int Value);
  int GetMaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int Value);
  TAlignment GetAlignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  int GetImageIndex() const { return FImageIndex; }
  void SetImageIndex(int Value);
  bool GetAllowClick() const { return FAllowClick; }
  void SetAllowClick(bool Value) { FAllowClick = Value; }
  THeaderSectionStyle GetStyle() const { return FStyle; }
  void SetStyle(THeaderSectionStyle Value);
  // The section's left edge within the header.
  int Left() const;
  bool Alive() const { return FAlive; }

 private:
  friend class TCustomHeaderControl;
  void Changed();

  std::string FText;
  int FWidth = 50;
  int FMinWidth = 0;
  int FMaxWidth = 10000;
  TAlignment FAlignment = taLeftJustify;
  int FImageIndex = -1;
  bool FAllowClick = true;
  THeaderSectionStyle FStyle = hsText;
  bool FAlive = true;
};
