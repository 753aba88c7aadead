#pragma once
// An object of a skinned window's non-client area that the mouse can be
// over and press: a title button or an item of the skinned menu bar. The
// form skinner owns these, hands them its non-client mouse messages and
// keeps track of the one under the mouse (its hot object).

#include <windows.h>

#include "toolkit/portable/ClassInfo.h"

class TWinSkinForm;

class TNCObject : public TObject {
  FW_CLASS(TNCObject)
 public:
  enum TObjectState { osNormal = 1, osPressed = 2, osHot = 3 };

  explicit TNCObject(TWinSkinForm& Owner);
  // An object going while hot is let go by its form first, so that the hover
  // timer never reaches it.
  ~TNCObject() override;
  TNCObject(const TNCObject&) = delete;
  TNCObject& operator=(const TNCObject&) = delete;

  virtual void MouseDown();
  virtual void MouseUp();
  virtual void MouseEnter();
  virtual void MouseLeave();
  virtual void Paint() {}

  TWinSkinForm& Owner() const { return FOwner; }
  bool Contains(POINT WindowPoint) const { return PtInRect(&Rect, WindowPoint) != 0; }

  // Window-relative: (0, 0) is the window's top-left corner.
  RECT Rect{};
  bool Visible = true;
  int State = osNormal;
  bool Enabled = true;

 private:
  // Another object that is hot is told the mouse left it.
  void TakeOverHot();

  TWinSkinForm& FOwner;
};
