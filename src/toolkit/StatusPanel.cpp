#include "toolkit/StatusPanel.h"

#include "toolkit/StatusBar.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TStatusPanel::StaticClass() {
  using T = TStatusPanel;
  static const TClassInfo info =
      TClassBuilder<T>("TStatusPanel", &TCollectionItem::StaticClass())
          .Creatable()
          .Prop("Text", &T::GetText, &T::SetText, std::string())
          .Prop("Width", &T::GetWidth, &T::SetWidth, 50)
          .Prop("Alignment", &T::GetAlignment, &T::SetAlignment, taLeftJustify)
          .Prop("Bevel", &T::GetBevel, &T::SetBevel, pbLowered)
          .Prop("Style", &T::GetStyle, &T::SetStyle, psText)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TStatusPanel);

TStatusPanel::TStatusPanel(TCollection* Collection) : TCollectionItem(Collection) {
  Changed();
}

TStatusPanel::~TStatusPanel() {
  // Still in the collection here: the bar leaves it out.
  FAlive = false;
  Changed();
}

void TStatusPanel::Changed() {
  if (!Collection()) return;
  if (auto* bar = dynamic_cast<TCustomStatusBar*>(Collection()->Owner())) bar->UpdatePanels();
}

void TStatusPanel::SetText(const std::string& Value) {
  if (Value == FText) return;
  FText = Value;
  Changed();
}

void TStatusPanel::SetWidth(int Value) {
  FWidth = Value < 0 ? 0 : Value;
  Changed();
}

void TStatusPanel::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  Changed();
}

void TStatusPanel::SetBevel(TStatusPanelBevel Value) {
  FBevel = Value;
  Changed();
}

void TStatusPanel::SetStyle(TStatusPanelStyle Value) {
  FStyle = Value;
  Changed();
}
