#include "toolkit/ListColumns.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TListColumns::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TListColumns>("TListColumns", &TCollection::StaticClass()).Info();
  return info;
}

TListColumns::TListColumns(TObject* Owner) : TCollection(TListColumn::StaticClass(), Owner) {}

TListColumn& TListColumns::Add(const std::string& Caption, int Width, TAlignment Alignment) {
  auto& column = static_cast<TListColumn&>(*TCollection::Add());
  column.SetCaption(Caption);
  column.SetWidth(Width);
  column.SetAlignment(Alignment);
  return column;
}
