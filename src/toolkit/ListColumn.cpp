#include "toolkit/ListColumn.h"

#include "toolkit/ListView.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TListColumn::StaticClass() {
  using T = TListColumn;
  static const TClassInfo info =
      TClassBuilder<T>("TListColumn", &TCollectionItem::StaticClass())
          .Creatable()
          .Prop("Caption", &T::GetCaption, &T::SetCaption, std::string())
          .Prop("Width", &T::GetWidth, &T::SetWidth, 50)
          .Prop("Alignment", &T::GetAlignment, &T::SetAlignment, taLeftJustify)
          .Prop("ImageIndex", &T::GetImageIndex, &T::SetImageIndex, -1)
          .Info();
  return info;
}
FW_REGISTER_CLASS(TListColumn);

TListColumn::TListColumn(TCollection* Collection) : TCollectionItem(Collection) {
  Changed();
}

TListColumn::~TListColumn() {
  FAlive = false;
  Changed();
}

void TListColumn::Changed() {
  if (!Collection()) return;
  if (auto* list = dynamic_cast<TCustomListView*>(Collection()->Owner())) list->UpdateColumns();
}

void TListColumn::SetCaption(const std::string& Value) {
  FCaption = Value;
  Changed();
}

int TListColumn::GetWidth() const {
  if (Collection())
    if (auto* list = dynamic_cast<TCustomListView*>(Collection()->Owner());
        list && list->HandleAllocated())
      return ListView_GetColumnWidth(list->WindowHandle(), Index());
  return FWidth;
}

void TListColumn::SetWidth(int Value) {
  FWidth = Value;
  Changed();
}

void TListColumn::SetAlignment(TAlignment Value) {
  FAlignment = Value;
  Changed();
}

void TListColumn::SetImageIndex(int Value) {
  FImageIndex = Value;
  Changed();
}
