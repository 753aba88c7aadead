#include "toolkit/ControlAtom.h"

#include <cstdio>

std::string ControlPropertyName() {
  char name[32];
  std::snprintf(name, sizeof name, "ControlOfs%.8X%.8X",
                static_cast<unsigned>(reinterpret_cast<UINT_PTR>(GetModuleHandleA(nullptr))),
                static_cast<unsigned>(GetCurrentThreadId()));
  return name;
}

ATOM ControlAtom() {
  static const ATOM atom = GlobalAddAtomA(ControlPropertyName().c_str());
  return atom;
}

TWinControl* FindControl(HWND Handle) {
  if (!Handle) return nullptr;
  return static_cast<TWinControl*>(GetPropA(Handle, MAKEINTATOM(ControlAtom())));
}

void AttachControl(HWND Handle, TWinControl* Control) {
  SetPropA(Handle, MAKEINTATOM(ControlAtom()), Control);
}

void DetachControl(HWND Handle) {
  RemovePropA(Handle, MAKEINTATOM(ControlAtom()));
}
