#pragma once
// Base of the font, brush and pen: an object with published properties that
// tells its owner when it changes.

#include "toolkit/portable/ClassInfo.h"
#include "toolkit/portable/Event.h"

class TGraphicsObject : public TObject {
  FW_CLASS(TGraphicsObject)
 public:
  TNotifyEvent OnChange;

 protected:
  // Drops the cached handle and fires OnChange.
  virtual void Changed();
};
