#include "widgets/ShellOpen.h"

#include <shellapi.h>

TShellExecuteProc& ShellExecuteProc() {
  static TShellExecuteProc proc = &ShellExecuteA;
  return proc;
}

void ShellOpen(const std::string& Target) {
  ShellExecuteProc()(nullptr, "open", Target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}
