#pragma once
// A list of text items over the system LISTBOX class. ItemIndex is the
// item with the caret (the selected one in a single-selection list, -1 for
// none); with MultiSelect several items can be selected (Selected), with
// ExtendedSelect by Shift and Ctrl clicks, else each click toggles one.
// A selection made by the user fires OnClick; a double click OnDblClick.
// ScrollWidth above the client width gives a horizontal scroll bar.

#include <memory>

#include "toolkit/CustomPanel.h"
#include "toolkit/WinControl.h"
#include "toolkit/portable/Strings.h"

class TItemStrings;

class TCustomListBox : public TWinControl {
  FW_CLASS(TCustomListBox)
 public:
  explicit TCustomListBox(TComponent* AOwner);
  ~TCustomListBox() override;

  TStrings* GetItems() const;
  int GetItemIndex() const;
  void SetItemIndex(int Value);
  bool GetMultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  bool GetExtendedSelect() const { return FExtendedSelect; }
  void SetExtendedSelect(bool Value);
  bool GetSorted() const { return FSorted; }
  void SetSorted(bool Value);
  int GetColumns() const { return FColumns; }
  void SetColumns(int Value);
  bool GetIntegralHeight() const { return FIntegralHeight; }
  void SetIntegralHeight(bool Value);
  int GetItemHeight() const;
  void SetItemHeight(int Value);
  int GetScrollWidth() const { return FScrollWidth; }
  void SetScrollWidth(int Value);
  int GetTopIndex() const;
  void SetTopIndex(int Value);
  TBorderStyle GetBorderStyle() const { return FBorderStyle; }
  void SetBorderStyle(TBorderStyle Value);

  bool Selected(int Index) const;
  void SetSelected(int Index, bool Value);
  int SelCount() const;
  // The item at a client point, or -1.
  int ItemAtPos(POINT P) const;
  RECT ItemRect(int Index) const;
  void Clear();

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& Message) override;

 private:
  std::unique_ptr<TItemStrings> FItems;
  int FItemIndex = -1;  // kept while there is no window
  bool FMultiSelect = false;
  bool FExtendedSelect = true;
  bool FSorted = false;
  int FColumns = 0;
  bool FIntegralHeight = false;
  int FItemHeight = 16;
  int FScrollWidth = 0;
  TBorderStyle FBorderStyle = bsSingle;
};

class TListBox : public TCustomListBox {
  FW_CLASS(TListBox)
 public:
  using TCustomListBox::TCustomListBox;
};
