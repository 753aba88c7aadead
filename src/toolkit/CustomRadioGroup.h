#pragma once
// A group box whose Items are shown as radio buttons, one per line, in
// Columns columns filled top to bottom. ItemIndex is the checked item (-1:
// none); a click on an item, or an arrow key, checks it and then fires
// OnClick. The buttons are child controls of the group, owned by it; only
// the checked one (or the first, when none is) is a tab stop.

#include <memory>
#include <vector>

#include "toolkit/CustomGroupBox.h"
#include "toolkit/portable/Strings.h"

class TRadioButton;

class TCustomRadioGroup : public TCustomGroupBox {
  FW_CLASS(TCustomRadioGroup)
 public:
  explicit TCustomRadioGroup(TComponent* AOwner);
  ~TCustomRadioGroup() override;

  TStrings* GetItems() const { return FItems.get(); }
  int GetItemIndex() const { return FItemIndex; }
  // Out of range (once loaded) means none.
  void SetItemIndex(int Value);
  int GetColumns() const { return FColumns; }
  // At least 1.
  void SetColumns(int Value);
  int ButtonCount() const { return static_cast<int>(FButtons.size()); }
  TRadioButton* Buttons(int Index) const { return FButtons.at(static_cast<size_t>(Index)); }

  void Loaded() override;

 protected:
  void WndProc(TMessage& Message) override;
  void FontChanged() override;
  void EnabledChanged() override;

 private:
  void ItemsChanged(TObject*);
  void ButtonClick(TObject* Sender);
  void UpdateButtons();
  void ArrangeButtons();
  void UpdateTabStops();

  std::unique_ptr<TStringList> FItems;
  std::vector<TRadioButton*> FButtons;
  int FItemIndex = -1;
  int FColumns = 1;
  bool FUpdatingButtons = false;
};

class TRadioGroup : public TCustomRadioGroup {
  FW_CLASS(TRadioGroup)
 public:
  using TCustomRadioGroup::TCustomRadioGroup;
};
