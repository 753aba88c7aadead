#pragma once
// A list view over the system SysListView32 control: items with images in
// icon, small-icon, list or report style, report columns, single or
// multiple selection, caption editing and sorting with a comparison
// function. The reactions to the control's notifications are virtual so
// that a derived list can take them over: may change, changed (after
// every change notification), selected, may edit, edit done, item
// deleted, column clicked, items dragged, key down, double click, context
// pop-up, window made and destroyed.

#include <functional>
#include <memory>
#include <string>

#include "toolkit/ImageList.h"
#include "toolkit/ListColumns.h"
#include "toolkit/ListItems.h"
#include "toolkit/WinControl.h"
#include "toolkit/portable/ClassBuilder.h"

FW_ENUM(TViewStyle, vsIcon, vsSmallIcon, vsList, vsReport)
FW_ENUM(TItemChange, ctText, ctImage, ctState)

class TCustomListView;
using TLVChangeEvent = TEvent<TObject*, TListItem*, TItemChange>;
using TLVChangingEvent = TEvent<TObject*, TListItem*, TItemChange, bool&>;
using TLVSelectItemEvent = TEvent<TObject*, TListItem*, bool>;
using TLVDeletedEvent = TEvent<TObject*, TListItem*>;
using TLVEditingEvent = TEvent<TObject*, TListItem*, bool&>;
using TLVEditedEvent = TEvent<TObject*, TListItem*, std::string&>;
using TLVColumnClickEvent = TEvent<TObject*, TListColumn*>;
using TLVCompareEvent = TEvent<TObject*, TListItem*, TListItem*, int&>;
// Negative when A comes first; Data is what CustomSort was given.
using TLVCompare = std::function<int(TListItem* A, TListItem* B, LPARAM Data)>;

class TCustomListView : public TWinControl {
  FW_CLASS(TCustomListView)
 public:
  explicit TCustomListView(TComponent* AOwner);
  ~TCustomListView() override;

  TListItems& Items() { return FItems; }
  TListColumns& Columns() { return *FColumns; }
  TListColumns* GetColumns() const { return FColumns.get(); }

  TViewStyle GetViewStyle() const { return FViewStyle; }
  void SetViewStyle(TViewStyle Value);
  TImageList* GetLargeImages() const { return FLargeImages; }
  void SetLargeImages(TImageList* Value);
  TImageList* GetSmallImages() const { return FSmallImages; }
  void SetSmallImages(TImageList* Value);
  TImageList* GetStateImages() const { return FStateImages; }
  void SetStateImages(TImageList* Value);
  bool GetMultiSelect() const { return FMultiSelect; }
  void SetMultiSelect(bool Value);
  bool GetReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  bool GetHideSelection() const { return FHideSelection; }
  void SetHideSelection(bool Value);
  bool GetShowColumnHeaders() const { return FShowColumnHeaders; }
  void SetShowColumnHeaders(bool Value);
  bool GetColumnClick() const { return FColumnClick; }
  void SetColumnClick(bool Value);
  bool GetRowSelect() const { return FRowSelect; }
  void SetRowSelect(bool Value);
  bool GetGridLines() const { return FGridLines; }
  void SetGridLines(bool Value);
  bool GetHotTrack() const { return FHotTrack; }
  void SetHotTrack(bool Value);
  bool GetCheckboxes() const { return FCheckboxes; }
  void SetCheckboxes(bool Value);

  // The first selected item, or null.
  TListItem* Selected() const;
  int SelCount() const;
  TListItem* ItemFocused() const;
  void SetItemFocused(TListItem* Item);
  // The next item after Start (null: from the top) with the system's
  // LVNI_ flags, or null.
  TListItem* GetNextItem(TListItem* Start, UINT Flags) const;
  // The item at a client point, or null.
  TListItem* GetItemAt(int X, int Y) const;
  void ClearSelection();
  void SelectAll();
  bool IsEditing() const { return FEditing; }
  // The width of a text in the list's font, in pixels.
  int StringWidth(const std::string& Text);
  // The system header window of the report style, or null.
  HWND HeaderHandle() const;

  // Sorts the items by Compare; an exception from it comes out here after
  // the list is back in one piece.
  void CustomSort(const TLVCompare& Compare, LPARAM Data);
  // Sorts by OnCompare when assigned, else by caption ignoring case.
  void AlphaSort();

  // Shows the columns as they are now (columns call it when they change).
  void UpdateColumns();

  TLVChangeEvent OnChange;
  TLVChangingEvent OnChanging;
  TLVSelectItemEvent OnSelectItem;
  TLVDeletedEvent OnDeletion;
  TLVEditingEvent OnEditing;
  TLVEditedEvent OnEdited;
  TLVColumnClickEvent OnColumnClick;
  TLVCompareEvent OnCompare;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void DestroyWnd() override;
  void WndProc(TMessage& Message) override;
  void Notification(TComponent* AComponent, TOperation Operation) override;

  virtual bool CanChange(TListItem* Item, TItemChange Change);
  virtual void Change(TListItem* Item, TItemChange Change) { OnChange(this, Item, Change); }
  virtual void SelectItem(TListItem* Item, bool Selected) { OnSelectItem(this, Item, Selected); }
  virtual bool CanEdit(TListItem* Item);
  // Editing ended with a new text: the base fires OnEdited and stores the
  // (possibly changed) text as the caption. An override that does not call
  // it keeps the old caption.
  virtual void Edit(const LVITEMA& Item);
  // The item is about to be freed.
  virtual void Delete(TListItem* Item) { OnDeletion(this, Item); }
  virtual void ColClick(TListColumn* Column) { OnColumnClick(this, Column); }
  // The user began dragging the selected items with Button.
  virtual void DragItems(TMouseButton Button) {}
  // How AlphaSort orders two items.
  virtual int CompareItems(TListItem* A, TListItem* B);
  // The image of an item added with I_IMAGECALLBACK, asked when it is drawn
  // (the index is then kept); none by default.
  virtual int ItemImage(TListItem* Item) { return I_IMAGENONE; }
  // The texts of an item's further columns, for an item added with
  // sub-items on demand; asked once, when they are first needed.
  virtual std::vector<std::string> ProvideSubItems(TListItem* Item) { return {}; }

 private:
  friend class TListItems;
  friend class TListItem;
  bool HandleNotify(TMessage& Message);
  // Answers the control's request for what an item shows.
  void ProvideDisplayInfo(NMLVDISPINFOA& Info, bool Wide);
  void HandleItemChanged(const NMLISTVIEW& Change);
  void ApplyImages();
  void ApplyExtendedStyle();
  void ApplyColors();
  void SetImageList(TImageList*& Field, TImageList* Value);
  void ReadOrderFromWindow();
  TListItem* ItemOfIndex(int Index) const;
  void RecreateKeepingItems();

  TListItems FItems;
  std::unique_ptr<TListColumns> FColumns;
  TViewStyle FViewStyle = vsIcon;
  TImageList* FLargeImages = nullptr;
  TImageList* FSmallImages = nullptr;
  TImageList* FStateImages = nullptr;
  bool FMultiSelect = false;
  bool FReadOnly = false;
  bool FHideSelection = true;
  bool FShowColumnHeaders = true;
  bool FColumnClick = true;
  bool FRowSelect = false;
  bool FGridLines = false;
  bool FHotTrack = false;
  bool FCheckboxes = false;
  bool FEditing = false;
  // Set while the window goes and while items are put into it: the
  // system's notifications then are the toolkit's own doing.
  bool FQuiet = false;
};

class TListView : public TCustomListView {
  FW_CLASS(TListView)
 public:
  using TCustomListView::TCustomListView;
};

// Published list-view properties and events, for TListView and lists that
// derive from TCustomListView.
template <class C>
TClassBuilder<C>& PublishListViewProperties(TClassBuilder<C>& B) {
  using T = TCustomListView;
  return B
      .ColorProp("Color", &TControl::GetColor, &TControl::SetColor, static_cast<int>(0x80000005))
      .Prop("TabStop", &TWinControl::GetTabStop, &TWinControl::SetTabStop, true)
      .CollectionProp("Columns", &T::GetColumns)
      .Prop("ViewStyle", &T::GetViewStyle, &T::SetViewStyle, vsIcon)
      .PropNoDefault("LargeImages", &T::GetLargeImages, &T::SetLargeImages)
      .PropNoDefault("SmallImages", &T::GetSmallImages, &T::SetSmallImages)
      .PropNoDefault("StateImages", &T::GetStateImages, &T::SetStateImages)
      .Prop("MultiSelect", &T::GetMultiSelect, &T::SetMultiSelect, false)
      .Prop("ReadOnly", &T::GetReadOnly, &T::SetReadOnly, false)
      .Prop("HideSelection", &T::GetHideSelection, &T::SetHideSelection, true)
      .Prop("ShowColumnHeaders", &T::GetShowColumnHeaders, &T::SetShowColumnHeaders, true)
      .Prop("ColumnClick", &T::GetColumnClick, &T::SetColumnClick, true)
      .Prop("RowSelect", &T::GetRowSelect, &T::SetRowSelect, false)
      .Prop("GridLines", &T::GetGridLines, &T::SetGridLines, false)
      .Prop("HotTrack", &T::GetHotTrack, &T::SetHotTrack, false)
      .Prop("Checkboxes", &T::GetCheckboxes, &T::SetCheckboxes, false)
      .EventProp("OnChange", &T::OnChange)
      .EventProp("OnChanging", &T::OnChanging)
      .EventProp("OnSelectItem", &T::OnSelectItem)
      .EventProp("OnDeletion", &T::OnDeletion)
      .EventProp("OnEditing", &T::OnEditing)
      .EventProp("OnEdited", &T::OnEdited)
      .EventProp("OnColumnClick", &T::OnColumnClick)
      .EventProp("OnCompare", &T::OnCompare);
}
