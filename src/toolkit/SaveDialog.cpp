#include "toolkit/SaveDialog.h"

#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TSaveDialog::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TSaveDialog>("TSaveDialog", &TOpenDialog::StaticClass()).Creatable().Info();
  return info;
}
FW_REGISTER_CLASS(TSaveDialog);

bool TSaveDialog::Execute() {
  return Run(dkSave);
}
