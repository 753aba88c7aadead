#include "toolkit/Label.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TLabel::StaticClass() {
  static const TClassInfo info = [] {
    TClassBuilder<TLabel> b("TLabel", &TCustomLabel::StaticClass());
    b.Creatable();
    return PublishLabelProperties(b).Info();
  }();
  return info;
}
FW_REGISTER_CLASS(TLabel);
