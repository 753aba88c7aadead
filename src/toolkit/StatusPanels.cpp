#include "toolkit/StatusPanels.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TStatusPanels::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TStatusPanels>("TStatusPanels", &TCollection::StaticClass()).Info();
  return info;
}

TStatusPanels::TStatusPanels(TObject* Owner) : TCollection(TStatusPanel::StaticClass(), Owner) {}

TStatusPanel& TStatusPanels::Add(const std::string& Text, int Width) {
  auto& panel = static_cast<TStatusPanel&>(*TCollection::Add());
  panel.SetText(Text);
  panel.SetWidth(Width);
  return panel;
}
