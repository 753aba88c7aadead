#pragma once
// A collection: an ordered list of items of one class that the collection
// owns. Each item knows its collection and its position there; the collection
// knows its item class (items are created through the class information, so
// a form description can fill it) and the object that owns it.
//
// An item is created by the collection (Add) and removed either through the
// collection (Delete, Clear) or by deleting the item, which takes it out of
// its collection.

#include <stdexcept>
#include <vector>

#include "toolkit/portable/ClassInfo.h"

class TCollection;

class TCollectionItem : public TObject {
  FW_CLASS(TCollectionItem)
 public:
  // Appends the new item to Collection (when given).
  explicit TCollectionItem(TCollection* Collection);
  ~TCollectionItem() override;
  TCollectionItem(const TCollectionItem&) = delete;
  TCollectionItem& operator=(const TCollectionItem&) = delete;

  TCollection* Collection() const { return FCollection; }
  // Position in the collection; -1 when the item belongs to none.
  int Index() const;

 private:
  friend class TCollection;
  TCollection* FCollection = nullptr;
};

class ECollectionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TCollection : public TObject {
  FW_CLASS(TCollection)
 public:
  // ItemClass must derive from TCollectionItem and be creatable (its class
  // builder marks it so); Owner is the object whose property the collection
  // is, or null.
  TCollection(const TClassInfo& ItemClass, TObject* Owner);
  ~TCollection() override;
  TCollection(const TCollection&) = delete;
  TCollection& operator=(const TCollection&) = delete;

  const TClassInfo& ItemClass() const { return FItemClass; }
  TObject* Owner() const { return FOwner; }

  int Count() const { return static_cast<int>(FItems.size()); }
  // Throws std::out_of_range for an index outside 0 .. Count - 1.
  TCollectionItem* Item(int Index) const { return FItems.at(Index); }
  int IndexOf(const TCollectionItem* Item) const;

  // A new item of the item class at the end.
  TCollectionItem* Add();
  void Delete(int Index);
  void Clear();

 private:
  friend class TCollectionItem;
  void InsertItem(TCollectionItem* Item);
  void RemoveItem(TCollectionItem* Item);

  const TClassInfo& FItemClass;
  TObject* FOwner;
  std::vector<TCollectionItem*> FItems;
};
