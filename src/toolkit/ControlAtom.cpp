#include "toolkit/ControlAtom.h"

#include <cstdio>
#include <unordered_map>

namespace {

// The controls of the windows this thread made, as the property says, kept
// beside it: every message a control's window gets looks its control up,
// and reading a window property can cost the platform a round trip to
// another process. Windows belong to the thread that made them, so each
// thread keeps its own; windows of other threads are found by the property.
std::unordered_map<HWND, TWinControl*>& ThreadControls() {
  thread_local std::unordered_map<HWND, TWinControl*> controls;
  return controls;
}

}  // namespace

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
  const auto& controls = ThreadControls();
  if (auto it = controls.find(Handle); it != controls.end()) return it->second;
  return static_cast<TWinControl*>(GetPropA(Handle, MAKEINTATOM(ControlAtom())));
}

void AttachControl(HWND Handle, TWinControl* Control) {
  SetPropA(Handle, MAKEINTATOM(ControlAtom()), Control);
  if (Control && GetWindowThreadProcessId(Handle, nullptr) == GetCurrentThreadId())
    ThreadControls()[Handle] = Control;
}

void DetachControl(HWND Handle) {
  RemovePropA(Handle, MAKEINTATOM(ControlAtom()));
  ThreadControls().erase(Handle);
}
