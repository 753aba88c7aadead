#include "toolkit/GraphicsObject.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TGraphicsObject::StaticClass() {
  static const TClassInfo info = TClassBuilder<TGraphicsObject>("TGraphicsObject", nullptr).Info();
  return info;
}

void TGraphicsObject::Changed() {
  OnChange(this);
}
