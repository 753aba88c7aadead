#include "skin/painters/SkinTabBtn.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSkinTabBtn::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSkinTabBtn>("TSkinTabBtn", &TSkinTab::StaticClass()).Info();
  return info;
}
