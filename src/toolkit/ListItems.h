#pragma once
// The items of a list view in the order shown. The list owns them; they
// outlive the window (a list view whose window is made again shows them
// again).

#include <string>
#include <vector>

#include "toolkit/ListItem.h"

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
