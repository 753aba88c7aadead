#include "toolkit/HeaderSections.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& THeaderSections::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<THeaderSections>("THeaderSections", &TCollection::StaticClass()).Info();
  return info;
}

THeaderSections::THeaderSections(TObject* Owner)
    : TCollection(THeaderSection::StaticClass(), Owner) {}

THeaderSection& THeaderSections::Add(const std::string& Text, int Width) {
  auto& section = static_cast<THeaderSection&>(*TCollection::Add());
  section.SetText(Text);
  section.SetWidth(Width);
  return section;
}
