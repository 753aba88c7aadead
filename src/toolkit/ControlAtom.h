#pragma once
// Every window the toolkit creates carries a window property that points
// to its control. The property is named "ControlOfs" followed by the module
// instance handle and the thread id, each as eight upper-case hex digits
// (the low 32 bits of the handle), so that code of another module or
// thread never mistakes it for its own.

#include <windows.h>

#include <string>

class TWinControl;

// "ControlOfs%.8X%.8X" for this module and the calling thread.
std::string ControlPropertyName();
// The global atom of that name (added on first use).
ATOM ControlAtom();

// The toolkit control of a window; null for a null handle and for windows
// the toolkit did not create.
TWinControl* FindControl(HWND Handle);

void AttachControl(HWND Handle, TWinControl* Control);
void DetachControl(HWND Handle);
