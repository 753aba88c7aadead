#pragma once
// The items of a list view in the order shown. The list owns them; they
// outlive the window (a list view whose window is made again shows them
// again).

#include <string>
#include <vector>

#include "toolkit/ListItem.h"

// How an item looks from the start, so that many items go into the window
// with one message each. An image index of I_IMAGECALLBACK (-1) has the
// list's ItemImage asked when the item is drawn; SubItemsOnDemand columns
// after the first are asked of the list's ProvideSubItems when first shown.
struct TListItemLook {
  int ImageIndex = -1;
  int OverlayIndex = -1;
  bool Cut = false;
  int SubItemsOnDemand = 0;
  void* Data = nullptr;
};

class TListItems {
 public:
  explicit TListItems(TCustomListView& Owner) : FOwner(Owner) {}
  ~TListItems();
  TListItems(const TListItems&) = delete;
  TListItems& operator=(const TListItems&) = delete;

  TCustomListView& Owner() const { return FOwner; }
  int Count() const { return static_cast<int>(FItems.size()); }
  // Throws std::out_of_range outside 0 .. Count - 1.
  TListItem* Item(int Index) const { return FItems.at(Index); }
  int IndexOf(const TListItem* Item) const;

  TListItem* Add(const std::string& Caption = {});
  TListItem* Add(const std::string& Caption, const TListItemLook& Look);
  // Index may be Count (appends).
  TListItem* Insert(int Index, const std::string& Caption = {});
  // The list's deletion reaction runs first, then the item is freed.
  void Delete(int Index);
  void Clear();
  // Suspends redrawing while many items change; calls nest.
  void BeginUpdate();
  void EndUpdate();

 private:
  friend class TCustomListView;
  friend class TListItem;
  // Puts one item into the window at its index.
  void InsertIntoWindow(int Index);
  // Frees the item objects without reactions (the list goes).
  void FreeAll();

  TCustomListView& FOwner;
  std::vector<TListItem*> FItems;
  int FUpdateCount = 0;
};
