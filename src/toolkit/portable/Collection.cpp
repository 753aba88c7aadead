#include "toolkit/portable/Collection.h"

#include <algorithm>

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TCollectionItem::StaticClass() {
  static const TClassInfo info = TClassBuilder<TCollectionItem>("TCollectionItem", nullptr).Info();
  return info;
}
FW_REGISTER_CLASS(TCollectionItem);

const TClassInfo& TCollection::StaticClass() {
  static const TClassInfo info = TClassBuilder<TCollection>("TCollection", nullptr).Info();
  return info;
}
FW_REGISTER_CLASS(TCollection);

TCollectionItem::TCollectionItem(TCollection* Collection) {
  if (Collection) Collection->InsertItem(this);
}

TCollectionItem::~TCollectionItem() {
  if (FCollection) FCollection->RemoveItem(this);
}

int TCollectionItem::Index() const {
  return FCollection ? FCollection->IndexOf(this) : -1;
}

TCollection::TCollection(const TClassInfo& ItemClass, TObject* Owner)
    : FItemClass(ItemClass), FOwner(Owner) {
  if (!ItemClass.InheritsFrom(TCollectionItem::StaticClass()))
    throw ECollectionError(ItemClass.Name() + " is no collection item class");
}

TCollection::~TCollection() {
  Clear();
}

int TCollection::IndexOf(const TCollectionItem* Item) const {
  const auto it = std::find(FItems.begin(), FItems.end(), Item);
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}

TCollectionItem* TCollection::Add() {
  if (!FItemClass.ItemFactory())
    throw ECollectionError("items of class " + FItemClass.Name() + " cannot be created");
  // The item puts itself at the end.
  return FItemClass.ItemFactory()(this);
}

void TCollection::Delete(int Index) {
  delete Item(Index);
}

void TCollection::Clear() {
  while (!FItems.empty()) delete FItems.back();
}

void TCollection::InsertItem(TCollectionItem* Item) {
  FItems.push_back(Item);
  Item->FCollection = this;
}

void TCollection::RemoveItem(TCollectionItem* Item) {
  const auto it = std::find(FItems.begin(), FItems.end(), Item);
  if (it != FItems.end()) FItems.erase(it);
  Item->FCollection = nullptr;
}
