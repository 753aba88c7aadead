#pragma once
// The hourglass while a shell component fills or rebuilds, when there is a
// screen; set once for nested work (a refresh opens many folders). The
// cursor that was showing comes back as it was: letting the window under
// the mouse choose its cursor anew would move the pointer (to make the
// system ask it), at the end of every fill.

#include <windows.h>

class TBusyCursor {
 public:
  TBusyCursor();
  ~TBusyCursor();
  TBusyCursor(const TBusyCursor&) = delete;
  TBusyCursor& operator=(const TBusyCursor&) = delete;

 private:
  bool FCounted;
  bool FOuter;
  HCURSOR FSaved = nullptr;
};
