#include "toolkit/HeaderSection.h"

#include <algorithm>

#include "toolkit/HeaderControl.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& THeaderSection::StaticClass() {
  using T = THeaderSection;
  static const TClassInfo info =
      TClassBuilder<T>("THeaderSection", &TCollectionItem::StaticClass())
          .Creatable()
          .Prop("Text", &T::GetText, &T::SetText, std::string())
          .Prop("Width", &T::GetWidth, &T::SetWidth, 50)
          .Prop("MinWidth", &T::GetMinWidth, &T::SetMinWidth, 0)
          .Prop("MaxWidth", &T::GetMaxWidth, &T::SetMaxWidth, 10000)
          .Prop("Alignment", &T::GetAlignment, &T::SetAlignment, taLeftJustify)
          .Prop("ImageIndex", &T::GetImageIndex, &T::SetImageIndex, -1)
          .Prop("AllowClick", &T::GetAllowClick, &T::SetAllowClick, true)
          .Prop("Style", &T::GetStyle, &T::SetStyle, hsText)
          .Info();
  return info;
}
FW_REGISTER_CLASS(THeaderSection);

THeaderSection::THeaderSection(TCollection* Collection) : TCollectionItem(Collection) {
  Changed();
}

THeaderSection::~THeaderSection() {
  FAlive = false;
  Changed();
}

void THeaderSection::Changed() {
  if (!Collection()) return;
  if (auto* header = dynamic_cast<TCustomHeaderControl*>(Collection()->Owner()))
    header->UpdateSections();
}

void THeaderSection::SetText(const std::string& Value) {
  FText = Value;
  Changed();
}

void THeaderSection::SetWidth(int Value) {
  FWidth = std::clamp(Value, FMinWidth, std::max(FMinWidth, FMaxWidth));
  Changed();
}

void THeaderSection::SetMinWidth(int Value) {
  FMinWidth = std::max(0, Value);
  if (FWidth < FMinWidth) SetWidth(FMinWidth);
}

void THeaderSection::SetMaxWidth(int Value) {
  FMaxWidth = std::max(0, Value);
  if (FWidth > FMaxWidth) SetWidth(FMaxWidth);
}

void THeaderSection::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  Changed();
}

void THeaderSection::SetImageIndex(int Value) {
  FImageIndex = Value;
  Changed();
}

void THeaderSection::SetStyle(THeaderSectionStyle Value) {
  FStyle = Value;
  Changed();
}

int THeaderSection::Left() const {
  int left = 0;
  for (int i = 0; i < Index(); ++i)
    left += static_cast<THeaderSection*>(Collection()->Item(i))->FWidth;
  return left;
}
