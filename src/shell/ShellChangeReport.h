#pragma once
// One change report as the notifier sees it after decoding: the event number
// (one SHCNE_ bit), the interrupt flag and the two paths.

#include <windows.h>

#include <string>

struct TShellChangeReport {
  LONG Event = 0;
  std::string Path1;
  std::string Path2;
  bool TriggeredBySystemInterrupt = false;
};
