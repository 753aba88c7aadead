#pragma once
// One item of a skinned menu bar: its caption, whether it is enabled, its
// drop-down and command, and its place in the bar. It paints its own hover
// and pressed states straight onto the window, from the bar's background
// kept at the last paint.

#include <windows.h>

#include <string>

#include "skin/frame/NCObject.h"

class TMenuItem;
class TSkinData;
class TWinSkinMenu;

class TMenuBtn : public TNCObject {
 public:
  TMenuBtn(TWinSkinForm& Owner, TWinSkinMenu& Bar);

  void Paint() override;

  TMenuItem* MenuItem = nullptr;
  TSkinData* SkinData = nullptr;
  int Index = 0;
  std::string Caption;
  bool ItemEnabled = true;
  HMENU SubMenu = nullptr;
  UINT Command = 0;

 private:
  TWinSkinMenu& FBar;
};
