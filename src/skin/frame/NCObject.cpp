#include "skin/frame/NCObject.h"

#include "skin/frame/FormSkinner.h"
#include "toolkit/portable/ClassBuilder.h"

const TClassInfo& TNCObject::StaticClass() {
  static const TClassInfo info = TClassBuilder<TNCObject>("TNCObject", nullptr).Info();
  return info;
}

TNCObject::TNCObject(TWinSkinForm& Owner) : FOwner(Owner) {}

TNCObject::~TNCObject() {
  if (FOwner.HotObject() == this) FOwner.SetHotObject(nullptr);
}

void TNCObject::TakeOverHot() {
  TNCObject* hot = FOwner.HotObject();
  if (hot && hot != this) hot->MouseLeave();
}

void TNCObject::MouseDown() {
  TakeOverHot();
  if (!Visible) return;
  FOwner.SetHotObject(this);
  State = osPressed;
  Paint();
}

void TNCObject::MouseUp() {
  if (!Visible) return;
  State = osHot;
  Paint();
}

void TNCObject::MouseEnter() {
  if (FOwner.HotObject() == this) return;
  TakeOverHot();
  if (!Visible) return;
  FOwner.SetHotObject(this);
  State = osHot;
  Paint();
}

void TNCObject::MouseLeave() {
  if (!Visible) return;
  if (FOwner.HotObject() == this) FOwner.SetHotObject(nullptr);
  State = osNormal;
  Paint();
}
