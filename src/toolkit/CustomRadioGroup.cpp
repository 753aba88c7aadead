#include "toolkit/CustomRadioGroup.h"

#include <algorithm>

#include "toolkit/RadioButton.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TCustomRadioGroup::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TCustomRadioGroup>("TCustomRadioGroup", &TCustomGroupBox::StaticClass()).Info();
  return info;
}

const TClassInfo& TRadioGroup::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TRadioGroup>("TRadioGroup", &TCustomRadioGroup::StaticClass())
          .Creatable()
          .Prop("Caption", &TControl::GetText, &TControl::SetText, std::string())
          .Prop("ParentColor", &TControl::GetParentColor, &TControl::SetParentColor, true)
          .ObjectProp("Items", &TCustomRadioGroup::GetItems)
          .Prop("ItemIndex", &TCustomRadioGroup::GetItemIndex, &TCustomRadioGroup::SetItemIndex, -1)
          .Prop("Columns", &TCustomRadioGroup::GetColumns, &TCustomRadioGroup::SetColumns, 1)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TRadioGroup);

TCustomRadioGroup::TCustomRadioGroup(TComponent* AOwner)
    : TCustomGroupBox(AOwner), FItems(std::make_unique<TStringList>()) {
  FItems->OnChange = TNotifyEvent(this, &TCustomRadioGroup::ItemsChanged);
}

TCustomRadioGroup::~TCustomRadioGroup() {
  FItems->OnChange = TNotifyEvent();
}

void TCustomRadioGroup::ItemsChanged(TObject*) {
  if (!ComponentState().Contains(csLoading) && FItemIndex >= FItems->Count()) FItemIndex = -1;
  UpdateButtons();
}

void TCustomRadioGroup::UpdateButtons() {
  FUpdatingButtons = true;
  const auto count = static_cast<size_t>(FItems->Count());
  while (FButtons.size() > count) {
    delete FButtons.back();
    FButtons.pop_back();
  }
  while (FButtons.size() < count) {
    auto* button = new TRadioButton(this);
    button->OnClick = TNotifyEvent(this, &TCustomRadioGroup::ButtonClick);
    button->SetEnabled(GetEnabled());
    button->SetParent(this);
    FButtons.push_back(button);
  }
  for (size_t i = 0; i < count; ++i) {
    FButtons[i]->SetText(FItems->Get(static_cast<int>(i)));
    FButtons[i]->SetChecked(static_cast<int>(i) == FItemIndex);
  }
  FUpdatingButtons = false;
  UpdateTabStops();
  ArrangeButtons();
}

void TCustomRadioGroup::UpdateTabStops() {
  for (size_t i = 0; i < FButtons.size(); ++i) {
    const int index = static_cast<int>(i);
    FButtons[i]->SetTabStop(index == FItemIndex || (FItemIndex < 0 && index == 0));
  }
}

void TCustomRadioGroup::ArrangeButtons() {
  if (FButtons.empty()) return;
  RECT r = ContentRect();
  const int count = static_cast<int>(FButtons.size());
  const int columns = std::min(FColumns, count);
  const int rows = (count + columns - 1) / columns;
  // The buttons stand in from the frame as far as the controls placed in a
  // group box usually do.
  constexpr int kIndent = 12;
  const int columnWidth = std::max(0, static_cast<int>(r.right - r.left) - kIndent) / columns;
  const int rowHeight = (r.bottom - r.top) / rows;
  for (int i = 0; i < count; ++i) {
    const int column = i / rows, row = i % rows;
    FButtons[static_cast<size_t>(i)]->SetBounds(r.left + kIndent + column * columnWidth,
                                                r.top + row * rowHeight, columnWidth, rowHeight);
  }
}

void TCustomRadioGroup::ButtonClick(TObject* Sender) {
  if (FUpdatingButtons) return;
  auto it = std::find(FButtons.begin(), FButtons.end(), Sender);
  if (it == FButtons.end()) return;
  FItemIndex = static_cast<int>(it - FButtons.begin());
  UpdateTabStops();
  Click();
}

void TCustomRadioGroup::SetItemIndex(int Value) {
  if (ComponentState().Contains(csLoading)) {
    FItemIndex = Value;
    return;
  }
  if (Value < -1 || Value >= FItems->Count()) Value = -1;
  FItemIndex = Value;
  for (size_t i = 0; i < FButtons.size(); ++i)
    FButtons[i]->SetChecked(static_cast<int>(i) == Value);
  UpdateTabStops();
}

void TCustomRadioGroup::SetColumns(int Value) {
  Value = std::max(Value, 1);
  if (Value == FColumns) return;
  FColumns = Value;
  ArrangeButtons();
}

void TCustomRadioGroup::Loaded() {
  TCustomGroupBox::Loaded();
  SetItemIndex(FItemIndex);
  ArrangeButtons();
}

void TCustomRadioGroup::FontChanged() {
  TCustomGroupBox::FontChanged();
  ArrangeButtons();
}

void TCustomRadioGroup::EnabledChanged() {
  TCustomGroupBox::EnabledChanged();
  for (TRadioButton* b : FButtons) b->SetEnabled(GetEnabled());
}

void TCustomRadioGroup::WndProc(TMessage& Message) {
  TCustomGroupBox::WndProc(Message);
  if (Message.Msg == WM_SIZE) ArrangeButtons();
}
