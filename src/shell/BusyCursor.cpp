#include "shell/BusyCursor.h"

#include "toolkit/Screen.h"

namespace {

// The system's shared cursors are loaded once (loading one costs more than
// showing it).
HCURSOR WaitCursor() {
  static const HCURSOR cursor = LoadCursorA(nullptr, IDC_WAIT);
  return cursor;
}

HCURSOR ArrowCursor() {
  static const HCURSOR cursor = LoadCursorA(nullptr, IDC_ARROW);
  return cursor;
}

// Shell components live on the GUI thread.
int& Depth() {
  static int depth = 0;
  return depth;
}

}  // namespace

TBusyCursor::TBusyCursor() : FCounted(Screen != nullptr), FOuter(FCounted && Depth()++ == 0) {
  if (FOuter) FSaved = ::SetCursor(WaitCursor());
}

TBusyCursor::~TBusyCursor() {
  if (!FCounted) return;
  --Depth();
  if (FOuter) ::SetCursor(FSaved ? FSaved : ArrowCursor());
}
