#pragma once
// A list of text items over the system LISTBOX class. ItemIndex is the
// item with the caret (the selected one in a single-selection list, -1 for
// none); with MultiSelect several items can be selected (Selected), with
// ExtendedSelect by Shift and Ctrl clicks, else each click toggles one.
// A selection made by the user fires OnClick; a double click OnDblClick.
// ScrollWidth above the client width gives a horizontal scroll bar.
// Style lbOwnerDrawFixed draws every item through OnDrawItem on Canvas,
// lbOwnerDrawVariable also asks OnMeasureItem for each item's height.

#include <memory>

#include "toolkit/Canvas.h"
#include "toolkit/CustomPanel.h"
#include "toolkit/OwnerDrawItem.h"
#include "toolkit/WinControl.h"
#include "toolkit/portable/Strings.h"

class TItemStrings;

FW_ENUM(TListBoxStyle, lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable)

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
  TListBoxStyle GetStyle() const { return FStyle; }
  void SetStyle(TListBoxStyle Value);
  TCanvas& Canvas() { return FCanvas; }

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

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
  void DrawItem(const DRAWITEMSTRUCT& Item);
  void MeasureItem(MEASUREITEMSTRUCT& Item);

  std::unique_ptr<TItemStrings> FItems;
  TCanvas FCanvas;
  TListBoxStyle FStyle = lbStandard;
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
