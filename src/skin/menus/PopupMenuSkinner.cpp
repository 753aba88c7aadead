#include "skin/menus/PopupMenuSkinner.h"

void TWinSkinPopMenu::Attach(HWND Window, TSkinData* Data, HMENU Menu) {
  FHandle = Window;
  FSkinData = Data;
  FMenu = Menu;
}

void TWinSkinPopMenu::Detach() {
  FHandle = nullptr;
  FMenu = nullptr;
}
